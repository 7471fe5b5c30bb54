#pragma once

// The loudness of an encoded stream measured while it is written: each packet handed to the
// file is handed here too, and a thread of its own decodes and measures it (integrated loudness
// by BS.1770 and the sample peak), on a core the encoder leaves free. So a file's loudness is
// known the moment its last packet is written, without reading the file again.

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

#include "FFmpegHandles.h"
#include "Loudness.h"

namespace tolvane {

class PacketLoudness final {
public:
    // Decodes packets of a stream with `parameters` whose timestamps and durations count in
    // `timeBase`. A stop of the run does not end it: a file stopped midway keeps what was written,
    // and its loudness is known as soon as the last packet in the queue is measured.
    PacketLoudness(const AVCodecParameters& parameters, AVRational timeBase);
    PacketLoudness(const PacketLoudness&) = delete;
    PacketLoudness& operator=(const PacketLoudness&) = delete;
    // Cancels a measure not finished and joins its thread.
    ~PacketLoudness();

    // Queues a new reference to `packet` (waits while the queue is full). Owned by the writing
    // thread, as Finish.
    void Add(const AVPacket& packet);
    // Waits for every queued packet to be measured and returns the facts (not measured: the
    // stream could not be decoded).
    LoudnessFacts Finish();

private:
    void Run();

    CodecContextPtr m_decoder;  // the measuring thread's
    const AVRational m_timeBase;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<PacketPtr> m_queue;  // guarded by m_mutex
    std::size_t m_queuedBytes = 0;  // guarded by m_mutex
    bool m_ended = false;           // guarded by m_mutex: no packet comes any more
    bool m_cancelled = false;       // guarded by m_mutex
    LoudnessFacts m_facts;          // the measuring thread's until it is joined
    std::thread m_thread;
};

}  // namespace tolvane
