#include "ListKeeper.h"
#include "ThreadName.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

ListKeeper::ListKeeper(std::string path, FailureSink failed)
    : m_path(std::move(path)), m_failed(std::move(failed)) {
    if (!m_path.empty()) {
        m_thread = std::thread([this] { Run(); });
    }
}

ListKeeper::~ListKeeper() {
    {
        const std::lock_guard lock(m_mutex);
        m_ending = true;
    }
    m_changed.notify_all();
    if (m_thread.joinable()) {
        m_thread.join();
    }
}

void ListKeeper::Keep(JobDocument job) {
    if (m_path.empty()) {
        return;
    }
    {
        const std::lock_guard lock(m_mutex);
        if (m_ending) {
            return;  // after Forget: nothing is kept any more
        }
        m_waiting = std::move(job);
    }
    m_changed.notify_all();
}

void ListKeeper::Flush() {
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return !m_waiting && !m_writing; });
}

void ListKeeper::Forget() {
    {
        const std::lock_guard lock(m_mutex);
        m_waiting.reset();
        m_ending = true;
    }
    m_changed.notify_all();
    if (m_thread.joinable()) {
        m_thread.join();
    }
    if (!m_path.empty()) {
        std::error_code ignored;
        std::filesystem::remove(m_path, ignored);
    }
}

std::string ListKeeper::Failure() const {
    const std::lock_guard lock(m_mutex);
    return m_failure;
}

void ListKeeper::Run() {
    tolvane::NameThisThread("keeper");
    using Clock = std::chrono::steady_clock;
    auto lastWrite = Clock::now() - std::chrono::seconds(1);
    std::unique_lock lock(m_mutex);
    while (true) {
        m_changed.wait(lock, [this] { return m_waiting.has_value() || m_ending; });
        if (!m_waiting) {
            return;  // ending, with nothing left to write
        }
        // At most once a second: changes that come meanwhile are written together.
        if (!m_ending) {
            m_changed.wait_until(lock, lastWrite + std::chrono::seconds(1),
                                 [this] { return m_ending; });
        }
        if (!m_waiting) {
            continue;
        }
        const JobDocument job = std::move(*m_waiting);
        m_waiting.reset();
        m_writing = true;
        lock.unlock();
        std::error_code ignored;
        std::filesystem::create_directories(std::filesystem::path(m_path).parent_path(), ignored);
        const std::string failure = WriteJobFile(m_path, job);
        if (!failure.empty()) {
            std::fprintf(stderr, "tolvane: cannot keep the list in %s: %s\n", m_path.c_str(),
                         failure.c_str());
        }
        lastWrite = Clock::now();
        lock.lock();
        m_writing = false;
        m_changed.notify_all();
        // The window says so: a list that is not kept is one a crash would lose.
        if (failure != m_failure) {
            m_failure = failure;
            if (m_failed) {
                m_failed();
            }
        }
    }
}

std::string DefaultListFile() {
    std::filesystem::path folder;
    if (const char* state = std::getenv("XDG_STATE_HOME"); state != nullptr && *state == '/') {
        folder = state;
    } else if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
        folder = std::filesystem::path(home) / ".local" / "state";
    } else {
        return {};
    }
    return (folder / "tolvane" / "last-list.tolvane-job").string();
}
