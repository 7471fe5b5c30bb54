// The list as a job file: Save list and Open list, the list kept across a crash and brought
// back at the next start, and the rows' times as the clip dialog sets them.

#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QSpinBox>

#include <filesystem>
#include <map>
#include <set>

#include "CBrenvixDlg.h"
#include "CCheckListCtrl.h"
#include "JobPlanner.h"
#include "ListKeeper.h"
#include "MessagePresenter.h"
#include "Messages.h"
#include "Numbers.h"
#include "OutputFile.h"
#include "SkinIds.h"
#include "SkinLayout.h"
#include "SplitParts.h"
#include "TimeText.h"

namespace {

const char* const kJobFilter = QT_TRANSLATE_NOOP("CBrenvixDlg", "Tolvane lists (*.tolvane-job)");

}  // namespace

JobSettings CBrenvixDlg::WindowJobSettings(bool merge) const {
    // What the window has no control for (ReplayGain, the true-peak ceiling, covers from the
    // video, skipping, folders, members of a newer program) is the opened list's; the rest is
    // what the window shows.
    JobSettings settings = m_listSettings;
    settings.formatEntry = m_formatBox->currentText().toStdString();
    settings.copySound = CopiesOriginalAudio();
    settings.profile = m_settings;
    settings.outputFolder = m_runFolder.toStdString();
    settings.merge = merge;
    settings.filesAtOnce = m_filesAtOnce->value();
    settings.normalize = m_settings.loudnessTarget != 0.0;
    settings.loudnessTarget = settings.normalize ? m_settings.loudnessTarget : -16.0;
    return settings;
}

QString CBrenvixDlg::UnshownSettingsText(const JobSettings& settings) const {
    QStringList asks;
    if (settings.replayGain == GainTagChoice::Track) {
        asks << tr("ReplayGain tags");
    } else if (settings.replayGain == GainTagChoice::Album) {
        asks << tr("ReplayGain tags with the album's gain");
    }
    if (settings.normalize && settings.truePeakCeiling != JobSettings{}.truePeakCeiling) {
        asks << tr("a true-peak ceiling of %1 dBTP")
                    .arg(QString::fromStdString(FormatFixed(settings.truePeakCeiling, 1)));
    }
    if (settings.coverFromVideo) {
        asks << tr("covers from the video");
    }
    if (settings.skipExisting) {
        asks << tr("skipping outputs that exist");
    }
    if (settings.keepFolders) {
        asks << tr("the sources' folders under the output folder");
    }
    return asks.isEmpty() ? QString()
                          : tr("This list also asks for %1: they apply to its runs")
                                .arg(asks.join(QStringLiteral(", ")));
}

JobDocument CBrenvixDlg::ListAsJob() const {
    JobDocument job;
    job.settings = WindowJobSettings(false);
    job.unknown = m_listUnknown;
    job.rows = m_rows;
    for (int row = 0; row < m_list->rowCount() && row < static_cast<int>(job.rows.size()); ++row) {
        job.rows[static_cast<std::size_t>(row)].checked = m_list->IsRowChecked(row);
    }
    return job;
}

QString CBrenvixDlg::ListNote() const {
    return m_listNote != nullptr && m_listNote->isVisible() ? m_listNote->text() : QString();
}

void CBrenvixDlg::SayUnderList(const QString& text) {
    if (m_listNote == nullptr) {
        m_listNote = new QLabel(this);
        m_listNote->setObjectName(QStringLiteral("listNote"));
        m_listNote->setAccessibleName(tr("List note"));
        const skin::Box& list = skin::kTaskList;
        Place(m_listNote, {list.x + 4, list.Bottom() - 21, list.width - 8, 18});
        m_listNote->setStyleSheet(QStringLiteral(
            "background: rgba(255, 255, 225, 230); color: #1f2630; padding: 0 4px;"));
    }
    m_listNote->setText(text);
    m_listNote->setVisible(!text.isEmpty());
    m_listNote->raise();
}

void CBrenvixDlg::ListChanged() {
    if (m_keeper && m_listChanging == 0) {
        m_keeper->Keep(ListAsJob());
    }
}

void CBrenvixDlg::WriteClipRow(const QString& start, const QString& end) {
    if (m_clipRow < 0 || m_clipRow >= m_list->rowCount()) {
        return;
    }
    m_list->item(m_clipRow, column::kStart)->setText(start);
    m_list->item(m_clipRow, column::kEnd)->setText(end);
}

