#pragma once

// The row's "Mix tracks…": the file's sound tracks, each with a check (mixed or not), a gain
// and "this is the voice"; the voice's lead over the others and the ducking while it speaks.
// OK gives the mix (no mix when fewer than two tracks are checked).

#include <QDialog>
#include <QStringList>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include <QTemporaryDir>
#include <QTimer>
#include <memory>

#include "JobFile.h"
#include "TrackMix.h"

namespace tolvane {
class Player;
}

class QCheckBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QRadioButton;

class CMixDialog final : public QDialog {
    Q_OBJECT

public:
    // `tracks`: the sound tracks of the file at `path` as a person picks among them ("1: eng ·
    // AAC stereo").
    CMixDialog(const std::string& path, const QStringList& tracks, const tolvane::TrackMix& mix,
               QWidget* parent = nullptr);
    ~CMixDialog() override;

    // The mix as the dialog shows it.
    tolvane::TrackMix Mix() const;

    // Offers "Preview": a few seconds of `row` with the mix as the dialog shows it, written as
    // `settings` write it and played from `from` seconds of the file.
    void OfferPreview(const JobSettings& settings, const JobRow& row, double from);
    QPushButton* PreviewButton() const { return m_preview; }
    // Whether the preview plays, and the file it plays.
    bool PreviewPlaying() const;
    QString PreviewFile() const { return m_previewFile; }
    // What went wrong with the last preview (empty when nothing did).
    QString PreviewFailure() const { return m_previewFailure; }

    QCheckBox* TrackBox(int index) const { return m_rows[static_cast<std::size_t>(index)].use; }
    QDoubleSpinBox* GainBox(int index) const {
        return m_rows[static_cast<std::size_t>(index)].gain;
    }
    QRadioButton* VoiceButton(int index) const {
        return m_rows[static_cast<std::size_t>(index)].voice;
    }
    QRadioButton* NoVoiceButton() const { return m_noVoice; }
    QDoubleSpinBox* LeadBox() const { return m_lead; }
    QCheckBox* DuckBox() const { return m_duck; }
    QDoubleSpinBox* DuckDepthBox() const { return m_duckDepth; }
    QPushButton* OkButton() const { return m_ok; }
    QPushButton* MeasureButton() const { return m_measure; }
    // What track `index`'s loudness shows ("-18.3 LUFS" once measured).
    QString LoudnessText(int index) const;

signals:
    // Every track's loudness is shown.
    void Measured();
    // The preview was written and plays, or could not be written.
    void PreviewStarted();

private:
    void UpdateStates();
    // Writes the preview on a thread of its own and plays it; a second press stops it.
    void TogglePreview();
    void PlayPreview(const QString& path, const QString& failure);
    void StopMixPreview();
    // Each track's loudness (EBU R128), read on a thread of its own; the window's thread is
    // told track by track.
    void MeasureLoudness();

    struct Row {
        QCheckBox* use = nullptr;
        QDoubleSpinBox* gain = nullptr;
        QRadioButton* voice = nullptr;
        QLabel* loudness = nullptr;
    };
    std::string m_path;
    QPushButton* m_measure = nullptr;
    QPushButton* m_preview = nullptr;
    QLabel* m_previewNote = nullptr;
    JobSettings m_previewSettings;
    JobRow m_previewRow;
    double m_previewFrom = 0.0;
    QString m_previewFile;
    QString m_previewFailure;
    QTemporaryDir m_previewFolder;
    std::unique_ptr<tolvane::Player> m_player;
    QTimer m_previewEnd;  // watches for the end of what plays
    std::atomic<bool> m_stop{false};
    // Last: joined (after m_stop is set) before the widgets go.
    std::jthread m_measuring;
    std::vector<std::jthread> m_writers;  // the previews' writers, each done once it has told
    bool m_previewWriting = false;        // one is being written (the window's thread's)
    std::vector<Row> m_rows;
    QRadioButton* m_noVoice = nullptr;
    QDoubleSpinBox* m_lead = nullptr;
    QCheckBox* m_duck = nullptr;
    QDoubleSpinBox* m_duckDepth = nullptr;
    QPushButton* m_ok = nullptr;
};
