#include "FileChecker.h"

#include <sys/stat.h>

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

#include "MediaProbe.h"
#include "Paths.h"
#include "ThreadBudget.h"
#include "ThreadName.h"

// One file of a check. A checking thread writes `result` and `probe` before it stores `done`
// (release); the window's thread reads them after loading it (acquire).
struct FileChecker::FileCheck final {
    std::string file;
    bool probeIt = false;  // not known yet: a checking thread reads it
    bool refused = false;  // not a regular file, or not there: never opened
    int result = 0;
    MediaProbeResult probe;
    std::atomic<bool> done{false};
};

struct FileChecker::Batch final {
    QStringList paths;
    std::unique_ptr<FileCheck[]> checks;
    std::size_t count = 0;
    std::size_t taken = 0;  // the window's thread's
    std::atomic<std::size_t> next{0};
    std::atomic<bool> cancel{false};
    std::atomic<int> running{0};
    std::vector<std::thread> threads;  // last: they start once the rest is made

    void Read() {
        tolvane::NameThisThread("check");
        for (std::size_t i; !cancel.load(std::memory_order_relaxed) &&
                            (i = next.fetch_add(1, std::memory_order_relaxed)) < count;) {
            FileCheck& check = checks[i];
            if (check.probeIt) {
                check.result = tolvane::ProbeMedia(check.file, check.probe);
                check.done.store(true, std::memory_order_release);
            }
        }
        running.fetch_sub(1, std::memory_order_release);
    }

    // A batch ends once its threads have done their work (TakeChecked), so these joins do not
    // wait; only a checker destroyed during a check (the window closes after its check ends)
    // waits here for the files being read.
    ~Batch() {
        cancel.store(true);
        for (std::thread& thread : threads) {
            thread.join();
        }
    }
};

FileChecker::FileChecker(QObject* parent) : QObject(parent) {
    m_tick.setInterval(40);
    connect(&m_tick, &QTimer::timeout, this, &FileChecker::Settled);
}

FileChecker::~FileChecker() = default;

void FileChecker::Start(const QStringList& paths) {
    auto batch = std::make_unique<Batch>();
    batch->paths = paths;
    batch->count = static_cast<std::size_t>(paths.size());
    batch->checks = std::make_unique<FileCheck[]>(batch->count);
    // Files known and unchanged, and those that are no regular file, are settled here.
    for (std::size_t i = 0; i < batch->count; ++i) {
        Prepare(batch->checks[i], paths[static_cast<int>(i)].toStdString());
    }
    const bool anyToRead = std::any_of(batch->checks.get(), batch->checks.get() + batch->count,
                                       [](const FileCheck& check) { return check.probeIt; });
    const int lanes = anyToRead ? tolvane::FileChecksAtOnce() : 0;
    batch->running.store(lanes);
    for (int lane = 0; lane < lanes; ++lane) {
        batch->threads.emplace_back(&Batch::Read, batch.get());
    }
    m_batch = std::move(batch);
    m_tick.start();
}

void FileChecker::Cancel() {
    if (m_batch) {
        m_batch->cancel.store(true);
    }
}

std::optional<FileChecker::Checked> FileChecker::TakeChecked() {
    if (!m_batch) {
        return std::nullopt;
    }
    Batch& batch = *m_batch;
    if (batch.taken < batch.count &&
        batch.checks[batch.taken].done.load(std::memory_order_acquire)) {
        const std::size_t taken = batch.taken++;
        return Settle(batch.paths[static_cast<int>(taken)], batch.checks[taken]);
    }
    // Over once every file is taken, or once the threads stopped after a cancel and the next file
    // is not settled; the threads have returned then, and are joined at once.
    if (batch.running.load(std::memory_order_acquire) == 0 &&
        (batch.taken == batch.count || !batch.checks[batch.taken].done.load())) {
        EndBatch();
    }
    return std::nullopt;
}

void FileChecker::EndBatch() {
    m_tick.stop();
    m_batch.reset();
}

std::size_t FileChecker::Taken() const {
    return m_batch ? m_batch->taken : 0;
}

std::size_t FileChecker::Count() const {
    return m_batch ? m_batch->count : 0;
}

FileChecker::Checked FileChecker::CheckNow(const QString& path) {
    FileCheck check;
    Prepare(check, path.toStdString());
    if (check.probeIt) {
        check.result = tolvane::ProbeMedia(check.file, check.probe);
    }
    return Settle(path, check);
}

void FileChecker::Prepare(FileCheck& check, std::string file) const {
    check.file = std::move(file);
    // Pipes, devices and folders are never opened (a pipe without a writer would hang).
    check.refused = !InputRefusal(check.file).empty();
    check.probeIt = !check.refused && !KnownUnchanged(check.file, check.probe);
    check.done.store(!check.probeIt, std::memory_order_relaxed);
}

FileChecker::Checked FileChecker::Settle(const QString& path, const FileCheck& check) {
    Checked checked{path, Verdict::Probed, check.probe};
    if (check.refused) {
        checked.verdict = Verdict::Unopened;
    } else if (check.result < 0 || check.probe.durationSeconds < 0) {
        m_known.erase(check.file);
        checked.verdict = Verdict::Unreadable;
    } else if (check.probeIt) {
        Remember(check.file, check.probe);
    }
    return checked;
}

const MediaProbeResult* FileChecker::LastProbe(const std::string& file) const {
    const auto known = m_known.find(file);
    return known == m_known.end() ? nullptr : &known->second.probe;
}

namespace {

bool StatFile(const std::string& file, std::uintmax_t& size, std::int64_t& modified) {
    struct stat st {};
    if (::stat(file.c_str(), &st) != 0) {
        return false;
    }
    size = static_cast<std::uintmax_t>(st.st_size);
    modified = static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    return true;
}

}  // namespace

bool FileChecker::KnownUnchanged(const std::string& file, MediaProbeResult& probe) const {
    std::uintmax_t size = 0;
    std::int64_t modified = 0;
    const auto known = m_known.find(file);
    if (known == m_known.end() || !StatFile(file, size, modified) || known->second.size != size ||
        known->second.modified != modified) {
        return false;
    }
    probe = known->second.probe;
    return true;
}

void FileChecker::Remember(const std::string& file, const MediaProbeResult& probe) {
    KnownProbe known{0, 0, probe};
    if (StatFile(file, known.size, known.modified)) {
        m_known[file] = std::move(known);
    }
}
