#include "SkinLook.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QRadioButton>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>
#include <algorithm>

#include "SkinColours.h"

void ApplySkinLook(QApplication& app) {
    using namespace skin::colour;
    // Fusion draws every standard control from the palette alone.
    if (QStyle* fusion = QStyleFactory::create("Fusion")) {
        QApplication::setStyle(fusion);
    }
    QPalette palette;
    const QColor text(kText);
    const QColor secondary(kTextSecondary);
    const QColor disabled(kDisabledInk);
    palette.setColor(QPalette::Window, QColor(kSlateBottom));
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Base, QColor(kSlateTop));
    palette.setColor(QPalette::AlternateBase, QColor(kPanel));
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::PlaceholderText, secondary);
    palette.setColor(QPalette::Button, QColor(kPanel));
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::BrightText, QColor(kWarm));
    palette.setColor(QPalette::Highlight, QColor(kAccent));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::Link, QColor(kAccentLight));
    palette.setColor(QPalette::LinkVisited, QColor(kAccent));
    palette.setColor(QPalette::ToolTipBase, QColor(kPanel));
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::Light, QColor(kPanelBorder));
    palette.setColor(QPalette::Midlight, QColor(kPanelBorder));
    palette.setColor(QPalette::Mid, QColor(kDisabledBorder));
    palette.setColor(QPalette::Dark, QColor(kTitleBar));
    palette.setColor(QPalette::Shadow, Qt::black);
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(QPalette::Disabled, role, disabled);
    }
    palette.setColor(QPalette::Disabled, QPalette::Button, QColor(kDisabledFill));
    QApplication::setPalette(palette);
    app.setStyleSheet(
        QStringLiteral("QToolTip { color: %1; background-color: %2; border: 1px solid %3; "
                       "padding: 3px; }")
            .arg(QColor(kText).name(), QColor(kPanel).name(), QColor(kPanelBorder).name()));
}

int TextRoom(const QAbstractButton& button) {
    const QStyle* style = button.style();
    if (qobject_cast<const QCheckBox*>(&button) != nullptr ||
        qobject_cast<const QRadioButton*>(&button) != nullptr) {
        return button.width() - style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, &button) -
               style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, &button) - 2;
    }
    // A push button's frame and margins; its size hint would add the least width the style
    // gives every push button, which a narrow button's text does not need.
    return button.width() - style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, &button) -
           2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &button);
}

bool TextFitsButton(const QAbstractButton& button) {
    QString plain = button.text();
    plain.remove('&');
    return button.fontMetrics().horizontalAdvance(plain) <= TextRoom(button);
}

void FitTextToWidth(QAbstractButton& button) {
    // The whole text and the button's own tooltip, as they were before the first fitting, so
    // that the button can be fitted again at another size.
    constexpr char kWholeText[] = "tolvaneWholeText";
    constexpr char kOwnToolTip[] = "tolvaneOwnToolTip";
    if (!button.property(kWholeText).isValid()) {
        button.setProperty(kWholeText, button.text());
        button.setProperty(kOwnToolTip, button.toolTip());
    }
    button.setText(button.property(kWholeText).toString());
    button.setToolTip(button.property(kOwnToolTip).toString());
    // Down to four fifths of its size, a quarter point at a time.
    QFont font = button.font();
    const double natural = font.pointSizeF();
    for (double size = natural - 0.25;
         natural > 0 && !TextFitsButton(button) && size >= natural * 0.8; size -= 0.25) {
        font.setPointSizeF(size);
        button.setFont(font);
    }
    if (TextFitsButton(button)) {
        return;
    }
    QString plain = button.text();
    const bool accessKey = plain.startsWith('&');
    plain.remove('&');
    const QString shown =
        button.fontMetrics().elidedText(plain, Qt::ElideRight, std::max(0, TextRoom(button)));
    button.setText(accessKey ? '&' + shown : shown);
    button.setToolTip(plain);
}

bool ShowsFocus(const QWidget& widget) {
    if (!widget.hasFocus()) {
        return false;
    }
    const bool mouseFocuses = (widget.focusPolicy() & Qt::ClickFocus) != 0;
    return !mouseFocuses || widget.window()->testAttribute(Qt::WA_KeyboardFocusChange);
}

void DrawFocusRing(QPainter& painter, const QPainterPath& outline) {
    // Two pixels of the light accent inside the outline (the outer half of the pen falls
    // outside a shaped control's mask), over a dark line so that it shows on light faces too.
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setClipPath(outline, Qt::IntersectClip);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(skin::colour::kTitleBar), 6));
    painter.drawPath(outline);
    painter.setPen(QPen(QColor(skin::colour::kAccentLight), 4));
    painter.drawPath(outline);
    painter.restore();
}
