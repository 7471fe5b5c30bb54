#include "AccessibleControls.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>

#include "CBitmapSlider.h"
#include "CHyperLink.h"

namespace {

class AccessibleSlider final : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit AccessibleSlider(CBitmapSlider* slider)
        : QAccessibleWidget(slider, QAccessible::Slider) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface) {
            return static_cast<QAccessibleValueInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value) {
            return QString::number(Slider()->GetPos());
        }
        return QAccessibleWidget::text(kind);
    }
    QVariant currentValue() const override { return Slider()->GetPos(); }
    // As a key would move it: the window follows.
    void setCurrentValue(const QVariant& value) override { Slider()->MoveTo(value.toInt()); }
    QVariant maximumValue() const override { return Slider()->Maximum(); }
    QVariant minimumValue() const override { return Slider()->Minimum(); }
    QVariant minimumStepSize() const override { return 1; }

private:
    CBitmapSlider* Slider() const { return static_cast<CBitmapSlider*>(widget()); }
};

class AccessibleLink final : public QAccessibleWidget {
public:
    explicit AccessibleLink(CHyperLink* link) : QAccessibleWidget(link, QAccessible::Link) {
        addControllingSignal(QStringLiteral("linkActivated(QString)"));
    }
    QString text(QAccessible::Text kind) const override {
        const auto* link = static_cast<const CHyperLink*>(widget());
        if (kind == QAccessible::Name && link->accessibleName().isEmpty()) {
            return link->text();
        }
        if (kind == QAccessible::Value) {
            return link->URL();
        }
        return QAccessibleWidget::text(kind);
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action == pressAction()) {
            static_cast<CHyperLink*>(widget())->OpenLink();
        }
    }
};

QAccessibleInterface* MakeInterface(const QString& className, QObject* object) {
    if (object == nullptr || !object->isWidgetType()) {
        return nullptr;
    }
    auto* widget = static_cast<QWidget*>(object);
    const QVariant role = widget->property("accessibleRole");
    if (role.isValid()) {
        return new QAccessibleWidget(widget, static_cast<QAccessible::Role>(role.toInt()));
    }
    if (className == QLatin1String("CBitmapSlider")) {
        return new AccessibleSlider(static_cast<CBitmapSlider*>(widget));
    }
    if (className == QLatin1String("CHyperLink")) {
        return new AccessibleLink(static_cast<CHyperLink*>(widget));
    }
    if (className == QLatin1String("WaveformStrip")) {
        return new QAccessibleWidget(widget, QAccessible::Chart);
    }
    if (className == QLatin1String("PictureFrame")) {
        return new QAccessibleWidget(widget, QAccessible::Graphic);
    }
    return nullptr;
}

}  // namespace

void InstallAccessibleControls() {
    QAccessible::installFactory(MakeInterface);
}
