#pragma once

// The clip dialog: plays one task's file and lets the user mark a begin and an end time, which
// OK writes into the task's row.

#include <QDialog>
#include <QTimer>
#include <vector>

#include "ClipHost.h"

class CBitmapSlider;
class CControlButton;
class PictureFrame;
class QLabel;
class QPushButton;

class CClipDialog final : public QDialog {
    Q_OBJECT

public:
    static constexpr int kPositionSliderId = 1;
    static constexpr int kVolumeSliderId = 2;

    CClipDialog(ClipHost& host, QWidget* parent = nullptr);
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
    int CurrentTime() const { return m_currentTime; }
    bool Playing() const { return m_stateText == "PAUSE"; }
    bool PreviewOpened() const { return m_previewOpened; }
    CBitmapSlider* PositionSlider() const { return m_positionSlider; }
    CControlButton* PlayButton() const { return m_play; }
    CControlButton* StopButton() const { return m_stop; }
    PictureFrame* Preview() const { return m_preview; }
    QPushButton* Button(const QString& text) const;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void SetUpPlayer();
    void OpenFile();
    void SetPlayFace(int faceId);
    void SetTimes(long long begin, long long end, long long cut);
    void OnPositionTick();
    void OnPictureTick();
    void Seek();

    ClipHost& m_host;
    QPixmap m_background;
    PictureFrame* m_preview;
    CBitmapSlider* m_positionSlider;
    CBitmapSlider* m_volumeSlider;
    CControlButton* m_play;
    CControlButton* m_stop;
    CControlButton* m_volume;
    QLabel* m_begin;
    QLabel* m_end;
    QLabel* m_cut;
    QTimer m_positionTimer;  // timer 100
    QTimer m_pictureTimer;   // timer 200
    QString m_stateText = "PLAY";
    bool m_openOnPlay = true;
    bool m_previewOpened = false;  // a file opened once in this dialog; never cleared
    bool m_closing = false;
    int m_currentTime = 0;
    int m_hasPictures = 0;
    int m_width = 0;
    int m_height = 0;
    std::vector<unsigned char> m_frame;
};