void CBrenvixDlg::FollowCell(QTableWidgetItem* item) {
    const int index = item->row();
    if (m_showingRow || index < 0 || index >= static_cast<int>(m_rows.size())) {
        return;
    }
    JobRow& row = m_rows[static_cast<std::size_t>(index)];
    const JobRow before = row;
    if (item->column() == column::kSource) {
        // (A tooltip set changes the item too; only its check and its text count.)
        if (item->data(Qt::CheckStateRole).isValid()) {
            row.checked = item->checkState() == Qt::Checked;
        }
        row.source = item->text().toStdString();
    } else if (item->column() == column::kStart || item->column() == column::kEnd) {
        // A time left as it was keeps its milliseconds (a part's exact start); an end at the
        // file's length is no end: the row runs to the end of the sound.
        const QTableWidgetItem* startCell = m_list->item(index, column::kStart);
        const QTableWidgetItem* endCell = m_list->item(index, column::kEnd);
        const QTableWidgetItem* lengthCell = m_list->item(index, column::kDuration);
        if (startCell == nullptr || endCell == nullptr || lengthCell == nullptr) {
            return;
        }
        // A time typed to the millisecond ("00:01:02.345") is taken as it reads.
        const std::string startText = startCell->text().toStdString();
        const std::string endText = endCell->text().toStdString();
        const bool exactStart = startText.find('.') != std::string::npos;
        const bool exactEnd = endText.find('.') != std::string::npos;
        const std::int64_t startSeconds = ParseTimeText(startText);
        const std::int64_t endSeconds = ParseTimeText(endText);
        if (exactStart) {
            row.startMs = RowMillis(std::max(0.0, ParseSplitTime(startText)));
        } else if (startSeconds != static_cast<std::int64_t>(row.StartSeconds())) {
            row.startMs = startSeconds * 1000;
        }
        const bool toEnd = !exactEnd && endSeconds >= lengthCell->text().toLongLong();
        if (exactEnd) {
            row.toEnd = false;
            row.endMs = RowMillis(std::max(0.0, ParseSplitTime(endText)));
        } else if (toEnd != row.toEnd ||
                   (!toEnd && endSeconds != static_cast<std::int64_t>(row.EndSeconds()))) {
            row.toEnd = toEnd;
            row.endMs = endSeconds * 1000;
        }
    }
    if (row.checked != before.checked || row.source != before.source ||
        row.startMs != before.startMs || row.endMs != before.endMs || row.toEnd != before.toEnd) {
        ListChanged();
    }
}

void CBrenvixDlg::OnSaveList() {
    if (m_list->rowCount() == 0) {
        return;
    }
    QString path = m_services.files->SaveFile(
        this, tr("Save list"), m_runFolder + QStringLiteral("/list.tolvane-job"), tr(kJobFilter));
    if (path.isEmpty()) {
        return;
    }
    if (!path.endsWith(QLatin1String(kJobFileExtension.data()))) {
        path += QLatin1String(kJobFileExtension.data());
    }
    const std::string failure = WriteJobFile(path.toStdString(), ListAsJob());
    if (!failure.empty()) {
        m_services.messages->Show(
            this, tr("The list could not be saved in %1: %2.")
                      .arg(path, QString::fromStdString(tolvane::SayPieces(failure))));
    }
}

void CBrenvixDlg::OnOpenList() {
    const QStringList chosen = m_services.files->OpenFiles(this, tr(kJobFilter), m_runFolder);
    if (!chosen.isEmpty()) {
        OpenList(chosen.front());
    }
}

bool CBrenvixDlg::OpenList(const QString& path) {
    const JobRead read = ReadJobFile(path.toStdString());
    if (!read.job) {
        m_services.messages->Show(this,
                                  tr("%1 cannot be opened: %2.")
                                      .arg(FileNameOf(path), QString::fromStdString(read.error)));
        return false;
    }
    LoadList(*read.job);
    return true;
}

