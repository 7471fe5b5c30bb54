// Runs: Convert and Merge fill the job and start a worker; the run timer shows its progress
// in the progress dialog and the task list.

#include <QApplication>
#include <QComboBox>
#include <QSpinBox>
#include <QTimer>

#include <algorithm>
#include <utility>

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
    m_run.Join();
}

void CBrenvixDlg::StartRun(bool merge) {
    if (m_run.Going()) {
        // The last run's worker is still closing a stopped file: this one starts once it has.
        m_afterRun = [this, merge] { StartRun(merge); };
        return;
    }
    if (RefusedWhileBusy()) {
        return;  // a run starts once the files being added are checked
    }
    StopPreview();
    const int rows = m_list->rowCount();
    std::vector<int> rowsOfTasks(static_cast<std::size_t>(rows), -1);
    for (int row = 0; row < rows; ++row) {
        if (m_list->IsRowChecked(row)) {
            rowsOfTasks[static_cast<std::size_t>(row)] = row;
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
    m_runEnding = false;
    m_progress->PublishPreviewWindow();
    AVConvert& job = m_run.Start(plan, merge, std::move(rowsOfTasks));
    m_runShown = true;
    m_runDesktop.RunStarted();
    m_shutDown = false;  // every run starts with the box clear
    m_progress->ClearShutDown();
    m_progress->Attach(
        &job, [this] { m_run.StopPolling(); }, &m_shutDown);
    m_progress->SetCurrentText(tr("Converting..."));
    m_progress->SetTotalText(tr("Converting..."));
    m_progress->SetTimeText(QString::fromStdString(RunTimeText(0.0, 0.0)));
    m_progress->SetCurrentProgress(0);
    m_progress->SetTotalProgress(0);
    if (!m_progress->IsOpen()) {
        m_progress->exec();
    }
    m_runShown = false;
    // The worker closes a stopped file in a moment: then every row can say what became of it.
    if (!m_run.Going()) {
        EndRun();
    }
}

void CBrenvixDlg::OnWorkerEnded() {
    if (!m_runShown) {
        EndRun();
    }
}

void CBrenvixDlg::EndRun() {
    // The rows of tasks that finished before a Stop get their status too.
    OnRunTimerRows();
    setWindowTitle(kApplicationName);
    m_runDesktop.RunEnded();
    if (!m_windowActive()) {
        NotifyRunEnded();
    }
    emit RunFinished();
    if (m_closeWhenRunEnds) {
        OnClose();
        return;
    }
    if (!m_pendingDrops.isEmpty() && !m_check) {
        DropFiles(std::exchange(m_pendingDrops, {}));
    }
    if (m_afterRun) {
        std::exchange(m_afterRun, {})();
    }
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
    const RunController::Tally tally = m_run.Count();
    QString body = QStringLiteral("%1 converted, %2 failed").arg(tally.converted).arg(tally.failed);
    if (tally.notDone > 0) {
        body += QStringLiteral(", %1 not done").arg(tally.notDone);
    }
    NotifyDesktop(
        tally.notDone > 0 ? tr("Tolvane: the run was stopped") : tr("Tolvane: the run is over"),
        body + ".", {QLatin1String(kOpenFolderAction), tr("Open folder")});
}

void CBrenvixDlg::OnRunTimerRows() {
    const AVConvert* job = m_run.Job();
    if (job == nullptr || !job->plan) {
        return;
    }
    // Every finished task, also those after the current file when several run at once.
    const int rows = std::min(m_list->rowCount(), AVConvert::kMaxTasks);
    for (int i = 0; i < rows; ++i) {
        const int row = m_run.RowOfTask(i);
        if (row < 0 || row >= static_cast<int>(m_rows.size())) {
            continue;
        }
        const std::uint8_t status = job->taskStatus[static_cast<std::size_t>(i)].load();
        JobRow& kept = m_rows[static_cast<std::size_t>(row)];
        const JobRow before = kept;
        if (status == AVConvert::kTaskFailed) {
            auto* item = new QTableWidgetItem(tr("Failure"));
            item->setToolTip(QString::fromStdString(tolvane::SayPieces(job->FailureReason(i))));
            m_list->setItem(row, column::kStatus, item);
            kept.state = JobRowState::Failed;
            kept.status = "Failure";
        } else if (const auto index = static_cast<std::size_t>(i);
                   status == AVConvert::kTaskPending && !m_run.WorkerRunning() &&
                   index < job->taskReports.size() && job->taskReports[index].fileKept) {
            // Stopped: the row stays checked, ready to convert again, and says that its file
            // holds only a part, up to where (both times those of the output, at its tempo).
            const auto seconds = static_cast<std::int64_t>(job->taskReports[index].soundSeconds);
            const QString reached = QString::fromStdString(FormatTimeText(seconds));
            // The cell is narrow: the time in its short form there, whole in the tooltip.
            auto* item = new QTableWidgetItem(
                tr("Stopped at %1").arg(QString::fromStdString(FormatCompactTime(seconds))));
            item->setToolTip(
                tr("Stopped at %1 of %2; the part so far is in %3")
                    .arg(reached)
                    .arg(QString::fromStdString(FormatTimeText(static_cast<std::int64_t>(
                        job->plan->Task(i).ClipLength() / job->plan->listen.tempo))))
                    .arg(QString::fromStdString(job->outputPaths[index])));
            m_list->setItem(row, column::kStatus, item);
            kept.state = JobRowState::Ready;
            kept.status = item->text().toStdString();
            // Named, so that skipping what exists never takes this part for the whole.
            kept.output = job->outputPaths[index];
        } else if (status == AVConvert::kTaskConverted) {
            auto* item = new QTableWidgetItem(tr("Completed"));
            // A damaged source converts what could be read; the tooltip says where it ends.
            item->setToolTip(QString::fromStdString(tolvane::TranslatedOf(job->TaskNoteSaid(i))));
            m_list->setItem(row, column::kStatus, item);
            m_list->SetRowChecked(row, false);
            kept.state = JobRowState::Converted;
            kept.status = "Completed";
            // A task's name is final once its status is; a merged file's only once the worker
            // has ended.
            if (!m_run.IsMerge() || !m_run.WorkerRunning()) {
                kept.output = job->outputPaths[static_cast<std::size_t>(i)];
            }
            kept.checked = false;
        }
        if (kept.state != before.state || kept.status != before.status ||
            kept.output != before.output) {
            ListChanged();
        }
    }
}

void CBrenvixDlg::OnRunTimer() {
    if (m_run.Job() == nullptr) {
        return;
    }
    AVConvert& job = *m_run.Job();
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
    const int done = m_run.Count().Finished();
    const int total = std::max(job.totalTasksShown, 1);
    m_progress->SetTotalText(
        tr("%1 Task Completed / Total %2 Task(s)").arg(done).arg(job.totalTasksShown));
    m_progress->SetTotalProgress(done * 100 / total);
    const double fraction = m_run.FractionDone();
    m_runDesktop.Progress(fraction);
    m_progress->SetTimeText(QString::fromStdString(RunTimeText(m_run.SecondsRunning(), fraction)));
    setWindowTitle(QStringLiteral("%1% - %2")
                       .arg(static_cast<int>(fraction * 100.0))
                       .arg(QLatin1String(kApplicationName)));
    if (job.stopRequested.load()) {
        m_run.StopPolling();
        m_progress->StopAndClose();
    }
    OnRunTimerRows();
    if (current == rows && !m_runEnding) {
        FinishRun();
    }
}

void CBrenvixDlg::FinishRun() {
    m_runEnding = true;
    m_run.StopPolling();
    m_run.Job()->stopRequested = true;
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
