#pragma once

// A strip that shows the loudness of a whole file, a column each on a decibel scale (-60 to 0
// dBFS, so that speech reads as well as music), with a time scale, the clip's begin and end, the
// playing position and the chapters marked on it (their titles on hover); a click asks to play
// from there.

#include <QWidget>
#include <utility>
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
    // The chapters' titles, in the order of SetMarks' starts, and the file's length in seconds
    // (0: unknown, no time scale).
    void SetChapterTitles(std::vector<QString> titles);
    // The pauses, as shares of the length (from, to): drawn as hatched bands.
    void SetSilences(std::vector<std::pair<double, double>> silences);
    const std::vector<std::pair<double, double>>& Silences() const { return m_silences; }
    void SetLength(double seconds);

    // How much of the strip's half height a peak (0 to 1) fills: its level from -60 to 0 dBFS.
    static double ShareOfHeight(float peak);
    // The seconds between two ticks of the time scale for a length on a strip of `width`.
    static double TickSeconds(double length, int width);
    // What the strip says at `x`: a chapter mark's number, title and time, else what it does.
    QString ToolTipAt(int x) const;

signals:
    // A click at `share` of the length.
    void SeekRequested(double share);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    std::vector<float> m_peaks;
    double m_begin = -1.0;
    double m_end = -1.0;
    double m_position = -1.0;
    std::vector<double> m_chapters;
    std::vector<QString> m_titles;
    std::vector<std::pair<double, double>> m_silences;
    double m_length = 0.0;
};
