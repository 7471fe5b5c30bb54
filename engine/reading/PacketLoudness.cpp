#include "PacketLoudness.h"

#include <QtGlobal>  // QT_TRANSLATE_NOOP: the window translates these

#include "SoundReader.h"
#include "ThreadName.h"

#include <algorithm>
#include <vector>

namespace tolvane {

namespace {

// Packets queued at most: the measure keeps up with any encoder, so this only bounds memory.
constexpr std::size_t kMostQueuedBytes = 8u << 20;

}  // namespace

PacketLoudness::PacketLoudness(const AVCodecParameters& parameters, AVRational timeBase)
    : m_timeBase(timeBase) {
    const AVCodec* codec = avcodec_find_decoder(parameters.codec_id);
    m_decoder.reset(codec != nullptr ? avcodec_alloc_context3(codec) : nullptr);
    if (!m_decoder || avcodec_parameters_to_context(m_decoder.get(), &parameters) < 0 ||
        avcodec_open2(m_decoder.get(), codec, nullptr) < 0) {
        m_decoder.reset();
        m_facts.failure = QT_TRANSLATE_NOOP("Messages", "the written sound cannot be decoded");
        return;
    }
    m_thread = std::thread(&PacketLoudness::Run, this);
}

PacketLoudness::~PacketLoudness() {
    {
        const std::lock_guard lock(m_mutex);
        m_cancelled = true;
    }
    m_changed.notify_all();
    if (m_thread.joinable()) {
        m_thread.join();
    }
}

void PacketLoudness::Add(const AVPacket& packet) {
    if (!m_decoder) {
        return;
    }
    PacketPtr copy(av_packet_alloc());
    if (!copy || av_packet_ref(copy.get(), &packet) < 0) {
        const std::lock_guard lock(m_mutex);
        m_cancelled = true;  // a packet missed: the measure would be untrue
        m_changed.notify_all();
        return;
    }
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [&] { return m_cancelled || m_queuedBytes < kMostQueuedBytes; });
    if (m_cancelled) {
        return;
    }
    m_queuedBytes += static_cast<std::size_t>(copy->size);
    m_queue.push_back(std::move(copy));
    m_changed.notify_all();
}

LoudnessFacts PacketLoudness::Finish() {
    if (!m_thread.joinable()) {
        return m_facts;
    }
    {
        const std::lock_guard lock(m_mutex);
        m_ended = true;
    }
    m_changed.notify_all();
    m_thread.join();
    return m_facts;
}

void PacketLoudness::Run() {
    NameThisThread("gain");
    LoudnessSum sum;
    FloatSamples floats;
    FramePtr frame(av_frame_alloc());
    bool failed = !frame;
    // As a player hears the file: the encoder's priming left out at the start, its padding at
    // the end (the packets' durations count only the sound). The last frames wait in `held`
    // until it is known whether they are padding.
    constexpr std::int64_t kHeldFrames = 8192;
    const std::int64_t priming = std::max(m_decoder->initial_padding, 0);
    std::int64_t skipping = priming;  // left to the decoder where the packets say what to skip
    bool first = true;
    std::int64_t skipped = 0;
    std::int64_t added = 0;
    std::int64_t durations = 0;  // of the packets, in m_timeBase
    std::vector<float> held;
    int channels = 0;
    int rate = 0;
    const auto addHeld = [&](std::int64_t frames) {
        if (frames <= 0 || failed) {
            return;
        }
        failed = !sum.Add(held.data(), static_cast<int>(frames), channels, rate);
        held.erase(held.begin(), held.begin() + static_cast<std::ptrdiff_t>(frames * channels));
        added += frames;
    };
    const auto drain = [&] {
        while (!failed && avcodec_receive_frame(m_decoder.get(), frame.get()) >= 0) {
            const int got = floats.Convert(*frame);
            const int frameChannels = frame->ch_layout.nb_channels;
            if (got < 0 || frameChannels <= 0) {
                failed = true;
                break;
            }
            if (frameChannels != channels || frame->sample_rate != rate) {
                addHeld(channels > 0 ? static_cast<std::int64_t>(held.size()) / channels : 0);
                channels = frameChannels;
                rate = frame->sample_rate;
            }
            const std::int64_t skip = std::min<std::int64_t>(got, skipping - skipped);
            skipped += std::max<std::int64_t>(skip, 0);
            const float* data = floats.Data() + std::max<std::int64_t>(skip, 0) * channels;
            held.insert(held.end(), data,
                        floats.Data() + static_cast<std::ptrdiff_t>(got) * channels);
            const std::int64_t heldFrames = static_cast<std::int64_t>(held.size()) / channels;
            addHeld(heldFrames - kHeldFrames);
            av_frame_unref(frame.get());
        }
    };
    for (;;) {
        PacketPtr packet;
        {
            std::unique_lock lock(m_mutex);
            m_changed.wait(lock, [&] { return m_cancelled || m_ended || !m_queue.empty(); });
            if (m_cancelled) {
                m_queue.clear();
                m_changed.notify_all();
                m_facts.failure = QT_TRANSLATE_NOOP("Messages", "cancelled");
                return;
            }
            if (m_queue.empty()) {
                break;  // ended, and everything measured
            }
            packet = std::move(m_queue.front());
            m_queue.pop_front();
            m_queuedBytes -= static_cast<std::size_t>(packet->size);
            m_changed.notify_all();
        }
        durations += std::max<std::int64_t>(packet->duration, 0);
        if (first && av_packet_get_side_data(packet.get(), AV_PKT_DATA_SKIP_SAMPLES, nullptr)) {
            skipping = 0;
        }
        first = false;
        // A packet that does not decode adds nothing, as a player would skip it.
        if (!failed && avcodec_send_packet(m_decoder.get(), packet.get()) >= 0) {
            drain();
        }
    }
    if (!failed && avcodec_send_packet(m_decoder.get(), nullptr) >= 0) {
        drain();
    }
    if (channels > 0) {
        std::int64_t rest = static_cast<std::int64_t>(held.size()) / channels;
        if (durations > 0 && rate > 0) {
            const std::int64_t sound =
                av_rescale_q(durations, m_timeBase, AVRational{1, rate}) - priming;
            rest = std::clamp<std::int64_t>(sound - added, 0, rest);
        }
        addHeld(rest);
    }
    m_facts = failed ? LoudnessFacts{} : sum.Facts();
    if (failed) {
        m_facts.failure = QT_TRANSLATE_NOOP("Messages", "the written sound cannot be measured");
    }
}

}  // namespace tolvane
