#pragma once

// The loudness of a whole file's sound at a glance: the peak of each of a number of columns of
// its length, computed on a thread of its own from the sound alone (no picture is decoded) and
// readable while it grows. A long recording is sampled: each column's first seconds stand for
// it, so that two hours take a few seconds.

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "SplitParts.h"

namespace tolvane {

class SoundEnvelope final {
public:
    // Starts reading `path` into `columns` columns.
    SoundEnvelope(const std::string& path, int columns);
    // Stops the reading and waits for it.
    ~SoundEnvelope();
    SoundEnvelope(const SoundEnvelope&) = delete;
    SoundEnvelope& operator=(const SoundEnvelope&) = delete;

    // The peaks so far, 0 to 1 (a column not read yet is negative).
    std::vector<float> Peaks() const;
    // Whether the reading has ended (all columns read, or the file could not be read).
    bool Done() const { return m_done.load(std::memory_order_acquire); }
    // Known once the file is open: its length in seconds and its chapters.
    double Seconds() const { return m_seconds.load(std::memory_order_acquire); }
    std::vector<ChapterMark> Chapters() const;

private:
    void Read(const std::string& path);
    void NoteSamples(const float* samples, int frames, int channels, double start,
                     double perSample);

    const int m_columns;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_done{false};
    std::atomic<double> m_seconds{0.0};
    mutable std::mutex m_mutex;
    std::vector<float> m_peaks;           // guarded by m_mutex
    std::vector<ChapterMark> m_chapters;  // guarded by m_mutex
    std::thread m_reader;                 // last: starts once the rest is made
};

}  // namespace tolvane
