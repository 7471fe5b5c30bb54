#pragma once

#include <QDialog>
#include <QTimer>
#include <array>
#include <atomic>
#include <map>
#include <string>
#include <thread>

#include "FileInfoValues.h"
#include "Loudness.h"

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// Loudness texts already measured while the program runs, by file and sound track.
using LoudnessMemory = std::map<std::string, std::string>;

// The file information dialog: eight read-only boxes with the selected file's facts.
class CFileInfomation final : public QDialog {
    Q_OBJECT

public:
    // With `loudness`, a Loudness line: what was measured before, or a "Measure loudness"
    // button that measures in the background while the dialog shows, and remembers it there.
    explicit CFileInfomation(const FileInfoValues& values, QWidget* parent = nullptr,
                             LoudnessMemory* loudness = nullptr);
    // Ends the measuring at once.
    ~CFileInfomation() override;
    // The boxes, in the order: file name, length, resolution, frame rate, video bit rate,
    // audio bit rate, samples, channel.
    QString BoxText(int index) const;
    // The chosen sound track of a file of several, or empty.
    QString SoundTrackText() const;
    // The chapter count shown (empty for a file without chapters), and their list.
    QString ChaptersText() const;
    QString ChaptersList() const;
    // Empty before a measure, "measuring…" until the loudness is known, then the loudness.
    QString LoudnessText() const;
    // The "Measure loudness" button (null without a Loudness line).
    QPushButton* MeasureButton() const { return m_measure; }

private:
    void StartMeasure();
    void ShowLoudness();

    std::array<QLineEdit*, 8> m_boxes{};
    QLineEdit* m_soundTrack = nullptr;
    QLineEdit* m_chapters = nullptr;
    QPlainTextEdit* m_chapterList = nullptr;  // the chapters a line each
    QLineEdit* m_loudness = nullptr;
    QPushButton* m_measure = nullptr;
    LoudnessMemory* m_memory = nullptr;
    std::string m_memoryKey;
    std::string m_path;
    int m_track = 0;
    // The measure: its thread writes m_loudnessFacts, then sets m_measured.
    std::atomic<bool> m_stopMeasuring{false};
    std::atomic<bool> m_measured{false};
    tolvane::LoudnessFacts m_loudnessFacts;
    QTimer m_poll;
    std::thread m_measurer;
};
