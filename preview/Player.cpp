#include "Player.h"
#include "ThreadName.h"

#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <cstring>

extern "C" {
#include <libavutil/channel_layout.h>
#include <libavutil/imgutils.h>
#include <libavutil/opt.h>
}

namespace tolvane {

namespace {

using Clock = std::chrono::steady_clock;

constexpr std::size_t kMaxQueuedAudio = 48000 / 2;  // samples per channel: half a second
constexpr std::size_t kLowAudio = 48000 / 20;       // below this the sound is starving
constexpr std::size_t kMaxQueuedFrames = 12;
constexpr auto kNotifierPoll = std::chrono::milliseconds(20);

double Seconds(std::int64_t pts, AVRational timeBase) {
    return pts == AV_NOPTS_VALUE ? 0.0 : static_cast<double>(pts) * av_q2d(timeBase);
}

}  // namespace

struct Player::Media {
    SourceMedia source;
    SwrPtr resampler;
    FramePtr frame;
    PacketPtr packet;
    double duration = 0.0;
    double startTime = 0.0;
    int width = 0;
    int height = 0;
    double frameDuration = 0.04;
};

Player::Player() = default;

Player::~Player() {
    Close();
    JoinFinishedNotifiers(true);
}

void Player::Initialize(PreviewEngineEndNotification onEnd, PreviewEngineNotification) {
    m_onEnd = onEnd;
}

int Player::Open() {
    Close();
    auto media = std::make_unique<Media>();
    if (m_path.empty() || OpenSourceFile(m_path, media->source) < 0) {
        return -1;
    }
    PickLastStreams(media->source);
    const AVFormatContext* input = media->source.input.get();
    SourceMedia& s = media->source;
    if (s.videoIndex >= 0 &&
        OpenStreamDecoder(m_path, input, s.videoIndex, s.videoDecoder, 0) < 0) {
        s.videoIndex = -1;  // plays without pictures
    }
    if (s.audioIndex >= 0 &&
        OpenStreamDecoder(m_path, input, s.audioIndex, s.audioDecoder, 1) < 0) {
        s.audioIndex = -1;  // plays without sound
    }
    if (s.videoIndex < 0 && s.audioIndex < 0) {
        return -1;
    }
    for (unsigned i = 0; i < input->nb_streams; ++i) {
        const int index = static_cast<int>(i);
        input->streams[i]->discard =
            (index == s.videoIndex || index == s.audioIndex) ? AVDISCARD_DEFAULT : AVDISCARD_ALL;
    }
    if (s.videoIndex >= 0) {
        media->width = s.videoDecoder->width;
        media->height = s.videoDecoder->height;
        const AVRational rate = input->streams[s.videoIndex]->avg_frame_rate;
        if (rate.num > 0 && rate.den > 0) {
            media->frameDuration = av_q2d(av_inv_q(rate));
        }
    }
    media->duration =
        input->duration > 0 ? static_cast<double>(input->duration) / AV_TIME_BASE : 0.0;
    media->startTime = input->start_time != AV_NOPTS_VALUE
                           ? static_cast<double>(input->start_time) / AV_TIME_BASE
                           : 0.0;
    media->frame.reset(av_frame_alloc());
    media->packet.reset(av_packet_alloc());
    if (!media->frame || !media->packet) {
        return -1;
    }
    m_media = std::move(media);
    std::lock_guard lock(m_mutex);
    m_seekTo = -1.0;
    m_audioClock = 0.0;
    m_wallBase = 0.0;
    m_paused = true;
    return 0;
}

int Player::GetMediaType(int* hasPictures, int* hasSound) const {
    if (hasPictures != nullptr) {
        *hasPictures = m_media && m_media->source.videoIndex >= 0 ? 1 : 0;
    }
    if (hasSound != nullptr) {
        *hasSound = m_media && m_media->source.audioIndex >= 0 ? 1 : 0;
    }
    return m_media ? 0 : -1;
}

int Player::GetFrameSize(int* width, int* height) const {
    if (!m_media || width == nullptr || height == nullptr) {
        return -1;
    }
    *width = m_media->width;
    *height = m_media->height;
    return 0;
}

int Player::GetDuration(double* seconds) const {
    if (seconds == nullptr) {
        return -1;
    }
    *seconds = m_media ? m_media->duration : 0.0;
    return m_media ? 0 : -1;
}

int Player::SetVolume(int volume) {
    m_volume = std::clamp(volume, 0, 65535);
    return 0;
}

int Player::GetVolume(int* volume) const {
    if (volume == nullptr) {
        return -1;
    }
    *volume = m_volume;
    return 0;
}

// ---- Clock and position ----

double Player::ClockLocked() const {
    // The sound moves the clock while it plays; after its end (or without it) the wall clock.
    if (m_device != 0 && !m_soundEnded) {
        return m_audioClock;
    }
    if (m_paused) {
        return m_wallBase;
    }
    return m_wallBase + std::chrono::duration<double>(Clock::now() - m_wallStart).count();
}

int Player::GetPos(float* fraction) {
    if (fraction == nullptr) {
        return -1;
    }
    std::lock_guard lock(m_mutex);
    const double duration = m_media ? m_media->duration : 0.0;
    const double clock = m_seekTo >= 0 ? m_seekTo : ClockLocked();
    *fraction = duration > 0 ? static_cast<float>(std::clamp(clock / duration, 0.0, 1.0)) : 0.0f;
    return 0;
}

int Player::SetPos(float fraction) {
    if (!m_media) {
        return -1;
    }
    const double target = std::clamp(static_cast<double>(fraction), 0.0, 1.0) * m_media->duration;
    std::lock_guard lock(m_mutex);
    m_seekTo = target;
    m_audio.clear();
    m_audioQueued = 0;
    m_video.clear();
    m_eof = false;
    m_soundEnded = false;
    m_audioClock = target;
    m_wallBase = target;
    m_wallStart = Clock::now();
    m_wake.notify_all();
    return 0;
}

// ---- Playback ----

int Player::Start() {
    if (!m_media) {
        return -1;
    }
    if (!m_running) {
        JoinFinishedNotifiers(false);
        {
            std::lock_guard lock(m_mutex);
            m_quit = false;
            m_eof = false;
            m_soundEnded = false;
        }
        if (m_media->source.audioIndex >= 0) {
            OpenAudioDevice();
        }
        m_demux = std::thread(&Player::RunDemux, this);
        m_notify = std::make_shared<NotifyState>();
        m_notifier = std::thread(&Player::RunNotifier, this, m_notify, m_onEnd);
        m_running = true;
    }
    {
        std::lock_guard lock(m_mutex);
        if (m_paused) {
            m_paused = false;
            m_wallStart = Clock::now();
        }
    }
    if (m_device != 0) {
        SDL_PauseAudioDevice(m_device, 0);
    }
    m_wake.notify_all();
    return 0;
}

int Player::Pause() {
    if (!m_media) {
        return -1;
    }
    if (m_device != 0) {
        SDL_PauseAudioDevice(m_device, 1);
    }
    std::lock_guard lock(m_mutex);
    if (!m_paused) {
        m_wallBase = ClockLocked();
        m_paused = true;
    }
    return 0;
}

int Player::Stop() {
    EndSession();
    if (m_media) {
        std::lock_guard lock(m_mutex);
        m_seekTo = 0.0;  // the next start plays from the beginning
        m_audioClock = 0.0;
        m_wallBase = 0.0;
    }
    return 0;
}

int Player::Close() {
    EndSession();
    m_media.reset();
    m_pictureScaler.reset();
    m_picture.clear();
    if (m_audioSubsystem) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        m_audioSubsystem = false;
    }
    return 0;
}

