// Runs: Convert and Merge fill the job and start a worker; the run timer shows its progress
// in the progress dialog and the task list.

#include <QApplication>
#include <QComboBox>
#include <QSpinBox>

#include <algorithm>

#include "CAVConvertDlg.h"
#include "CBrenvixDlg.h"
#include "CCheckListCtrl.h"
#include "CShutDownNotice.h"
#include "JobPlan.h"
#include "JobPlanner.h"
#include "JobSettings.h"
#include "MessagePresenter.h"
#include "Messages.h"
#include "Paths.h"
#include "SettingsCheck.h"
#include "SoundCopy.h"
#include "TimeText.h"

// ---- Runs ----

void CBrenvixDlg::OnConvert() {
    StartRun(false);
}
void CBrenvixDlg::OnMerge() {
    StartRun(true);
}

void CBrenvixDlg::WaitForWorker() {
    if (m_worker.Running()) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        m_worker.Join();
        QApplication::restoreOverrideCursor();
    }
    m_worker.Join();
}

void CBrenvixDlg::StartRun(bool merge) {
    if (RefusedWhileChecking()) {
        return;  // a run starts once the files being added are checked
    }
    StopPreview();
    const int rows = m_list->rowCount();
    m_checkedRows.assign(static_cast<std::size_t>(rows), -1);
    for (int row = 0; row < rows; ++row) {
        if (m_list->IsRowChecked(row)) {
            m_checkedRows[static_cast<std::size_t>(row)] = row;
        }
    }
    JobDocument list = ListAsJob();
    list.settings = WindowJobSettings(merge);
    // What the planner refuses before any file is read, said before the folder is made.
    if (const tolvane::RunRefusal refusal =
            tolvane::RefuseRun(tolvane::ChoicesOf(list), list.settings)) {
        SayRunRefusal(refusal, list.settings);
        return;
    }
    if (!CheckAndRememberFolder(merge)) {
        return;
    }
    // A worker still finishing after Stop must be done before the job is refilled.
    WaitForWorker();
    // Each checked row's file as its probe found it (a file changed since is read again).
    std::vector<tolvane::SourceFacts> facts(list.rows.size());
    for (std::size_t i = 0; i < list.rows.size(); ++i) {
        if (!list.rows[i].checked) {
            continue;
        }
        // A file that can no longer be read goes to the worker as it was known: the run says
        // why it fails, in its row.
        if (const MediaProbeResult* known = m_checker.LastProbe(list.rows[i].source)) {
            facts[i].probe = *known;
        }
        if (ProbeForList(QString::fromStdString(list.rows[i].source), nullptr)) {
            facts[i].probe = m_probe;
        }
    }
    const tolvane::PlannedRun run = tolvane::PlanJob(list, facts);
    if (run.unlikeRow >= 0) {
        // Copied packets join only when every file has the same kind of sound: the run does
        // not start, and the odd row is named.
        m_services.messages->Show(
            this, tr("These files cannot be merged without re-encoding: row %1 "
                     "(%2) has %3.\n\nChoose another format to merge them.")
                      .arg(run.unlikeRow + 1)
                      .arg(QString::fromStdString(std::string(FileNameOfPath(
                          list.rows[static_cast<std::size_t>(run.unlikeRow)].source))))
                      .arg(QString::fromStdString(tolvane::SayPieces(run.unlike))));
        return;
    }
    if (!run.refusal.empty()) {
        SayRunRefusal({run.refusalKind, run.refusal}, list.settings);
        return;
    }
    if (const std::string failure = tolvane::MakeOutputFolders(run.plan); !failure.empty()) {
        m_services.messages->Show(this, QString::fromStdString(tolvane::SayPieces(failure)));
        return;
    }
    // The run's tasks stand where their rows do (rows that are not checked stay empty).
    tolvane::JobPlan plan = run.plan;
    plan.tasks.assign(static_cast<std::size_t>(rows), {});
    QStringList refusals;
    for (std::size_t i = 0; i < run.rows.size(); ++i) {
        if (run.rows[i].task >= 0) {
            plan.tasks[i] = run.plan.tasks[static_cast<std::size_t>(run.rows[i].task)];
        } else if (run.rows[i].refusal == tolvane::kNoExtensionRefusal) {
            return;  // a file name without a dot: nothing starts, the rows keep their state
        } else if (!run.rows[i].refusal.empty()) {
            refusals << tr("Row %1 (%2): %3")
                            .arg(i + 1)
                            .arg(FileNameOf(QString::fromStdString(list.rows[i].source)))
                            .arg(QString::fromStdString(tolvane::SayPieces(run.rows[i].refusal)));
        }
    }
    if (!refusals.isEmpty()) {
        // Nothing starts: the rows keep their state until they can be converted.
        m_services.messages->Show(
            this, tr("These rows cannot be converted:") + '\n' + refusals.join('\n'));
        return;
    }
    plan.preview = m_progress->PreviewSink();
    AVConvert& job = SharedJob();
    tolvane::ApplyPlan(plan, job);
    m_runIsMerge = merge;

    m_runEnding = false;
    m_progress->PublishPreviewWindow();
    m_worker.Start(job, merge ? tolvane::WorkerKind::Merge : tolvane::WorkerKind::Batch);
    m_runTimer.start();
    m_runDesktop.RunStarted();
    m_shutDown = false;  // every run starts with the box clear
    m_progress->ClearShutDown();
    m_progress->Attach(
        &job, [this] { m_runTimer.stop(); }, &m_shutDown);
    m_progress->SetCurrentText(tr("Converting..."));
    m_progress->SetTotalText(tr("Converting..."));
    m_runStartSeconds = m_secondsNow();
    m_progress->SetTimeText(QString::fromStdString(RunTimeText(0.0, 0.0)));
    m_progress->SetCurrentProgress(0);
    m_progress->SetTotalProgress(0);
    if (!m_progress->IsOpen()) {
        m_progress->exec();
    }
    // The worker closes a stopped file in a moment: then every row can say what became of it.
    WaitForWorker();
    // The rows of tasks that finished before a Stop get their status too.
    OnRunTimerRows();
    setWindowTitle(kApplicationName);
    m_runDesktop.RunEnded();
    if (!m_windowActive()) {
        NotifyRunEnded();
    }
    emit RunFinished();
}

