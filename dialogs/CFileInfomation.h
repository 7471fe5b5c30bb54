#pragma once

#include <QDialog>
#include <array>

#include "FileInfoValues.h"

class QLineEdit;

// The file information dialog: eight read-only boxes with the selected file's facts.
class CFileInfomation final : public QDialog {
    Q_OBJECT

public:
    explicit CFileInfomation(const FileInfoValues& values, QWidget* parent = nullptr);
    // The boxes, in the order: file name, length, resolution, frame rate, video bit rate,
    // audio bit rate, samples, channel.
    QString BoxText(int index) const;
    // The chosen sound track of a file of several, or empty.
    QString SoundTrackText() const;
    // The chapter count shown (empty for a file without chapters), and their list.
    QString ChaptersText() const;
    QString ChaptersList() const;

private:
    std::array<QLineEdit*, 8> m_boxes{};
    QLineEdit* m_soundTrack = nullptr;
    QLineEdit* m_chapters = nullptr;
};