void Player::EndSession() {
    if (!m_running) {
        return;
    }
    {
        std::lock_guard lock(m_mutex);
        m_quit = true;
        m_paused = true;
    }
    m_wake.notify_all();
    CloseAudioDevice();
    if (m_demux.joinable()) {
        m_demux.join();
    }
    bool inNotification = false;
    {
        std::lock_guard lock(m_notify->mutex);
        m_notify->quit = true;
        inNotification = m_notify->notifying;
    }
    m_notify->wake.notify_all();
    if (inNotification) {
        // Called from the end notification's handler: the notifier returns once the handler
        // does; it is joined later.
        m_finishedNotifiers.push_back({std::move(m_notifier), m_notify});
    } else if (m_notifier.joinable()) {
        m_notifier.join();
    }
    m_notify.reset();
    std::lock_guard lock(m_mutex);
    m_audio.clear();
    m_audioQueued = 0;
    m_video.clear();
    m_shown.reset();
    m_eof = false;
    m_soundEnded = false;
    m_lastVideoPts = -1.0;
    m_running = false;
}

void Player::JoinFinishedNotifiers(bool detachOthers) {
    // A handler may still wait for the thread that calls this (a Start while the window has
    // not yet taken the end notification): such a notifier is left for a later call.
    std::vector<FinishedNotifier> waiting;
    for (FinishedNotifier& n : m_finishedNotifiers) {
        bool returned = false;
        {
            std::lock_guard lock(n.state->mutex);
            returned = n.state->returned;
        }
        if (returned) {
            n.thread.join();
        } else if (detachOthers) {
            n.thread.detach();
        } else {
            waiting.push_back(std::move(n));
        }
    }
    m_finishedNotifiers = std::move(waiting);
}