void CBrenvixDlg::SayRunRefusal(const tolvane::RunRefusal& refusal, const JobSettings& settings) {
    using Kind = tolvane::RunRefusalKind;
    const QString text = QString::fromStdString(tolvane::SayPieces(refusal.text));
    QString said;
    switch (refusal.kind) {
        case Kind::NoRows:
            said = tr("Please add video files!");
            break;
        case Kind::MergeOfOne:
            said = tr("Merge is effective when two or more files are chosen!");
            break;
        case Kind::NothingChosen:
            said = tr("Please select at least one task to convert!");
            break;
        case Kind::TooManyRows:
            said = tr("A run holds at most %1 files.").arg(AVConvert::kMaxTasks);
            break;
        case Kind::Settings:
            said = tr("These settings cannot be converted: %1").arg(text);
            break;
        case Kind::Choices:
            // The copy and a loudness: the window says which choice to change.
            said = settings.normalize && settings.copySound
                       ? tr("The original sound is copied as it is: it cannot be brought to "
                            "a loudness. Choose a format to convert to, or set Loudness to "
                            "\"As recorded\" in Setting.")
                       : tr("These choices cannot go together: %1.").arg(text);
            break;
        case Kind::Files:
        case Kind::None:
            said = text;
            break;
    }
    m_services.messages->Show(this, said);
}

void CBrenvixDlg::OnNotificationAction(uint, const QString& key) {
    if (key == QLatin1String(kOpenFolderAction)) {
        OpenOrSayWhy(m_runFolder);
    }
}

