#pragma once

// SIGTERM, SIGINT and SIGHUP (a logout or shutdown sends one) end the program the way its Close
// button does, after a run that is going stopped as Stop stops it: the current file is closed
// playable. The signals are blocked in the thread that makes this (before any other thread
// starts, they are blocked in all) and arrive on a descriptor the event loop watches, so no
// handler ever runs inside the worker or the library.

#include <QObject>
#include <functional>

#include <signal.h>

class QSocketNotifier;

class TerminationSignals final : public QObject {
    Q_OBJECT

public:
    // Blocks the signals in the calling thread and watches for them; `arrived` runs on that
    // thread's event loop, once for each signal.
    explicit TerminationSignals(std::function<void()> arrived, QObject* parent = nullptr);
    ~TerminationSignals() override;
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

    bool Watching() const { return m_fd >= 0; }
    // What a signal does from now on. The watching starts here when the object was made
    // before the application (to block the signals before any thread of Qt's started).
    void SetArrived(std::function<void()> arrived);

private:
    void Read();
    void Watch();

    std::function<void()> m_arrived;
    sigset_t m_previous{};
    int m_fd = -1;
    QSocketNotifier* m_notifier = nullptr;
};