// ---- Sound ----

bool Player::OpenAudioDevice() {
    if (!m_audioSubsystem) {
        // SIGINT and SIGTERM stay the program's own.
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
            return false;  // no sound: pictures follow the wall clock
        }
        m_audioSubsystem = true;
    }
    const AVCodecContext* decoder = m_media->source.audioDecoder.get();
    SDL_AudioSpec wanted{};
    wanted.freq = decoder->sample_rate > 0 ? decoder->sample_rate : 48000;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = 2;
    wanted.samples = 1024;
    wanted.callback = &Player::AudioCallback;
    wanted.userdata = this;
    SDL_AudioSpec obtained{};
    const SDL_AudioDeviceID device =
        SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, SDL_AUDIO_ALLOW_FREQUENCY_CHANGE);
    if (device == 0) {
        return false;
    }
    AVChannelLayout stereo{};
    av_channel_layout_default(&stereo, 2);
    AVChannelLayout source{};
    if (decoder->ch_layout.order == AV_CHANNEL_ORDER_UNSPEC) {
        av_channel_layout_default(&source, std::max(decoder->ch_layout.nb_channels, 1));
    } else {
        av_channel_layout_copy(&source, &decoder->ch_layout);
    }
    SwrContext* raw = nullptr;
    int ret = swr_alloc_set_opts2(&raw, &stereo, AV_SAMPLE_FMT_S16, obtained.freq, &source,
                                  decoder->sample_fmt, decoder->sample_rate, 0, nullptr);
    m_media->resampler.reset(raw);
    av_channel_layout_uninit(&source);
    if (ret >= 0) {
        ret = swr_init(raw);
    }
    if (ret < 0) {
        SDL_CloseAudioDevice(device);
        m_media->resampler.reset();
        return false;
    }
    std::lock_guard lock(m_mutex);
    m_device = device;
    m_deviceRate = obtained.freq;
    return true;
}

void Player::CloseAudioDevice() {
    SDL_AudioDeviceID device = 0;
    {
        std::lock_guard lock(m_mutex);
        device = m_device;
    }
    if (device != 0) {
        SDL_CloseAudioDevice(device);  // waits for the callback to return
        std::lock_guard lock(m_mutex);
        m_wallBase = m_audioClock;  // the position stays where the sound was
        m_device = 0;
    }
}

void Player::AudioCallback(void* self, std::uint8_t* stream, int length) {
    static_cast<Player*>(self)->FillAudio(reinterpret_cast<std::int16_t*>(stream),
                                          length / static_cast<int>(sizeof(std::int16_t)));
}

void Player::FillAudio(std::int16_t* out, int samples) {
    const int volume = m_volume;
    std::lock_guard lock(m_mutex);
    int written = 0;
    while (written < samples && !m_audio.empty()) {
        AudioChunk& chunk = m_audio.front();
        const std::size_t take = std::min<std::size_t>(chunk.samples.size() - chunk.offset,
                                                       static_cast<std::size_t>(samples - written));
        for (std::size_t i = 0; i < take; ++i) {
            out[written + static_cast<int>(i)] =
                static_cast<std::int16_t>(chunk.samples[chunk.offset + i] * volume / 65535);
        }
        chunk.offset += take;
        written += static_cast<int>(take);
        m_audioQueued -= take / 2;
        m_audioClock = chunk.pts + static_cast<double>(chunk.offset / 2) / m_deviceRate;
        if (chunk.offset >= chunk.samples.size()) {
            m_audio.pop_front();
        }
    }
    std::fill(out + written, out + samples, std::int16_t{0});
    if (m_eof && m_audio.empty() && !m_soundEnded) {
        // The sound is over; pictures that outlast it go on at the wall clock from here.
        m_soundEnded = true;
        m_wallBase = m_audioClock;
        m_wallStart = Clock::now();
    }
    m_wake.notify_all();
}

// ---- Demux and decode ----