void CBrenvixDlg::NotifyRunEnded() {
    int converted = 0;
    int failed = 0;
    int notDone = 0;
    for (int i = 0; i < static_cast<int>(m_checkedRows.size()) && i < AVConvert::kMaxTasks; ++i) {
        if (m_checkedRows[static_cast<std::size_t>(i)] < 0) {
            continue;
        }
        const std::uint8_t status = m_job->taskStatus[static_cast<std::size_t>(i)].load();
        converted += status == AVConvert::kTaskConverted ? 1 : 0;
        failed += status == AVConvert::kTaskFailed ? 1 : 0;
        notDone += status == AVConvert::kTaskPending ? 1 : 0;
    }
    QString body = QStringLiteral("%1 converted, %2 failed").arg(converted).arg(failed);
    if (notDone > 0) {
        body += QStringLiteral(", %1 not done").arg(notDone);
    }
    NotifyDesktop(notDone > 0 ? tr("Tolvane: the run was stopped") : tr("Tolvane: the run is over"),
                  body + ".", {QLatin1String(kOpenFolderAction), tr("Open folder")});
}

void CBrenvixDlg::OnRunTimerRows() {
    if (!m_job) {
        return;
    }
    // Every finished task, also those after the current file when several run at once.
    const int rows = std::min(m_list->rowCount(), AVConvert::kMaxTasks);
    for (int i = 0; i < rows; ++i) {
        const int row = i < static_cast<int>(m_checkedRows.size())
                            ? m_checkedRows[static_cast<std::size_t>(i)]
                            : -1;
        if (row < 0) {
            continue;
        }
        const std::uint8_t status = m_job->taskStatus[static_cast<std::size_t>(i)].load();
        JobRow& kept = m_rows[static_cast<std::size_t>(row)];
        const JobRow before = kept;
        if (status == AVConvert::kTaskFailed) {
            auto* item = new QTableWidgetItem(tr("Failure"));
            item->setToolTip(QString::fromStdString(tolvane::SayPieces(m_job->FailureReason(i))));
            m_list->setItem(row, column::kStatus, item);
            kept.state = JobRowState::Failed;
            kept.status = "Failure";
        } else if (const auto index = static_cast<std::size_t>(i);
                   status == AVConvert::kTaskPending && !m_worker.Running() &&
                   index < m_job->taskReports.size() && m_job->taskReports[index].fileKept) {
            // Stopped: the row stays checked, ready to convert again, and says that its file
            // holds only a part, up to where (both times those of the output, at its tempo).
            const auto seconds = static_cast<std::int64_t>(m_job->taskReports[index].soundSeconds);
            const QString reached = QString::fromStdString(FormatTimeText(seconds));
            // The cell is narrow: the time in its short form there, whole in the tooltip.
            auto* item = new QTableWidgetItem(
                tr("Stopped at %1").arg(QString::fromStdString(FormatCompactTime(seconds))));
            item->setToolTip(
                tr("Stopped at %1 of %2; the part so far is in %3")
                    .arg(reached)
                    .arg(QString::fromStdString(FormatTimeText(
                        static_cast<std::int64_t>(m_job->clipLength[index] / m_job->listen.tempo))))
                    .arg(QString::fromStdString(m_job->outputPaths[index])));
            m_list->setItem(row, column::kStatus, item);
            kept.state = JobRowState::Ready;
            kept.status = item->text().toStdString();
            // Named, so that skipping what exists never takes this part for the whole.
            kept.output = m_job->outputPaths[index];
        } else if (status == AVConvert::kTaskConverted) {
            auto* item = new QTableWidgetItem(tr("Completed"));
            // A damaged source converts what could be read; the tooltip says where it ends.
            item->setToolTip(QString::fromStdString(tolvane::SayPieces(m_job->TaskNote(i))));
            m_list->setItem(row, column::kStatus, item);
            m_list->SetRowChecked(row, false);
            kept.state = JobRowState::Converted;
            kept.status = "Completed";
            // A task's name is final once its status is; a merged file's only once the worker
            // has ended.
            if (!m_runIsMerge || !m_worker.Running()) {
                kept.output = m_job->outputPaths[static_cast<std::size_t>(i)];
            }
            kept.checked = false;
        }
        if (kept.state != before.state || kept.status != before.status ||
            kept.output != before.output) {
            ListChanged();
        }
    }
}

