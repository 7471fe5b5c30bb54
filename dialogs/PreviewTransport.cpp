#include "PreviewTransport.h"

#include <cmath>
#include <mutex>

#include "CBitmapSlider.h"
#include "CControlButton.h"
#include "PictureFrame.h"
#include "PreviewEngine.h"

namespace {

constexpr int kPositionTimerMs = 100;
constexpr int kPictureTimerMs = 67;
constexpr int kPlayReady = PreviewTransport::kPlayReadyFace;
constexpr int kPlayPlaying = PreviewTransport::kPlayPlayingFace;
constexpr int kPlayGreyed = PreviewTransport::kPlayGreyedFace;
constexpr int kStopActive = PreviewTransport::kStopActiveFace;
constexpr int kStopGreyed = PreviewTransport::kStopGreyedFace;

// Where the player's end notification goes: the window that took the player last. Written on
// the user-interface thread, read on the player's notifier thread, both under the lock; a
// window leaves the route before it is destroyed.
struct EndRoute {
    std::mutex mutex;
    QObject* window = nullptr;
};

EndRoute& TheEndRoute() {
    static EndRoute route;
    return route;
}

// The player's end notification, on its notifier thread: posted to the window, never waited
// for (the window's thread may be taking the route's lock).
void RouteEndNotification() {
    EndRoute& route = TheEndRoute();
    std::lock_guard lock(route.mutex);
    if (route.window != nullptr) {
        QMetaObject::invokeMethod(route.window, "OnPreviewEnded", Qt::QueuedConnection);
    }
}

void IgnoreNotification(int) {}

}  // namespace

PreviewTransport::PreviewTransport(const Parts& parts, StopMode mode, QObject* window)
    : QObject(window), m_parts(parts), m_mode(mode) {
    connect(&m_positionTimer, &QTimer::timeout, this, &PreviewTransport::OnPositionTick);
    connect(&m_pictureTimer, &QTimer::timeout, this, &PreviewTransport::OnPictureTick);
}

PreviewTransport::~PreviewTransport() {
    EndRoute& route = TheEndRoute();
    std::lock_guard lock(route.mutex);
    if (route.window == parent()) {
        route.window = nullptr;
    }
}

void PreviewTransport::TakePlayer() {
    {
        EndRoute& route = TheEndRoute();
        std::lock_guard lock(route.mutex);
        route.window = parent();
    }
    PreviewEngine_Initialize(&RouteEndNotification, &IgnoreNotification);
    Reset();
}

bool PreviewTransport::OwnsPlayer() const {
    EndRoute& route = TheEndRoute();
    std::lock_guard lock(route.mutex);
    return route.window == parent();
}

void PreviewTransport::Reset() {
    m_hasPictures = 0;
    m_buffer.clear();
    m_parts.position->SetRange(0, 1000);
    PlaceThumb(0);
    SetCurrentTime(0);
    m_openOnPlay = true;
    m_stateText = "PLAY";
}

void PreviewTransport::SetPlayFace(int faceId) {
    // Given its face, enabled and repainted; never disabled on the way, which would take the
    // keyboard's focus away from it.
    CControlButton* play = m_parts.play;
    play->SetBitmaps(faceId, faceId, faceId, faceId);
    play->setEnabled(true);
    play->setToolTip(faceId == kPlayPlaying ? tr("Pause") : tr("Play"));
    // A screen reader names the button as its face shows it.
    play->setAccessibleName(play->toolTip());
    play->update();
}

void PreviewTransport::ShowReady() {
    SetPlayFace(kPlayReady);
    m_parts.stop->SetBitmaps(kStopActive, kStopActive, kStopActive, kStopActive);
    m_parts.stop->setEnabled(true);
    m_parts.stop->update();
}

void PreviewTransport::Play(const std::function<QString()>& path) {
    if (m_stateText == "PLAY") {
        if (m_openOnPlay) {
            Open(path());
        }
        if (!m_opened) {
            return;
        }
        m_positionTimer.start(kPositionTimerMs);
        m_pictureTimer.start(kPictureTimerMs);
        PreviewEngine_Start();
        m_parts.position->setEnabled(true);
        m_stateText = "PAUSE";
        SetPlayFace(kPlayPlaying);
    } else {
        m_openOnPlay = false;
        if (!m_opened) {
            return;
        }
        m_positionTimer.start(kPositionTimerMs);
        m_pictureTimer.start(kPictureTimerMs);
        PreviewEngine_Pause();
        m_stateText = "PLAY";
        SetPlayFace(kPlayReady);
    }
}

