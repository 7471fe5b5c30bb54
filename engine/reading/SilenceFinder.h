#pragma once

// The levels of a recording's sound in windows of 10 ms, the sound alone read once (no picture
// is decoded), on the spare cores for a long one: what the pauses are found in (Silences.h).

#include <atomic>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "Silences.h"

namespace tolvane {

struct LevelsRead final {
    SoundLevels levels;
    bool read = false;
    std::string failure;  // when not read: why ("stopped" after a stop)
};

// Where to read: sound track `soundTrack` (from 1; 0 the last) of `path`, from `start` seconds
// for `length` (`toEnd`: to the end of the sound; `spanLength` about how long that is, which
// places the parts).
struct LevelsSpan final {
    std::string path;
    int soundTrack = 0;
    double start = 0.0;
    double length = 0.0;
    bool toEnd = true;
    double spanLength = 0.0;
};

// Reads the span's levels on up to `threads` threads (parts of at least half a minute, each
// read from a second early so that its decoder has settled). `done` (when given) counts the
// windows read so far, of about spanLength / 0.01; `stop` ends it early.
LevelsRead ReadSoundLevels(const LevelsSpan& span, int threads,
                           const std::atomic<bool>* stop = nullptr,
                           std::atomic<std::int64_t>* done = nullptr);

// ReadSoundLevels on a thread of its own, for a window: its progress and its result are read
// while it goes; destroying it stops the reading and waits for it.
class SilenceFinder final {
public:
    SilenceFinder(LevelsSpan span, int threads);
    ~SilenceFinder();
    SilenceFinder(const SilenceFinder&) = delete;
    SilenceFinder& operator=(const SilenceFinder&) = delete;

    // 0 to 1.
    double Progress() const;
    bool Done() const { return m_done.load(std::memory_order_acquire); }
    // Once done: what was read.
    const LevelsRead& Result() const { return m_result; }

private:
    const LevelsSpan m_span;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_done{false};
    std::atomic<std::int64_t> m_windows{0};
    LevelsRead m_result;   // written by the reader before m_done, read after it
    std::thread m_reader;  // last: starts once the rest is made
};

}  // namespace tolvane
