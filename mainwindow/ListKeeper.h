#pragma once

// Keeps the window's list in a file while the program runs, so that a crash, a kill or a power
// cut loses nothing: each change is written (atomically, at most once a second) by a thread of
// its own, so that a slow disk never holds the window up.

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "JobFile.h"

class ListKeeper final {
public:
    // Woken, on the keeper's thread, when writing the list fails and when it is written again
    // after a failure (Failure says which).
    using FailureSink = std::function<void()>;

    // `path` empty: nothing is kept.
    explicit ListKeeper(std::string path, FailureSink failed = {});
    // Writes what is still waiting, then ends the thread.
    ~ListKeeper();
    ListKeeper(const ListKeeper&) = delete;
    ListKeeper& operator=(const ListKeeper&) = delete;

    const std::string& Path() const { return m_path; }
    // The list as it is now; the latest one given is the one written.
    void Keep(JobDocument job);
    // Waits until the latest list given is written.
    void Flush();
    // A clean end: nothing waiting is written, and the kept list goes.
    void Forget();
    // Why the list was not kept the last time it was written; empty when it was.
    std::string Failure() const;

private:
    void Run();

    const std::string m_path;
    const FailureSink m_failed;
    mutable std::mutex m_mutex;  // guards the four below
    std::string m_failure;
    std::condition_variable m_changed;
    std::optional<JobDocument> m_waiting;
    bool m_writing = false;
    bool m_ending = false;
    std::thread m_thread;  // last: starts once the rest is made
};

// Where the window keeps its list: $XDG_STATE_HOME/tolvane/last-list.tolvane-job, or
// ~/.local/state/tolvane/ without it.
std::string DefaultListFile();
