#include "WaveformStrip.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "SkinColours.h"

WaveformStrip::WaveformStrip(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::PointingHandCursor);
    setToolTip("The sound of the whole file: click to play from there");
}

void WaveformStrip::SetPeaks(std::vector<float> peaks) {
    if (peaks != m_peaks) {
        m_peaks = std::move(peaks);
        update();
    }
}

void WaveformStrip::SetMarks(double begin, double end, double position,
                             std::vector<double> chapters) {
    if (begin != m_begin || end != m_end || position != m_position || chapters != m_chapters) {
        m_begin = begin;
        m_end = end;
        m_position = position;
        m_chapters = std::move(chapters);
        update();
    }
}

void WaveformStrip::paintEvent(QPaintEvent*) {
    using namespace skin::colour;
    QPainter painter(this);
    const int w = width();
    const int h = height();
    painter.fillRect(rect(), QColor(kPreviewBackground));
    const auto x = [w](double share) { return static_cast<int>(share * w); };
    if (m_begin >= 0.0 && m_end > m_begin) {
        QColor chosen(kAccentDark);
        chosen.setAlpha(110);
        painter.fillRect(QRect(x(m_begin), 0, std::max(1, x(m_end) - x(m_begin)), h), chosen);
    }
    // A column of the sound's peak each, mirrored about the middle.
    const int columns = static_cast<int>(m_peaks.size());
    const int middle = h / 2;
    for (int c = 0; c < columns; ++c) {
        const float peak = m_peaks[static_cast<std::size_t>(c)];
        if (peak < 0.0f) {
            continue;
        }
        const int left = c * w / columns;
        const int right = std::max(left + 1, (c + 1) * w / columns);
        const int half = std::max(0, static_cast<int>(peak * (h / 2 - 2)));
        painter.fillRect(QRect(left, middle - half, right - left, 2 * half + 1),
                         QColor(kAccentLight));
    }
    painter.setPen(QColor(kWarm));
    for (const double chapter : m_chapters) {
        painter.drawLine(x(chapter), 0, x(chapter), 5);
        painter.drawLine(x(chapter), h - 6, x(chapter), h - 1);
    }
    if (m_position >= 0.0) {
        painter.setPen(QColor(kText));
        painter.drawLine(x(m_position), 0, x(m_position), h - 1);
    }
}

void WaveformStrip::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && width() > 0) {
        emit SeekRequested(std::clamp(event->position().x() / width(), 0.0, 1.0));
    }
}
