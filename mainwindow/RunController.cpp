#include "RunController.h"

#include <algorithm>

RunController::RunController(QObject* parent) : QObject(parent) {
    m_poll.setInterval(kPollMs);
    connect(&m_poll, &QTimer::timeout, this, &RunController::Polled);
}

RunController::~RunController() {
    m_worker.Join();
}

AVConvert& RunController::Start(const tolvane::JobPlan& plan, bool merge, std::vector<int> rows) {
    if (!m_job) {
        m_job = std::make_unique<AVConvert>();
    }
    tolvane::ApplyPlan(plan, *m_job);
    m_rows = std::move(rows);
    m_merge = merge;
    m_going = true;
    m_startSeconds = m_secondsNow();
    // The worker's last act wakes this object up on its own thread (a queued call: nothing
    // runs on the worker's thread but the post).
    m_worker.Start(*m_job, merge ? tolvane::WorkerKind::Merge : tolvane::WorkerKind::Batch, [this] {
        QMetaObject::invokeMethod(this, &RunController::OnWorkerEnded, Qt::QueuedConnection);
    });
    m_poll.start();
    return *m_job;
}

void RunController::OnWorkerEnded() {
    if (m_worker.Running() || !m_going) {
        return;
    }
    m_worker.Join();  // it has returned: its thread ends at once
    m_going = false;
    // The poll that was following the run takes a last look: the end may have come between two.
    const bool polling = m_poll.isActive();
    m_poll.stop();
    if (polling) {
        emit Polled();
    }
    emit WorkerEnded();
}

int RunController::RowOfTask(int task) const {
    return task >= 0 && task < TaskCount() ? m_rows[static_cast<std::size_t>(task)] : -1;
}

double RunController::FractionDone() const {
    if (!m_job || !m_job->plan) {
        return 0.0;
    }
    const AVConvert& job = *m_job;
    if (m_merge) {
        return std::clamp(job.fileProgress.load(), 0, 100) / 100.0;
    }
    // Three short files done and a long one at 14 % are far from done.
    const tolvane::JobPlan& plan = *job.plan;
    double done = 0.0;
    double total = 0.0;
    for (int i = 0; i < std::min(TaskCount(), plan.TaskCount()); ++i) {
        if (RowOfTask(i) < 0) {
            continue;
        }
        const auto index = static_cast<std::size_t>(i);
        const double weight = std::max(plan.Task(i).ClipLength(), 1.0);
        total += weight;
        const std::uint8_t status = job.taskStatus[index].load();
        const int percent = job.taskProgress[index].load();
        if (status == AVConvert::kTaskConverted || status == AVConvert::kTaskFailed) {
            done += weight;
        } else if (percent >= 0) {
            done += weight * std::min(percent, 100) / 100.0;
        }
    }
    return total > 0.0 ? std::clamp(done / total, 0.0, 1.0) : 0.0;
}

RunController::Tally RunController::Count() const {
    Tally tally;
    if (!m_job) {
        return tally;
    }
    for (int i = 0; i < std::min(TaskCount(), AVConvert::kMaxTasks); ++i) {
        if (RowOfTask(i) < 0) {
            continue;
        }
        const std::uint8_t status = m_job->taskStatus[static_cast<std::size_t>(i)].load();
        tally.converted += status == AVConvert::kTaskConverted ? 1 : 0;
        tally.failed += status == AVConvert::kTaskFailed ? 1 : 0;
        tally.notDone += status == AVConvert::kTaskPending ? 1 : 0;
    }
    return tally;
}
