#include "MessagePresenter.h"

#include <QWidget>

namespace {

class BoxPresenter final : public MessagePresenter {
public:
    void Show(QWidget* parent, const QString& text, QMessageBox::Icon icon) override {
        QMessageBox box(icon, QString::fromLatin1(kApplicationName), text, QMessageBox::Ok, parent);
        box.exec();
    }
};

}  // namespace

MessagePresenter& DefaultMessagePresenter() {
    static BoxPresenter presenter;
    return presenter;
}
