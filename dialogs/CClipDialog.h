#pragma once

// The clip dialog: plays one task's file and lets the user mark a begin and an end time, which
// OK writes into the task's row.

#include <QDialog>
#include <QTimer>
#include <memory>

#include "ClipHost.h"

class CBitmapSlider;
class CControlButton;
class PictureFrame;
class PreviewTransport;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

class MessagePresenter;
class WaveformStrip;
namespace tolvane {
class SilenceFinder;
class SoundEnvelope;
}  // namespace tolvane

class CClipDialog final : public QDialog {
    Q_OBJECT

public:
    static constexpr int kPositionSliderId = 1;
    static constexpr int kVolumeSliderId = 2;

    // Messages go through `messages` (real message boxes without one).
    CClipDialog(ClipHost& host, QWidget* parent = nullptr, MessagePresenter* messages = nullptr);
    ~CClipDialog() override;

    void OnPlay();
    void OnStop();
    void OnSetBegin();
    void OnSetEnd();
    void OnReset();
    void OnOk();
    void OnCancel();
    // The player's end notification, on the dialog's thread.
    Q_INVOKABLE void OnPreviewEnded();

    QString BeginText() const;
    QString EndText() const;
    QString CutText() const;
    // The playing position beside the slider.
    QString PositionText() const;
    int CurrentTime() const;
    bool Playing() const;
    bool PreviewOpened() const;
    // Whether the position and picture timers still run.
    bool Polling() const;
    CBitmapSlider* PositionSlider() const { return m_positionSlider; }
    CControlButton* PlayButton() const { return m_play; }
    CControlButton* StopButton() const { return m_stop; }
    PictureFrame* Preview() const { return m_preview; }
    WaveformStrip* Waveform() const { return m_waveform; }
    // Whether the sound's envelope has been read whole.
    bool WaveformDone() const;
    // "Trim silence at the ends": the clip moves in to the first and last sound (whole seconds
    // that keep a margin around it), once the pauses are known.
    QCheckBox* TrimBox() const { return m_trim; }
    // Whether the file's pauses have been found (they are drawn on the waveform).
    bool SilencesKnown() const;
    // Finds the file's pauses (the trim box and the waveform's "Show pauses" ask for them):
    // its whole sound is read, off the window's thread, only when asked or not known before.
    void ShowPauses();
    // Whether the sound is being read for its pauses now.
    bool FindingPauses() const { return m_silences != nullptr; }
    QPushButton* Button(const QString& text) const;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;
    void done(int result) override;

private:
    void SetUpPlayer();
    // Shows the cut time, and names it so for a screen reader.
    void ShowCut(const QString& time);
    void SetTimes(long long begin, long long end, long long cut);
    void RefreshWaveform();
    void SeekToShare(double share);
    void OnTrimToggled(bool on);
    void ApplyTrim();
    // Takes a time typed into `field`: "[H:]MM:SS[.mmm]" or seconds, within the file; anything
    // else puts back what it showed.
    void OnTimeTyped(QLineEdit* field);

    ClipHost& m_host;
    QPixmap m_background;
    double m_scale = 1.0;  // the skin's scale, below 1 on a small screen
    PictureFrame* m_preview;
    CBitmapSlider* m_positionSlider;
    CBitmapSlider* m_volumeSlider;
    CControlButton* m_play;
    CControlButton* m_stop;
    CControlButton* m_volume;
    // Typed to the millisecond too ("00:01:02.345"); they show whole seconds until edited.
    QLineEdit* m_begin;
    QLineEdit* m_end;
    QLabel* m_cut;
    QLabel* m_position;
    WaveformStrip* m_waveform;
    std::unique_ptr<tolvane::SoundEnvelope> m_envelope;   // while the dialog shows a file
    std::unique_ptr<tolvane::SilenceFinder> m_silences;   // while the pauses are found
    std::shared_ptr<const tolvane::LevelsRead> m_levels;  // once found (or known before)
    tolvane::LevelsSpan m_levelsSpan;                     // what the pauses are found in
    QCheckBox* m_trim;
    bool m_trimWaiting = false;  // ticked before the pauses were known
    QString m_untrimmedBegin;    // the times before the trim, back when it is unticked
    QString m_untrimmedEnd;
    QTimer m_waveformTimer;
    MessagePresenter* m_messages;
    PreviewTransport* m_transport;
    bool m_closing = false;
};
