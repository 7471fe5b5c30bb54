#pragma once

// A run of the window's list: the job record a worker fills from the plan, the worker's thread,
// and the poll that follows it. The window asks (Start); what happens comes back on its thread:
// Polled a few times a second while the run is followed (and once more when the worker has
// returned), then WorkerEnded (the worker's thread wakes the window up; the window's thread
// never waits for it).

#include <QObject>
#include <QTimer>
#include <chrono>
#include <functional>
#include <memory>
#include <vector>

#include "AVConvert.h"
#include "JobPlan.h"
#include "Workers.h"

class RunController final : public QObject {
    Q_OBJECT

public:
    static constexpr int kPollMs = 300;  // the run poll (timer 1)

    // What became of the tasks of a run.
    struct Tally final {
        int converted = 0;
        int failed = 0;
        int notDone = 0;
        int Finished() const { return converted + failed; }
    };

    explicit RunController(QObject* parent = nullptr);
    // The job lives until a worker still going has returned.
    ~RunController() override;
    RunController(const RunController&) = delete;
    RunController& operator=(const RunController&) = delete;

    // Gives `plan` to the job and starts its worker (no other may be going); task i is the list's
    // row `rows[i]`, or -1 when it does not run. The poll starts with it.
    AVConvert& Start(const tolvane::JobPlan& plan, bool merge, std::vector<int> rows);
    void StopPolling() { m_poll.stop(); }
    // From Start until WorkerEnded has been signalled.
    bool Going() const { return m_going; }
    bool WorkerRunning() const { return m_worker.Running(); }
    // Waits for the worker: only where the job is about to go (the end of the program) and in
    // tests.
    void Join() { m_worker.Join(); }

    AVConvert* Job() const { return m_job.get(); }
    bool IsMerge() const { return m_merge; }
    // The list's row of task `task`, or -1.
    int RowOfTask(int task) const;
    int TaskCount() const { return static_cast<int>(m_rows.size()); }
    // The share of the run's work done, 0 to 1: every task weighs as much as the sound it
    // converts, as the plan has it.
    double FractionDone() const;
    Tally Count() const;
    double SecondsRunning() const { return m_secondsNow() - m_startSeconds; }
    // The clock of the run's elapsed time (seconds from any origin).
    void SetClock(std::function<double()> secondsNow) { m_secondsNow = std::move(secondsNow); }

signals:
    void Polled();
    void WorkerEnded();

private:
    void OnWorkerEnded();

    std::unique_ptr<AVConvert> m_job;  // made at the first run; the worker's while it runs
    tolvane::ConversionThread m_worker;
    QTimer m_poll;
    std::vector<int> m_rows;  // per task: the list's row, or -1
    bool m_merge = false;
    bool m_going = false;
    double m_startSeconds = 0.0;
    std::function<double()> m_secondsNow = [] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
            .count();
    };
};