void Player::SeekMedia(double seconds) {
    AVFormatContext* input = m_media->source.input.get();
    const auto target = static_cast<std::int64_t>((seconds + m_media->startTime) * AV_TIME_BASE);
    av_seek_frame(input, -1, target, AVSEEK_FLAG_BACKWARD);
    for (AVCodecContext* decoder :
         {m_media->source.audioDecoder.get(), m_media->source.videoDecoder.get()}) {
        if (decoder != nullptr) {
            avcodec_flush_buffers(decoder);
        }
    }
}

void Player::PushAudio(const AVFrame& frame) {
    SwrContext* resampler = m_media->resampler.get();
    if (resampler == nullptr) {
        return;  // no device: the sound is not played
    }
    const double pts =
        Seconds(frame.best_effort_timestamp,
                m_media->source.input->streams[m_media->source.audioIndex]->time_base) -
        m_media->startTime;
    const int capacity = swr_get_out_samples(resampler, frame.nb_samples);
    AudioChunk chunk{
        pts, std::vector<std::int16_t>(static_cast<std::size_t>(std::max(capacity, 0)) * 2), 0};
    std::uint8_t* out[1] = {reinterpret_cast<std::uint8_t*>(chunk.samples.data())};
    const int converted =
        swr_convert(resampler, out, capacity, const_cast<const std::uint8_t**>(frame.extended_data),
                    frame.nb_samples);
    if (converted <= 0) {
        return;
    }
    chunk.samples.resize(static_cast<std::size_t>(converted) * 2);
    std::unique_lock lock(m_mutex);
    if (m_seekTo >= 0) {
        return;
    }
    // A chunk that ends before the position (after a seek) is not played.
    if (pts + static_cast<double>(converted) / m_deviceRate < m_audioClock - 0.05) {
        return;
    }
    m_wake.wait(lock,
                [this] { return m_quit || m_seekTo >= 0 || m_audioQueued < kMaxQueuedAudio; });
    if (m_quit || m_seekTo >= 0) {
        return;
    }
    m_audioQueued += static_cast<std::size_t>(converted);
    m_audio.push_back(std::move(chunk));
}

void Player::PushVideo(const AVFrame& frame) {
    const double pts =
        Seconds(frame.best_effort_timestamp,
                m_media->source.input->streams[m_media->source.videoIndex]->time_base) -
        m_media->startTime;
    FramePtr copy(av_frame_clone(&frame));
    if (!copy) {
        return;
    }
    std::unique_lock lock(m_mutex);
    for (;;) {
        if (m_quit || m_seekTo >= 0) {
            return;
        }
        if (m_video.size() < kMaxQueuedFrames) {
            break;
        }
        const double clock = ClockLocked();
        if (m_video.front().pts <= clock) {
            m_shown = std::move(m_video.front().frame);  // stale: becomes the shown picture
            m_video.pop_front();
            continue;
        }
        if (m_device != 0 && !m_paused && m_audioQueued < kLowAudio) {
            m_video.pop_front();  // the sound is starving: drop a picture rather than wait
            continue;
        }
        m_wake.wait_for(lock, std::chrono::milliseconds(10));
    }
    m_lastVideoPts = std::max(m_lastVideoPts, pts);
    m_video.push_back({pts, std::move(copy)});
}

void Player::DrainDecoder(AVCodecContext* decoder, bool audio) {
    AVFrame* frame = m_media->frame.get();
    while (avcodec_receive_frame(decoder, frame) >= 0) {
        if (audio) {
            PushAudio(*frame);
        } else {
            PushVideo(*frame);
        }
        av_frame_unref(frame);
    }
}

void Player::RunDemux() {
    tolvane::NameThisThread("demux");
    SourceMedia& source = m_media->source;
    AVPacket* packet = m_media->packet.get();
    for (;;) {
        double seekTo = -1.0;
        {
            std::unique_lock lock(m_mutex);
            m_wake.wait(lock, [this] { return m_quit || m_seekTo >= 0 || !m_eof; });
            if (m_quit) {
                return;
            }
            seekTo = m_seekTo;
        }
        if (seekTo >= 0) {
            SeekMedia(seekTo);
            std::lock_guard lock(m_mutex);
            if (m_seekTo == seekTo) {
                m_seekTo = -1.0;
            }
            m_eof = false;
            m_lastVideoPts = -1.0;
            continue;
        }
        const int ret = av_read_frame(source.input.get(), packet);
        if (ret < 0) {
            // End of the file: what the decoders still hold, then wait for a seek or the end.
            for (AVCodecContext* decoder : {source.audioDecoder.get(), source.videoDecoder.get()}) {
                if (decoder != nullptr && avcodec_send_packet(decoder, nullptr) >= 0) {
                    DrainDecoder(decoder, decoder == source.audioDecoder.get());
                }
            }
            std::lock_guard lock(m_mutex);
            if (m_seekTo < 0) {
                m_eof = true;
            }
            m_wake.notify_all();
            continue;
        }
        if (packet->stream_index == source.audioIndex) {
            if (avcodec_send_packet(source.audioDecoder.get(), packet) >= 0) {
                DrainDecoder(source.audioDecoder.get(), true);
            }
        } else if (packet->stream_index == source.videoIndex) {
            if (avcodec_send_packet(source.videoDecoder.get(), packet) >= 0) {
                DrainDecoder(source.videoDecoder.get(), false);
            }
        }
        av_packet_unref(packet);
    }
}