double CBrenvixDlg::RunFractionDone() const {
    const AVConvert& job = *m_job;
    if (m_runIsMerge) {
        return std::clamp(job.fileProgress.load(), 0, 100) / 100.0;
    }
    // Every task weighs as much as the sound it converts: three short files done and a long
    // one at 14 % are far from done.
    double done = 0.0;
    double total = 0.0;
    const int rows = std::min(m_list->rowCount(), AVConvert::kMaxTasks);
    for (int i = 0; i < rows && i < static_cast<int>(m_checkedRows.size()); ++i) {
        const auto index = static_cast<std::size_t>(i);
        if (m_checkedRows[index] < 0) {
            continue;
        }
        const double weight = std::max(job.clipLength[index], 1.0);
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

void CBrenvixDlg::OnRunTimer() {
    if (!m_job) {
        return;
    }
    AVConvert& job = *m_job;
    const int rows = m_list->rowCount();
    const int current = job.currentTask.load();
    const int progress = job.fileProgress.load();
    const QString name = current >= 0 && current < rows
                             ? FileNameOf(m_list->item(current, column::kSource)->text())
                             : QString();
    if (progress >= 0 && progress <= 100) {
        m_progress->SetCurrentProgress(progress);
    }
    if (progress >= 0 && current < rows) {
        // The text says what the bar shows (which a screen reader may hold back a moment).
        m_progress->SetCurrentText(
            tr("%1   %2% has completed").arg(name).arg(m_progress->CurrentProgress()));
    }
    // Finished tasks: checked rows whose status is known.
    int done = 0;
    for (int i = 0; i < rows && i < static_cast<int>(m_checkedRows.size()); ++i) {
        const std::uint8_t status = job.taskStatus[static_cast<std::size_t>(i)].load();
        if (m_checkedRows[static_cast<std::size_t>(i)] >= 0 &&
            (status == AVConvert::kTaskConverted || status == AVConvert::kTaskFailed)) {
            ++done;
        }
    }
    const int total = std::max(job.totalTasksShown, 1);
    m_progress->SetTotalText(
        tr("%1 Task Completed / Total %2 Task(s)").arg(done).arg(job.totalTasksShown));
    m_progress->SetTotalProgress(done * 100 / total);
    const double fraction = RunFractionDone();
    m_runDesktop.Progress(fraction);
    m_progress->SetTimeText(
        QString::fromStdString(RunTimeText(m_secondsNow() - m_runStartSeconds, fraction)));
    setWindowTitle(QStringLiteral("%1% - %2")
                       .arg(static_cast<int>(fraction * 100.0))
                       .arg(QLatin1String(kApplicationName)));
    if (job.stopRequested.load()) {
        m_runTimer.stop();
        m_progress->StopAndClose();
    }
    OnRunTimerRows();
    if (current == rows && !m_runEnding) {
        FinishRun();
    }
}

void CBrenvixDlg::FinishRun() {
    m_runEnding = true;
    m_runTimer.stop();
    m_job->stopRequested = true;
    // The worker is given 100 ms to see the flag; the window's thread goes on meanwhile.
    QTimer::singleShot(100, this, &CBrenvixDlg::CloseFinishedRun);
}

void CBrenvixDlg::CloseFinishedRun() {
    m_progress->done(QDialog::Accepted);
    // Only a run that reached its end powers off (a stopped one never gets here), and only
    // after a notice that counts down and can be cancelled.
    if (m_shutDown) {
        CShutDownNotice notice(this);
        if (notice.exec() == QDialog::Accepted) {
            const QString refusal = m_services.power->PowerOff();
            if (!refusal.isEmpty()) {
                m_services.messages->Show(
                    this, tr("The computer could not be shut down: %1").arg(refusal));
            }
        }
        // Cancelled means "not this time", and a refused power-off is over too: the next run
        // starts with the box clear, as at start-up.
        m_shutDown = false;
        m_progress->ClearShutDown();
    }
}
