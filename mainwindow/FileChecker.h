#pragma once

// The checks of the files a list is given: each file is probed on two threads of their own while
// the window goes on answering, and what they found comes back on the window's thread in the
// list's order, a few times a second. What each probe found is kept while the program runs: a
// file that has not changed since (size, modification time) is not read again.

#include <QObject>
#include <QStringList>
#include <QTimer>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "MediaProbeResult.h"

class FileChecker final : public QObject {
    Q_OBJECT

public:
    enum class Verdict : std::uint8_t {
        Unopened,    // a pipe, device or folder, or nothing there: never opened
        Unreadable,  // no media FFmpeg reads
        Probed,      // `probe` says what it holds
    };
    struct Checked final {
        QString path;
        Verdict verdict = Verdict::Unopened;
        MediaProbeResult probe;
    };

    explicit FileChecker(QObject* parent = nullptr);
    // A check going on is cancelled; its threads end with the file each reads.
    ~FileChecker() override;
    FileChecker(const FileChecker&) = delete;
    FileChecker& operator=(const FileChecker&) = delete;

    // Starts checking `paths` (no other check may be going on). `Settled` is signalled every
    // few dozen milliseconds until TakeChecked has given every file, or those read when the
    // check was cancelled.
    void Start(const QStringList& paths);
    // Stops the check going on: the files being read are settled, the rest are never opened.
    void Cancel();
    // Whether a check is going on: from Start until every file it will settle was taken.
    bool Checking() const { return m_batch != nullptr; }
    // The next file of the check, in the list's order; none while it is still being read (or
    // once the check is over, which then ends: Checking() is false after).
    std::optional<Checked> TakeChecked();
    // Of the check going on: the files taken and all of them.
    std::size_t Taken() const;
    std::size_t Count() const;

    // One file checked now, on the caller's thread (a click on its row, the start of a run).
    Checked CheckNow(const QString& path);
    // What the last probe of `file` found (also when it has changed since); null when none.
    const MediaProbeResult* LastProbe(const std::string& file) const;

signals:
    void Settled();

private:
    struct Batch;
    struct FileCheck;
    // Settles on this thread what needs no reading: a file that is not a regular one, or one
    // known and unchanged.
    void Prepare(FileCheck& check, std::string file) const;
    // What a check found, kept for the next time (or forgotten when the file is no media).
    Checked Settle(const QString& path, const FileCheck& check);
    bool KnownUnchanged(const std::string& file, MediaProbeResult& probe) const;
    void Remember(const std::string& file, const MediaProbeResult& probe);
    void EndBatch();

    struct KnownProbe final {
        std::uintmax_t size = 0;
        std::int64_t modified = 0;  // nanoseconds
        MediaProbeResult probe;
    };
    std::map<std::string, KnownProbe> m_known;  // the window's thread's alone
    std::unique_ptr<Batch> m_batch;             // the check going on
    QTimer m_tick;
};
