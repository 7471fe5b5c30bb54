#pragma once

// The player behind the PreviewEngine functions.
//
// Threads: the caller's thread (the windows' user-interface thread) makes every call. A demux
// thread reads and decodes into two queues; SDL's audio thread plays the sound queue and moves
// the clock; a notifier thread watches for the end and calls the end notification. Fields
// under m_mutex are shared; the others belong to the caller's thread.

#include <atomic>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "FFmpegHandles.h"
#include "PreviewEngine.h"

namespace tolvane {

class Player final {
public:
    Player();
    Player(const Player&) = delete;
    Player& operator=(const Player&) = delete;
    ~Player();

    void Initialize(PreviewEngineEndNotification onEnd, PreviewEngineNotification onOther);
    void SetFileName(std::string path) { m_path = std::move(path); }
    int Open();
    int GetMediaType(int* hasPictures, int* hasSound) const;
    int GetFrameSize(int* width, int* height) const;
    int GetFrame(unsigned char* buffer, int width, int height);
    int Start();
    int Pause();
    int Stop();
    int Close();
    int GetPos(float* fraction);
    int SetPos(float fraction);
    int GetDuration(double* seconds) const;
    int SetVolume(int volume);
    int GetVolume(int* volume) const;

private:
    struct Media;
    struct AudioChunk {
        double pts;
        std::vector<std::int16_t> samples;  // interleaved stereo
        std::size_t offset = 0;             // samples already played
    };
    struct VideoFrame {
        double pts;
        FramePtr frame;
    };
    // What the notifier thread shares; outlives a session if the notifier is still in the
    // end notification when the session is stopped.
    struct NotifyState {
        std::mutex mutex;
        std::condition_variable wake;
        bool quit = false;
        bool notifying = false;
        bool returned = false;  // the end notification's handler has returned
    };

    void RunDemux();
    void RunNotifier(std::shared_ptr<NotifyState> state, PreviewEngineEndNotification onEnd);
    static void AudioCallback(void* self, std::uint8_t* stream, int length);
    void FillAudio(std::int16_t* out, int samples);
    bool OpenAudioDevice();
    void CloseAudioDevice();
    void SeekMedia(double seconds);
    void PushAudio(const AVFrame& frame);
    void PushVideo(const AVFrame& frame);
    void DrainDecoder(AVCodecContext* decoder, bool audio);
    double ClockLocked() const;
    bool EndedLocked() const;
    void EndSession();
    // Joins the finished notifiers whose handler has returned; with `detachOthers`, lets the
    // rest go (the player is going away; they touch only their own state).
    void JoinFinishedNotifiers(bool detachOthers);

    PreviewEngineEndNotification m_onEnd = nullptr;
    std::string m_path;
    std::unique_ptr<Media> m_media;
    bool m_running = false;  // a session (demux thread, audio device) exists
    std::thread m_demux;
    std::thread m_notifier;
    std::shared_ptr<NotifyState> m_notify;
    // Notifiers stopped while in the end notification, joined once their handler has returned.
    struct FinishedNotifier {
        std::thread thread;
        std::shared_ptr<NotifyState> state;
    };
    std::vector<FinishedNotifier> m_finishedNotifiers;
    std::uint32_t m_device = 0;  // SDL audio device, 0: none
    int m_deviceRate = 0;
    bool m_audioSubsystem = false;
    SwsPtr m_pictureScaler;               // caller's thread
    std::vector<std::uint8_t> m_picture;  // caller's thread: top-down BGR of the shown frame
    std::atomic<int> m_volume{65535};

    // ---- Shared, under m_mutex ----
    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_quit = false;
    bool m_paused = true;
    bool m_eof = false;
    bool m_soundEnded = false;  // the device has played the last sound: the wall clock runs
    double m_seekTo = -1.0;     // a seek the demux thread still has to make
    std::deque<AudioChunk> m_audio;
    std::size_t m_audioQueued = 0;  // samples per channel in m_audio
    std::deque<VideoFrame> m_video;
    FramePtr m_shown;
    double m_lastVideoPts = -1.0;
    double m_audioClock = 0.0;  // pts of the next sample the device takes
    double m_wallBase = 0.0;    // wall clock: seconds at the last resume
    std::chrono::steady_clock::time_point m_wallStart{};
};

}  // namespace tolvane
