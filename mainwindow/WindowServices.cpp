#include "WindowServices.h"

#include <QDBusInterface>
#include <QDBusReply>
#include <QDesktopServices>
#include <QFileDialog>
#include <QUrl>

namespace {

class DialogFileChooser final : public FileChooser {
public:
    QStringList OpenFiles(QWidget* parent, const QString& qtFilter) override {
        return QFileDialog::getOpenFileNames(parent, QString(), QString(), qtFilter);
    }
    std::optional<QString> ChooseFolder(QWidget* parent, const QString& title) override {
        const QString folder = QFileDialog::getExistingDirectory(parent, title);
        if (folder.isEmpty()) {
            return std::nullopt;
        }
        return folder;
    }
};

class UrlOpener final : public DesktopOpener {
public:
    bool Open(const QString& path) override {
        return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    }
};

class Logind final : public PowerControl {
public:
    void PowerOff() override {
        QDBusInterface manager("org.freedesktop.login1", "/org/freedesktop/login1",
                               "org.freedesktop.login1.Manager", QDBusConnection::systemBus());
        if (manager.isValid()) {
            manager.call("PowerOff", false);  // not interactive: no authentication prompt
        }
    }
};

}  // namespace

FileChooser& DesktopFileChooser() {
    static DialogFileChooser chooser;
    return chooser;
}

DesktopOpener& DesktopFileOpener() {
    static UrlOpener opener;
    return opener;
}

PowerControl& LogindPowerControl() {
    static Logind logind;
    return logind;
}
