#include "CLabel.h"

#include <QEvent>
#include <QPainter>

CLabel::CLabel(QWidget* parent) : QLabel(parent) {
    m_textColour = palette().color(QPalette::WindowText);
    m_background = palette().color(QPalette::Button);
}

void CLabel::SetStyle(Style style, bool centerImage) {
    m_style = style;
    m_centerImage = centerImage;
    update();
}

void CLabel::SetBackground(const QColor& colour) {
    m_background = colour;
    m_ownBackground = true;
    update();
}

void CLabel::FlashStop() {
    if (m_flashTimer != 0) {
        killTimer(m_flashTimer);
        m_flashTimer = 0;
    }
}

CLabel::TextFormat CLabel::FormatFor(Style style, bool centerImage, const QString& text) {
    TextFormat format{Qt::AlignLeft | Qt::AlignTop, true, false};
    switch (style) {
        case Style::Center:
            format.alignment = Qt::AlignHCenter | Qt::AlignTop;
            break;
        case Style::Right:
            format.alignment = Qt::AlignRight | Qt::AlignTop;
            break;
        case Style::LeftNoWordWrap:
            format.wordWrap = false;
            break;
        case Style::Left:
            break;
    }
    format.expandTabs = text.contains('\t');
    if (centerImage) {
        if (text.contains("\r\n")) {
            format = {Qt::AlignHCenter | Qt::AlignTop, false, format.expandTabs};
        } else {
            format = {Qt::AlignCenter, false, format.expandTabs, true};
        }
    }
    return format;
}

void CLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), m_background);
    painter.setPen(m_textColour);
    painter.setFont(font());
    const TextFormat format = FormatFor(m_style, m_centerImage, text());
    int flags = static_cast<int>(format.alignment);
    if (format.wordWrap) {
        flags |= Qt::TextWordWrap;
    }
    if (format.singleLine) {
        flags |= Qt::TextSingleLine;
    }
    if (format.expandTabs) {
        flags |= Qt::TextExpandTabs;
    }
    painter.drawText(contentsRect(), flags, QString(text()).replace("\r\n", "\n"));
}

void CLabel::changeEvent(QEvent* event) {
    // A change of the desktop's colours gives a new button-face background.
    if (event->type() == QEvent::PaletteChange && !m_ownBackground) {
        m_background = palette().color(QPalette::Button);
        update();
    }
    QLabel::changeEvent(event);
}
