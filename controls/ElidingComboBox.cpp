#include "ElidingComboBox.h"

#include <QAbstractItemView>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <algorithm>

ElidingComboBox::ElidingComboBox(QWidget* parent) : QComboBox(parent) {}

QRect ElidingComboBox::TextField() const {
    QStyleOptionComboBox option;
    initStyleOption(&option);
    return style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField,
                                   this);
}

QString ElidingComboBox::ShownText() const {
    // A pixel spare at each side, as the style draws the label.
    return fontMetrics().elidedText(currentText(), Qt::ElideMiddle, TextField().width() - 2);
}

void ElidingComboBox::paintEvent(QPaintEvent* event) {
    if (isEditable()) {
        QComboBox::paintEvent(event);  // the line edit shows the text
        return;
    }
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    option.currentText = ShownText();
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

void ElidingComboBox::showPopup() {
    int widest = width();
    for (int i = 0; i < count(); ++i) {
        widest = std::max(widest, fontMetrics().horizontalAdvance(itemText(i)) + 32);
    }
    view()->setMinimumWidth(widest);
    QComboBox::showPopup();
}