void PreviewTransport::Open(const QString& path) {
    if (path.isEmpty()) {
        return;
    }
    Stop(true);
    const std::wstring wide = path.toStdWString();
    PreviewEngine_SetFileName(wide.c_str());
    m_positionTimer.start(kPositionTimerMs);
    m_pictureTimer.start(kPictureTimerMs);
    if (PreviewEngine_Open() == -1) {
        return;  // no message; the timers find nothing to show
    }
    int unused = 0;
    PreviewEngine_GetMediaType(&m_hasPictures, &unused);
    m_buffer.clear();
    if (m_hasPictures != 0) {
        PreviewEngine_GetFrameSize(&m_width, &m_height);
        m_buffer.resize(static_cast<std::size_t>(std::max(m_width, 0)) *
                        static_cast<std::size_t>(std::max(m_height, 0)) * 3);
    }
    m_opened = true;
    if (m_afterOpen) {
        m_afterOpen();
    }
}

void PreviewTransport::Stop(bool anyRowSelected) {
    if (m_mode == StopMode::StopAndClose) {
        m_openOnPlay = true;
    }
    // Also after an opening that failed: nothing is left polling.
    m_positionTimer.stop();
    m_pictureTimer.stop();
    if (!m_opened) {
        return;
    }
    PreviewEngine_Stop();
    if (m_mode == StopMode::StopAndClose) {
        PreviewEngine_Close();
    }
    m_parts.position->setEnabled(false);
    m_stateText = "PLAY";
    SetPlayFace(kPlayReady);
    PlaceThumb(0);
    // The position is where the slider shows it: a begin set after a stop is the start.
    SetCurrentTime(0);
    m_parts.frame->ClearPicture();
    if (!anyRowSelected) {
        m_parts.play->SetBitmaps(kPlayGreyed, kPlayGreyed, kPlayGreyed, kPlayGreyed);
        m_parts.play->setEnabled(false);
        m_parts.stop->SetBitmaps(kStopGreyed, kStopGreyed, kStopGreyed, kStopGreyed);
        m_parts.stop->setEnabled(false);
    }
}

void PreviewTransport::Seek(SeekPlay play) {
    if (!m_opened) {
        return;
    }
    // A seek with the mouse resumes playback, paused or not, and the button follows the
    // player; one with the keys keeps playing or paused as it was.
    const bool paused = m_stateText == "PLAY";
    PreviewEngine_Pause();
    m_placedPosition = m_parts.position->GetPos();
    const float fraction = static_cast<float>(m_placedPosition) / 1000.0f;
    PreviewEngine_SetPos(fraction);
    double duration = 0.0;
    PreviewEngine_GetDuration(&duration);
    SetCurrentTime(static_cast<int>(std::trunc(fraction * duration)));
    if (play == SeekPlay::KeepState && paused) {
        return;
    }
    PreviewEngine_Start();
    m_positionTimer.start(kPositionTimerMs);
    m_pictureTimer.start(kPictureTimerMs);
    m_stateText = "PAUSE";
    SetPlayFace(kPlayPlaying);
}

void PreviewTransport::SeekIfMoved(SeekPlay play) {
    if (m_parts.position->GetPos() != m_placedPosition) {
        Seek(play);
    }
}

void PreviewTransport::PlaceThumb(int position) {
    m_parts.position->SetPos(position);
    m_placedPosition = m_parts.position->GetPos();
}

void PreviewTransport::OnPositionTick() {
    float fraction = 0.0f;
    PreviewEngine_GetPos(&fraction);
    double duration = 0.0;
    PreviewEngine_GetDuration(&duration);
    SetCurrentTime(static_cast<int>(std::trunc(fraction * duration)));
    const int value = static_cast<int>(std::trunc(fraction * 1000.0f));
    if (value != m_parts.position->GetPos()) {
        PlaceThumb(value);
    }
}

void PreviewTransport::SetCurrentTime(int seconds) {
    if (seconds != m_currentTime) {
        m_currentTime = seconds;
        emit PositionChanged(seconds);
    }
}

void PreviewTransport::OnPictureTick() {
    if (m_hasPictures == 0 || m_buffer.empty()) {
        return;
    }
    if (PreviewEngine_GetFrame(m_buffer.data(), m_width, m_height) == 0) {
        m_parts.frame->SetPicture(m_buffer.data(), m_width, m_height);
    }
}
