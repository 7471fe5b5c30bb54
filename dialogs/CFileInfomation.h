#pragma once

#include <QDialog>
#include <QTimer>
#include <array>
#include <atomic>
#include <string>
#include <thread>

#include "FileInfoValues.h"

class QLineEdit;

// The file information dialog: eight read-only boxes with the selected file's facts.
class CFileInfomation final : public QDialog {
    Q_OBJECT

public:
    // With `measureLoudness`, the file's loudness is measured in the background while it shows.
    explicit CFileInfomation(const FileInfoValues& values, QWidget* parent = nullptr,
                             bool measureLoudness = false);
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
    // "measuring…" until the loudness is known (empty without a measure).
    QString LoudnessText() const;

private:
    void ShowLoudness();

    std::array<QLineEdit*, 8> m_boxes{};
    QLineEdit* m_soundTrack = nullptr;
    QLineEdit* m_chapters = nullptr;
    QLineEdit* m_loudness = nullptr;
    // The measure: its thread writes m_loudnessResult, then sets m_measured.
    std::atomic<bool> m_stopMeasuring{false};
    std::atomic<bool> m_measured{false};
    std::string m_loudnessResult;
    QTimer m_poll;
    std::thread m_measurer;
};
