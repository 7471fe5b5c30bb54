#include "WaveformStrip.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>
#include <cmath>

#include "SkinColours.h"

namespace {

const char* const kStripToolTip =
    QT_TRANSLATE_NOOP("WaveformStrip", "The sound of the whole file: click to play from there");

// "m:ss", or "h:mm:ss" from an hour.
QString ClockText(double seconds) {
    const auto whole = static_cast<long long>(std::max(0.0, seconds));
    const long long h = whole / 3600;
    const long long m = whole / 60 % 60;
    const long long s = whole % 60;
    return h > 0 ? QStringLiteral("%1:%2:%3")
                       .arg(h)
                       .arg(m, 2, 10, QLatin1Char('0'))
                       .arg(s, 2, 10, QLatin1Char('0'))
                 : QStringLiteral("%1:%2").arg(m).arg(s, 2, 10, QLatin1Char('0'));
}

}  // namespace

WaveformStrip::WaveformStrip(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::PointingHandCursor);
    setMouseTracking(true);
    setAccessibleName(tr("Sound of the whole file"));
    setToolTip(tr(kStripToolTip));
}

double WaveformStrip::ShareOfHeight(float peak) {
    if (!(peak > 0.0f)) {
        return 0.0;
    }
    const double decibels = 20.0 * std::log10(static_cast<double>(peak));
    return std::clamp((decibels + 60.0) / 60.0, 0.0, 1.0);
}

double WaveformStrip::TickSeconds(double length, int width) {
    // Ticks at least 60 px apart, at a step a clock reads easily.
    static constexpr double kSteps[] = {1,   2,   5,   10,   15,   30,   60,    120,
                                        300, 600, 900, 1800, 3600, 7200, 18000, 36000};
    if (length <= 0.0 || width <= 0) {
        return 0.0;
    }
    const double most = std::max(1.0, width / 60.0);
    for (const double step : kSteps) {
        if (length / step <= most) {
            return step;
        }
    }
    return kSteps[std::size(kSteps) - 1];
}

void WaveformStrip::SetChapterTitles(std::vector<QString> titles) {
    m_titles = std::move(titles);
}

void WaveformStrip::SetLength(double seconds) {
    if (seconds != m_length) {
        m_length = seconds;
        update();
    }
}

QString WaveformStrip::ToolTipAt(int x) const {
    const int w = width();
    for (std::size_t i = 0; i < m_chapters.size(); ++i) {
        if (std::abs(static_cast<int>(m_chapters[i] * w) - x) <= 3) {
            const QString title = i < m_titles.size() ? m_titles[i] : QString();
            return tr("Chapter %1%2 (%3)")
                .arg(i + 1)
                .arg(title.isEmpty() ? QString() : QStringLiteral(": ") + title)
                .arg(ClockText(m_chapters[i] * m_length));
        }
    }
    return tr(kStripToolTip);
}

bool WaveformStrip::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        QToolTip::showText(help->globalPos(), ToolTipAt(help->pos().x()), this);
        return true;
    }
    return QWidget::event(event);
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
    // The pauses under the sound: a band each, crossed by fine diagonal lines.
    for (const auto& [from, to] : m_silences) {
        const QRect band(x(from), 0, std::max(1, x(to) - x(from)), h);
        QColor shade(kTextSecondary);
        shade.setAlpha(30);  // faint: under the clip and the sound drawn over it
        painter.fillRect(band, QBrush(shade, Qt::BDiagPattern));
    }
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
        const int half = std::max(0, static_cast<int>(ShareOfHeight(peak) * (h / 2 - 2)));
        painter.fillRect(QRect(left, middle - half, right - left, 2 * half + 1),
                         QColor(kAccentLight));
    }
    // The time scale: a short tick at the bottom and the time beside it.
    if (const double step = TickSeconds(m_length, w); step > 0.0) {
        QFont small = painter.font();
        small.setPixelSize(std::max(8, h / 5));
        painter.setFont(small);
        painter.setPen(QColor(kText));
        for (double at = step; at < m_length; at += step) {
            const int tx = x(at / m_length);
            painter.drawLine(tx, h - 4, tx, h - 1);
            painter.drawText(QRect(tx + 2, h - 2 - small.pixelSize(), 60, small.pixelSize() + 2),
                             Qt::AlignLeft | Qt::AlignBottom, ClockText(at));
        }
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

void WaveformStrip::SetSilences(std::vector<std::pair<double, double>> silences) {
    if (silences != m_silences) {
        m_silences = std::move(silences);
        update();
    }
}

void WaveformStrip::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && width() > 0) {
        emit SeekRequested(std::clamp(event->position().x() / width(), 0.0, 1.0));
    }
}
