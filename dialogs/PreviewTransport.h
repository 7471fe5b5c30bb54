#pragma once

// The playing side that the main window's preview and the clip dialog share: the Play
// button's two states and faces, the position and picture timers, opening a file into the
// player, the picture buffer, the position slider and seeking.

#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <vector>
#include "SkinLayout.h"

class CBitmapSlider;
class CControlButton;
class PictureFrame;

class PreviewTransport final : public QObject {
    Q_OBJECT

public:
    struct Parts {
        CControlButton* play;
        CControlButton* stop;
        CBitmapSlider* position;
        PictureFrame* frame;
    };
    // The main window's stop also closes the file and always asks for a reopen; the clip
    // dialog's only stops.
    enum class StopMode { StopAndClose, StopOnly };

    // The faces of the transport buttons (bitmap ids).
    static constexpr int kPlayReadyFace = skin::kPlayFaces.normal;
    static constexpr int kPlayPlayingFace = skin::kPlayPlayingFace;
    static constexpr int kPlayGreyedFace = skin::kPlayFaces.disabled;
    static constexpr int kStopActiveFace = skin::kStopFaces.normal;
    static constexpr int kStopGreyedFace = skin::kStopFaces.disabled;

    // `window` is the transport's parent: the window whose invokable OnPreviewEnded() takes
    // the player's end notification, on the window's own thread.
    PreviewTransport(const Parts& parts, StopMode mode, QObject* window);
    ~PreviewTransport() override;

    // Gives the player to this transport's window: its end notification goes there (posted,
    // never read from the player's thread), and the transport is Reset.
    void TakePlayer();
    // Whether the player's end notification goes to this transport's window now.
    bool OwnsPlayer() const;

    // Ready to play, a file to open at the next Play, the slider at 0 of 0 to 1000.
    void Reset();
    // The Play button: opens the file `path` names first when needed, then plays; pauses while
    // playing.
    void Play(const std::function<QString()>& path);
    // The stop routine. Without a selected row the Play and Stop buttons are greyed.
    void Stop(bool anyRowSelected);
    // Play ready to play and Stop active, both enabled.
    void ShowReady();
    // How a seek leaves playback: a click or a drag resumes it; a key keeps it as it was.
    enum class SeekPlay { Resume, KeepState };
    // A seek to the position slider's place.
    void Seek(SeekPlay play = SeekPlay::Resume);
    // The same when the slider stands elsewhere than the transport last put it: a key moved it
    // (a drag's release, where the last seek already went, is no new place).
    void SeekIfMoved(SeekPlay play);
    // Runs after every successful opening (the main window sends its volume).
    void SetAfterOpen(std::function<void()> afterOpen) { m_afterOpen = std::move(afterOpen); }

    bool Playing() const { return m_stateText == "PAUSE"; }
    bool Opened() const { return m_opened; }
    bool Polling() const { return m_positionTimer.isActive() || m_pictureTimer.isActive(); }
    int CurrentTime() const { return m_currentTime; }

signals:
    // The playing position in whole seconds changed (also to 0 at a stop).
    void PositionChanged(int seconds);

private:
    // Puts the position slider's thumb at `position` and remembers that it did.
    void PlaceThumb(int position);
    void SetCurrentTime(int seconds);
    void Open(const QString& path);
    void SetPlayFace(int faceId);
    void OnPositionTick();
    void OnPictureTick();

    Parts m_parts;
    StopMode m_mode;
    QTimer m_positionTimer;  // timer 100
    QTimer m_pictureTimer;   // timer 200
    // Where the transport itself last put the slider's thumb (a seek, the playing position).
    int m_placedPosition = -1;
    QString m_stateText = "PLAY";
    bool m_openOnPlay = true;
    bool m_opened = false;  // a file opened once; never cleared
    int m_currentTime = 0;
    int m_hasPictures = 0;
    int m_width = 0;
    int m_height = 0;
    std::vector<unsigned char> m_buffer;
    std::function<void()> m_afterOpen;
};