bool Player::EndedLocked() const {
    if (!m_eof || m_paused || m_seekTo >= 0) {
        return false;
    }
    if (m_device != 0 && !m_audio.empty()) {
        return false;
    }
    if (m_lastVideoPts >= 0 && ClockLocked() < m_lastVideoPts + m_media->frameDuration) {
        return false;
    }
    // Sound that no device plays still takes its time.
    if (m_device == 0 && m_media->source.audioIndex >= 0 && ClockLocked() < m_media->duration) {
        return false;
    }
    return true;
}

void Player::RunNotifier(std::shared_ptr<NotifyState> state, PreviewEngineEndNotification onEnd) {
    tolvane::NameThisThread("notify");
    for (;;) {
        {
            std::unique_lock lock(state->mutex);
            state->wake.wait_for(lock, kNotifierPoll, [&] { return state->quit; });
            if (state->quit) {
                return;
            }
        }
        bool ended = false;
        {
            std::lock_guard lock(m_mutex);
            ended = EndedLocked();
        }
        if (!ended) {
            continue;
        }
        {
            // Decided under the state's lock, so that a stop either sees the notification under
            // way or stops the notifier before it starts.
            std::lock_guard lock(state->mutex);
            if (state->quit) {
                return;
            }
            state->notifying = true;
        }
        if (onEnd != nullptr) {
            onEnd();
        }
        {
            std::lock_guard lock(state->mutex);
            state->returned = true;
        }
        // Once: the session ends, by the handler's stop or by the next one.
        return;
    }
}

// ---- Pictures ----

int Player::GetFrame(unsigned char* buffer, int width, int height) {
    if (!m_media || buffer == nullptr || width != m_media->width || height != m_media->height ||
        width <= 0 || height <= 0) {
        return -1;
    }
    FramePtr shown;
    {
        std::lock_guard lock(m_mutex);
        const double clock = ClockLocked();
        while (!m_video.empty() && m_video.front().pts <= clock) {
            m_shown = std::move(m_video.front().frame);
            m_video.pop_front();
        }
        if (!m_shown && !m_video.empty() && m_paused) {
            m_shown = std::move(m_video.front().frame);  // the first picture after a seek
            m_video.pop_front();
        }
        if (m_shown) {
            shown.reset(av_frame_clone(m_shown.get()));
        }
        m_wake.notify_all();
    }
    if (!shown) {
        return -1;
    }
    const int stride = width * 3;
    m_pictureScaler.reset(
        sws_getCachedContext(m_pictureScaler.release(), shown->width, shown->height,
                             static_cast<AVPixelFormat>(shown->format), width, height,
                             AV_PIX_FMT_BGR24, SWS_BILINEAR, nullptr, nullptr, nullptr));
    if (!m_pictureScaler) {
        return -1;
    }
    m_picture.resize(static_cast<std::size_t>(stride) * static_cast<std::size_t>(height));
    std::uint8_t* planes[4] = {m_picture.data(), nullptr, nullptr, nullptr};
    int strides[4] = {stride, 0, 0, 0};
    if (sws_scale(m_pictureScaler.get(), shown->data, shown->linesize, 0, shown->height, planes,
                  strides) <= 0) {
        return -1;
    }
    // Bottom row first.
    for (int row = 0; row < height; ++row) {
        std::memcpy(buffer + static_cast<std::ptrdiff_t>(row) * stride,
                    m_picture.data() + static_cast<std::ptrdiff_t>(height - 1 - row) * stride,
                    static_cast<std::size_t>(stride));
    }
    return 0;
}

}  // namespace tolvane