void CBrenvixDlg::LoadList(const JobDocument& job, std::function<void()> done) {
    if (m_check) {
        // One list of files is checked at a time: this one, settings and rows together, comes
        // in as soon as it is done.
        m_afterCheck.push_back([this, job, done] { LoadList(job, done); });
        return;
    }
    // The list's settings become the window's: its format, encoder numbers, folder and files
    // at once; those the window shows no control for are kept, applied and saved with it.
    const JobSettings& settings = job.settings;
    m_listSettings = settings;
    m_listUnknown = job.unknown;
    const int format = m_formatBox->findText(QString::fromStdString(settings.formatEntry));
    if (format >= 0) {
        m_formatBox->setCurrentIndex(format);
        OnFormatChanged(format);
        if (!settings.copySound) {
            m_settings = settings.profile;
        }
    }
    m_settings.loudnessTarget = settings.normalize ? settings.loudnessTarget : 0.0;
    m_settings.listen = settings.profile.listen;
    m_settings.centerMixDb = settings.profile.centerMixDb;
    if (const QString folder = QString::fromStdString(settings.outputFolder);
        !folder.isEmpty() && QFileInfo(folder).isDir()) {
        m_runFolder = folder;
        if (m_folderBox->findText(folder) < 0) {
            AddFolderEntry(folder);
        }
        m_folderBox->setEditText(folder);
    }
    if (settings.filesAtOnce > 0) {
        m_filesAtOnce->setValue(settings.filesAtOnce);
    }
    if (const QString more = UnshownSettingsText(settings); !more.isEmpty()) {
        SayUnderList(more);
    }
    // Each file read once (two at a time); the files that are gone are named once, and the rest
    // come in as they were. A list kept across a crash is never rewritten with only some of its
    // rows.
    ++m_listChanging;
    QStringList sources;
    std::set<std::string> seen;
    for (const JobRow& row : job.rows) {
        if (seen.insert(row.source).second) {
            sources << QString::fromStdString(row.source);
        }
    }
    auto usable = std::make_shared<std::map<std::string, MediaProbeResult>>();
    const auto accept = [this, usable](const QString& path) {
        (*usable)[path.toStdString()] = m_probe;
    };
    CheckFiles(sources, accept, [this, job, usable, done](const QStringList& refusals) {
        int added = 0;
        for (const JobRow& row : job.rows) {
            if (const auto probe = usable->find(row.source); probe != usable->end()) {
                m_probe = probe->second;
                InsertRows(m_list->rowCount(), {row}, FormatColumnText());
                ++added;
            }
        }
        --m_listChanging;
        ListChanged();
        if (added > 0) {
            Activate(ids::kPlay);
            Activate(ids::kStop);
        }
        PrepareSelectedFileInfo();
        SetButtonStatesAfterAdd();
        ShowRefusals(refusals);
        if (done) {
            done();
        }
    });
}

void CBrenvixDlg::OnKeepingChanged() {
    if (m_keeper) {
        SayListKeeping(m_keeper->Failure());
    }
}

void CBrenvixDlg::SayListKeeping(const std::string& failure) {
    const QString kept = ListNote();
    if (failure.empty()) {
        // Kept again: the warning goes, whatever else the line said stays.
        if (kept == m_keepingNote) {
            SayUnderList({});
        }
        m_keepingNote.clear();
        return;
    }
    m_keepingNote = tr("The list cannot be kept in %1 (%2): a crash would lose it")
                        .arg(QString::fromStdString(m_keeper ? m_keeper->Path() : std::string()),
                             QString::fromStdString(tolvane::SayPieces(failure)));
    SayUnderList(m_keepingNote);
}

void CBrenvixDlg::RestoreKeptList() {
    if (!m_keeper) {
        return;
    }
    const JobRead read = ReadJobFile(m_keeper->Path());
    if (!read.job) {
        // A kept list that cannot be read is set aside, never overwritten, and named.
        std::error_code missing;
        if (!std::filesystem::exists(m_keeper->Path(), missing)) {
            return;
        }
        const std::string aside = tolvane::FirstFreeName(m_keeper->Path() + ".unreadable");
        std::error_code ignored;
        std::filesystem::rename(m_keeper->Path(), aside, ignored);
        SayUnderList(tr("The list kept from the last time cannot be read (%1); it is kept as %2")
                         .arg(QString::fromStdString(tolvane::SayPieces(read.error)),
                              QString::fromStdString(aside)));
        return;
    }
    if (read.job->rows.empty()) {
        return;
    }
    LoadList(*read.job, [this] {
        std::set<std::string> files;
        for (const JobRow& row : m_rows) {
            files.insert(row.source);
        }
        SayUnderList(files.size() == 1 ? tr("Restored the list of 1 file")
                                       : tr("Restored the list of %1 files").arg(files.size()));
    });
}

void CBrenvixDlg::CloseForSignal() {
    m_keepListAtEnd = true;
    CloseWhenStopped();
}
