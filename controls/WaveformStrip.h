#pragma once

// A strip that shows the loudness of a whole file, a column each, with the clip's begin and end,
// the playing position and the chapters marked on it; a click asks to play from there.

#include <QWidget>
#include <vector>

class WaveformStrip final : public QWidget {
    Q_OBJECT

public:
    explicit WaveformStrip(QWidget* parent = nullptr);

    // The peaks, 0 to 1, a column each (negative: not known yet).
    void SetPeaks(std::vector<float> peaks);
    const std::vector<float>& Peaks() const { return m_peaks; }
    // The marks, as shares of the length (negative: none): the clip's begin and end, the playing
    // position and the chapters' starts.
    void SetMarks(double begin, double end, double position, std::vector<double> chapters);

signals:
    // A click at `share` of the length.
    void SeekRequested(double share);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    std::vector<float> m_peaks;
    double m_begin = -1.0;
    double m_end = -1.0;
    double m_position = -1.0;
    std::vector<double> m_chapters;
};
