// The task list: Add, drop, Remove, Clear All, selection, the context menu and the dialogs
// that act on the selected row.

#include <QApplication>
#include <QComboBox>
#include <QDirIterator>
#include <QDragEnterEvent>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHeaderView>
#include <QMenu>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <thread>
#include <utility>

#include "CAbout.h"
#include "CBrenvixDlg.h"
#include "CCheckListCtrl.h"
#include "CFileInfomation.h"
#include "CMixDialog.h"
#include "CSettings.h"
#include "CSilenceDialog.h"
#include "CSplitDialog.h"
#include "JobPlan.h"
#include "JobPlanner.h"
#include "MediaProbe.h"
#include "MessagePresenter.h"
#include "Numbers.h"
#include "OutputFolder.h"
#include "Paths.h"
#include "PreviewEngine.h"
#include "SkinIds.h"
#include "SkinLayout.h"
#include "SoundTracks.h"
#include "ThreadBudget.h"
#include "TimeText.h"

namespace {

const QColor kListBackground(241, 249, 233);

// A row's file name with what of it the row takes: "concert.mkv \u2014 02 Second Song".
QString WithWhat(const QString& name, const QString& what) {
    return name + QStringLiteral(" \u2014 ") + what;
}

// The descriptions of the open dialog's filter, for the translators.
[[maybe_unused]] constexpr const char* kFilterDescriptions[] = {
    QT_TRANSLATE_NOOP("FileFilters", "All files"),
    QT_TRANSLATE_NOOP("FileFilters", "All media files"),
    QT_TRANSLATE_NOOP("FileFilters", "WebM files"),
    QT_TRANSLATE_NOOP("FileFilters", "Ogg files"),
    QT_TRANSLATE_NOOP("FileFilters", "Flash files"),
    QT_TRANSLATE_NOOP("FileFilters", "Real Media Files"),
    QT_TRANSLATE_NOOP("FileFilters", "QuickTime files"),
    QT_TRANSLATE_NOOP("FileFilters", "AVI files"),
    QT_TRANSLATE_NOOP("FileFilters", "MPEG files"),
    QT_TRANSLATE_NOOP("FileFilters", "Unprotected VOB files"),
    QT_TRANSLATE_NOOP("FileFilters", "VCD files"),
    QT_TRANSLATE_NOOP("FileFilters", "Matroska Video files"),
    QT_TRANSLATE_NOOP("FileFilters", "MP4 files"),
    QT_TRANSLATE_NOOP("FileFilters", "3GP files"),
    QT_TRANSLATE_NOOP("FileFilters", "Windows Media files"),
    QT_TRANSLATE_NOOP("FileFilters", "MOD files"),
    QT_TRANSLATE_NOOP("FileFilters", "TOD files"),
    QT_TRANSLATE_NOOP("FileFilters", "High-Definition files"),
    QT_TRANSLATE_NOOP("FileFilters", "Digital Video files"),
    QT_TRANSLATE_NOOP("FileFilters", "NUT files"),
    QT_TRANSLATE_NOOP("FileFilters", "Raw H.264 video files"),
    QT_TRANSLATE_NOOP("FileFilters", "Nullsoft Stream Video"),
};

}  // namespace

QString QtFileFilter(const QString& windowsFilter) {
    const QStringList parts = windowsFilter.split('|');
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i].trimmed();
        const QString patterns = parts[i + 1].trimmed();
        if (description.isEmpty() || patterns.isEmpty()) {
            continue;
        }
        // Qt reads the patterns from the last parentheses of the description.
        const int open = description.lastIndexOf('(');
        if (open > 0 && description.endsWith(')')) {
            description = description.left(open).trimmed();
        }
        description = QCoreApplication::translate("FileFilters", description.toUtf8().constData());
        QStringList qtPatterns = patterns.split(';', Qt::SkipEmptyParts);
        for (QString& pattern : qtPatterns) {
            if (pattern == "*.*") {
                pattern = "*";  // all files, also those without a dot in their name
            }
        }
        filters << QStringLiteral("%1 (%2)").arg(description, qtPatterns.join(' '));
    }
    return filters.join(";;");
}

void CBrenvixDlg::SetUpTaskList() {
    m_list = new CCheckListCtrl(this);
    m_list->setObjectName(QString::number(ids::kTaskList));
    m_list->setAccessibleName(tr("Files"));
    m_list->setColumnCount(6);
    m_list->setHorizontalHeaderLabels({tr("Source file"), tr("Start time"), tr("End time"),
                                       tr("Output format"), tr("Status"), tr("Duration")});
    Place(m_list, skin::kTaskList);
    m_list->setColumnHidden(column::kDuration, true);
    // Texts too long for their cells lose their middle, so that a file's name always shows
    // ("/home/…/Videos/concert.mp4"); the whole path is in the tooltip.
    m_list->setTextElideMode(Qt::ElideMiddle);
    // A status or a time drawn a little smaller rather than cut ("Stopped at 00:06:05").
    for (const int column : {column::kStart, column::kEnd, column::kStatus}) {
        m_list->ShrinkTextToFit(column);
    }
    m_list->InitHeaderCheckBox();
    QPalette palette = m_list->palette();
    palette.setColor(QPalette::Base, kListBackground);
    palette.setColor(QPalette::Text, QColor(0x1f, 0x26, 0x30));
    palette.setColor(QPalette::Highlight, QColor(0x25, 0xb3, 0x9e));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    m_list->setPalette(palette);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    // Tab leaves the list for the next control instead of walking its cells.
    m_list->setTabKeyNavigation(false);
    m_list->hide();
    // Clicks on rows and on the empty area below them: see eventFilter.
    connect(m_list, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { ShowContextMenu(m_list->viewport()->mapToGlobal(pos)); });
}

void CBrenvixDlg::SizeListColumns() {
    // The status column takes the list's client width less 450; Duration is hidden. The
    // widths and the rows' height follow the skin's scale.
    const auto scaled = [this](int pixels) {
        return static_cast<int>(std::lround(pixels * m_scale));
    };
    const int clientWidth = m_list->width() - 2 * m_list->frameWidth();
    const int widths[] = {
        scaled(200), scaled(75), scaled(75), scaled(100), clientWidth - scaled(450), 0};
    for (int c = 0; c < 6; ++c) {
        m_list->setColumnWidth(c, widths[c]);
    }
    m_list->verticalHeader()->setDefaultSectionSize(scaled(22));
}

// ---- Task list ----

QString CBrenvixDlg::FileNameOf(const QString& path) const {
    return path.mid(path.lastIndexOf('/') + 1);  // a backslash is part of a name
}

namespace {

// Doubled separators collapse to one (file dialogs return them for files at a drive root).
QString CollapseSeparators(QString path) {
    // Only "/" separates; backslashes are part of the names.
    while (path.contains("//")) {
        path.replace("//", "/");
    }
    return path;
}

}  // namespace

bool CBrenvixDlg::ProbeForList(const QString& path, QStringList* refusals) {
    return TakesChecked(m_checker.CheckNow(path), refusals);
}

QString CBrenvixDlg::UnopenedRefusal(const QString& path) const {
    return QFileInfo::exists(path) ? tr("File:%1 is not a regular file!").arg(FileNameOf(path))
                                   : tr("File:%1 is invalid!").arg(FileNameOf(path));
}

bool CBrenvixDlg::AcceptsSound(const QString& path, const MediaProbeResult& probe,
                               QStringList* refusals) const {
    // A file being added needs a sound track: one without fails only at Convert otherwise.
    // (A row already in the list stays what it is.)
    if (refusals == nullptr || !probe.soundTracks.empty()) {
        return true;
    }
    *refusals << tr("File:%1 has no sound track!").arg(FileNameOf(path));
    return false;
}

void CBrenvixDlg::ShowRefusals(const QStringList& refusals) {
    // One message for every file a list refused, a line each.
    if (!refusals.isEmpty()) {
        m_services.messages->Show(this, refusals.join('\n'));
    }
}

void CBrenvixDlg::InsertRows(int at, const std::vector<JobRow>& rows, const QString& format) {
    m_rows.insert(m_rows.begin() + at, rows.begin(), rows.end());
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        m_list->insertRow(at + i);
        ShowRow(at + i, format);
    }
    ListChanged();
}

void CBrenvixDlg::ShowRow(int row, const QString& format) {
    const MediaProbeResult& probe = m_probe;
    m_showingRow = true;
    const JobRow& shown = m_rows[static_cast<std::size_t>(row)];
    const QString path = QString::fromStdString(shown.source);
    auto* source = new QTableWidgetItem(path);
    QStringList tracks;
    for (std::size_t n = 0; n < probe.soundTracks.size(); ++n) {
        tracks << QString::fromStdString(
            SoundTrackLabel(static_cast<int>(n + 1), probe.soundTracks[n]));
    }
    source->setData(kSoundTracksRole, tracks);
    m_list->setItem(row, column::kSource, source);
    SetRowSoundTrack(row, shown.soundTrack);
    m_list->SetRowChecked(row, shown.checked);
    m_list->setItem(row, column::kStart,
                    new QTableWidgetItem(QString::fromStdString(
                        FormatTimeText(static_cast<std::int64_t>(shown.StartSeconds())))));
    const double end = shown.toEnd ? probe.durationSeconds : shown.EndSeconds();
    m_list->setItem(row, column::kEnd,
                    new QTableWidgetItem(
                        QString::fromStdString(FormatTimeText(static_cast<std::int64_t>(end)))));
    SetFormatCell(row, format);
    m_list->setItem(
        row, column::kStatus,
        // A row keeps its status in English (a list's file reads the same in every language).
        new QTableWidgetItem(shown.status.empty() ? tr(" Ready") : tr(shown.status.c_str())));
    m_list->setItem(row, column::kDuration,
                    new QTableWidgetItem(QString::number(probe.durationMicros / 1000000)));
    if (shown.mix.Any()) {
        // A mix says so: "game.mkv \u2014 Tracks 1+2" (and its format cell too).
        const QString mix = MixedTracksText(shown.mix);
        source->setData(CCheckListCtrl::kShownTextRole, WithWhat(FileNameOf(path), mix));
        source->setToolTip(source->toolTip() + '\n' + tr("Sound tracks mixed: %1").arg(mix));
    }
    if (shown.channel > 0) {
        // One channel alone says which: "interview.mov \u2014 FL" (as its output is named).
        const QStringList channels = RowChannelNames(row, probe);
        const QString name = shown.channel <= channels.size() ? channels[shown.channel - 1]
                                                              : QString::number(shown.channel);
        source->setData(CCheckListCtrl::kShownTextRole, WithWhat(FileNameOf(path), name));
        source->setToolTip(source->toolTip() + '\n' + tr("Channel %1 alone").arg(name));
    }
    if (shown.part.IsPart()) {
        // A part says which it is: "concert.mkv \u2014 02 Second Song" (the path in the tooltip).
        const int width = std::max(2, static_cast<int>(QString::number(shown.part.count).size()));
        const QString number =
            QStringLiteral("%1").arg(shown.part.number, width, 10, QLatin1Char('0'));
        source->setData(
            CCheckListCtrl::kShownTextRole,
            WithWhat(FileNameOf(path),
                     shown.part.title.empty()
                         ? number
                         : number + QLatin1Char(' ') + QString::fromStdString(shown.part.title)));
        const QString title = shown.part.title.empty() ? tr("Part %1").arg(shown.part.number)
                                                       : QString::fromStdString(shown.part.title);
        source->setToolTip(
            source->toolTip() + '\n' +
            tr("Part %1 of %2: %3").arg(shown.part.number).arg(shown.part.count).arg(title));
    }
    m_showingRow = false;
}

void CBrenvixDlg::SetFormatCell(int row, const QString& format) {
    // The column shows the format's entry as the format box has it (cut short where the column
    // is narrow); its tooltip has the whole entry and the format's short name.
    auto* cell = new QTableWidgetItem(format);
    cell->setToolTip(QStringLiteral("%1 (%2)").arg(
        format, QString::fromStdString(FormatShortName(format.toStdString()))));
    // A mix says so where the format is shown ("MP3-…(*.mp3) \u2014 Tracks 1+2"); the cell's
    // text stays the entry, which the row's parts take.
    if (row < static_cast<int>(m_rows.size()) && m_rows[static_cast<std::size_t>(row)].mix.Any()) {
        cell->setData(CCheckListCtrl::kShownTextRole,
                      format + QStringLiteral(" \u2014 ") +
                          MixedTracksText(m_rows[static_cast<std::size_t>(row)].mix));
    }
    m_list->setItem(row, column::kFormat, cell);
}

QString CBrenvixDlg::MixedTracksText(const tolvane::TrackMix& mix) {
    QStringList numbers;
    for (const int track : mix.tracks) {
        numbers << QString::number(track);
    }
    return tr("Tracks %1").arg(numbers.join('+'));
}

void CBrenvixDlg::RemoveRows(int row, int count) {
    for (int i = 0; i < count; ++i) {
        m_list->removeRow(row);
    }
    m_rows.erase(m_rows.begin() + row, m_rows.begin() + row + count);
    ListChanged();
}

void CBrenvixDlg::SetRowSoundTrack(int row, int number) {
    QTableWidgetItem* source = m_list->item(row, column::kSource);
    const QStringList tracks = source->data(kSoundTracksRole).toStringList();
    if (m_rows[static_cast<std::size_t>(row)].soundTrack != number) {
        m_rows[static_cast<std::size_t>(row)].soundTrack = number;
        ListChanged();
    }
    // The track that converts: the chosen one, or the last.
    const int shown = number > 0 ? number : static_cast<int>(tracks.size());
    source->setToolTip(shown > 0 && shown <= tracks.size()
                           ? source->text() + '\n' + tr("Sound track %1").arg(tracks[shown - 1])
                           : source->text());
}

int CBrenvixDlg::RowSoundTrack(int row) const {
    return m_rows[static_cast<std::size_t>(row)].soundTrack;
}

QStringList CBrenvixDlg::RowChannelNames(int row, const MediaProbeResult& probe) const {
    const auto count = static_cast<int>(probe.soundTracks.size());
    const int track = RowSoundTrack(row) > 0 ? RowSoundTrack(row) : count;
    QStringList names;
    if (track >= 1 && track <= count) {
        for (const std::string& name :
             probe.soundTracks[static_cast<std::size_t>(track) - 1].channelNames) {
            names << QString::fromStdString(name);
        }
    }
    return names;
}

void CBrenvixDlg::SetRowChannel(int row, int channel, const MediaProbeResult& probe) {
    JobRow& kept = m_rows[static_cast<std::size_t>(row)];
    if (kept.channel == channel) {
        return;
    }
    kept.channel = channel;
    kept.channelInName = false;
    const QString format = m_list->item(row, column::kFormat)->text();
    const MediaProbeResult shown = m_probe;
    m_probe = probe;
    ShowRow(row, format);
    m_probe = shown;
    ListChanged();
}

void CBrenvixDlg::SetRowMix(int row, const tolvane::TrackMix& mix) {
    JobRow& kept = m_rows[static_cast<std::size_t>(row)];
    if (kept.mix == mix) {
        return;
    }
    kept.mix = mix;
    const QString format = m_list->item(row, column::kFormat)->text();
    if (ProbeForList(m_list->item(row, column::kSource)->text(), nullptr)) {
        ShowRow(row, format);
    }
    ListChanged();
}

void CBrenvixDlg::SplitRowByChannels(int row, int count) {
    if (RefusedWhileBusy()) {
        return;  // the list changes only once its files are checked
    }
    // The probe of the row's file is m_probe (its caller made it).
    JobRow whole = m_rows[static_cast<std::size_t>(row)];
    whole.channel = 0;
    const QString format = m_list->item(row, column::kFormat)->text();
    RemoveRows(row, 1);
    InsertRows(row, tolvane::ChannelRows(whole, count), format);
    m_list->clearSelection();
    m_list->setCurrentCell(row, 0);
    m_list->selectRow(row);
    SetButtonStatesAfterAdd();
    PrepareSelectedFileInfo();
}

bool CBrenvixDlg::TakesChecked(const FileChecker::Checked& checked, QStringList* refusals) {
    switch (checked.verdict) {
        case FileChecker::Verdict::Unopened:
            if (refusals != nullptr) {
                *refusals << UnopenedRefusal(checked.path);
            }
            return false;
        case FileChecker::Verdict::Unreadable:
            if (refusals != nullptr) {
                *refusals << tr("File:%1 is invalid!").arg(FileNameOf(checked.path));
            }
            return false;
        case FileChecker::Verdict::Probed:
            break;
    }
    m_probe = checked.probe;
    return AcceptsSound(checked.path, m_probe, refusals);
}

void CBrenvixDlg::CheckFiles(const QStringList& paths, std::function<void(const QString&)> accept,
                             std::function<void(const QStringList&)> finish) {
    m_check = ListCheck{std::move(accept), std::move(finish), {}, windowTitle(), ListNote(), {}};
    m_checker.Start(paths);
    TakeCheckedFiles();
}

void CBrenvixDlg::TakeCheckedFiles() {
    if (!m_check) {
        return;
    }
    ++m_listChanging;
    m_list->setUpdatesEnabled(false);
    // A few dozen milliseconds of rows at a time: the window answers between them.
    QElapsedTimer budget;
    budget.start();
    while (budget.elapsed() < 30) {
        const std::optional<FileChecker::Checked> checked = m_checker.TakeChecked();
        if (!checked) {
            break;
        }
        if (TakesChecked(*checked, &m_check->refusals)) {
            m_check->accept(checked->path);
        }
    }
    m_list->setUpdatesEnabled(true);
    --m_listChanging;
    ListChanged();
    const std::size_t count = m_checker.Count();
    if (m_checker.Checking()) {
        if (count > 1) {
            const QString text =
                tr("Checking %1 of %2\u2026").arg(m_checker.Taken() + 1).arg(count);
            setWindowTitle(text + QStringLiteral(" - ") + m_check->title);
            m_check->countNote =
                text + QStringLiteral(" Esc cancels; the files checked so far stay.");
            SayUnderList(m_check->countNote);
        }
        return;
    }
    ListCheck check = std::move(*m_check);
    m_check.reset();
    setWindowTitle(check.title);
    // The line under the list comes back as it was, unless something else was said meanwhile.
    if (!check.countNote.isEmpty() && ListNote() == check.countNote) {
        SayUnderList(check.note);
    }
    check.finish(check.refusals);
    if (m_closeWhenChecked) {
        OnClose();
        return;
    }
    if (!m_pendingDrops.isEmpty()) {
        DropFiles(std::exchange(m_pendingDrops, {}));
    }
    // What was asked meanwhile, in its turn (each may check files of its own, and then takes
    // the rest after it).
    while (!m_check && !m_afterCheck.empty()) {
        const std::function<void()> next = std::move(m_afterCheck.front());
        m_afterCheck.pop_front();
        next();
    }
}

bool CBrenvixDlg::RefusedWhileBusy() {
    if (m_check) {
        m_services.messages->Show(this, tr("The files being added are still checked: try again "
                                           "once they are (Esc stops the check)."));
        return true;
    }
    if (m_run.Going()) {
        // The rows still take what the stopped run did: they stay where they are until then.
        m_services.messages->Show(
            this, tr("The stopped run is still closing its file: try again in a moment."));
        return true;
    }
    return false;
}

void CBrenvixDlg::OnAdd() {
    // The dialog opens in the folder files were last added from (remembered across starts).
    const std::string settings = m_settingsFile.toStdString();
    const QStringList chosen =
        m_services.files->OpenFiles(this, QtFileFilter(kMediaFilter),
                                    QString::fromStdString(ReadSetting(settings, "AddFolder")));
    if (!chosen.isEmpty()) {
        WriteSetting(settings, "AddFolder", QFileInfo(chosen.front()).absolutePath().toStdString());
    }
    AddFiles(chosen);
}

void CBrenvixDlg::AddFiles(const QStringList& chosen) {
    if (m_check) {
        // One list of files is checked at a time: these come in as soon as it is done.
        m_afterCheck.push_back([this, chosen] { AddFiles(chosen); });
        return;
    }
    QStringList paths;
    for (const QString& path : chosen) {
        paths << CollapseSeparators(path);
    }
    const auto accept = [this](const QString& path) {
        // Row 0 loses its selection; the new row goes at the end, also when a drop put rows on
        // top while this file was probed.
        m_list->SetRowSelected(0, false);
        InsertRows(m_list->rowCount(),
                   {tolvane::WholeRow(path.toStdString(), m_probe.durationMicros / 1e6)},
                   FormatColumnText());
        Activate(ids::kPlay);
        Activate(ids::kStop);
        // The profile can be refined while the rest are still checked.
        if (!CopiesOriginalAudio()) {
            Activate(ids::kSetting);
        }
    };
    CheckFiles(paths, accept, [this](const QStringList& refusals) {
        PrepareSelectedFileInfo();
        SetButtonStatesAfterAdd();
        ShowRefusals(refusals);
    });
}

namespace {

QStringList MediaFilePatterns() {
    // The patterns of the open dialog's "All media files" entry.
    const QStringList parts = QString::fromLatin1(kMediaFilter).split('|');
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].trimmed() == QLatin1String("All media files")) {
            return parts[i + 1].split(';', Qt::SkipEmptyParts);
        }
    }
    return {};
}

// How the media files of a folder line up: as a drop puts them (each on top, so reversed to
// read in name order) or as Add appends them.
enum class FolderOrder { ForDrop, ForAdd };

QStringList ExpandFolders(const QStringList& paths, FolderOrder order) {
    QStringList expanded;
    for (const QString& path : paths) {
        const QFileInfo info(path);
        if (!info.isDir() || info.isSymLink()) {
            expanded << path;
            continue;
        }
        // The media files inside, also in its folders, in name order.
        QStringList inside;
        QDirIterator it(path, MediaFilePatterns(), QDir::Files | QDir::Readable,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            inside << it.next();
        }
        inside.sort();
        if (order == FolderOrder::ForDrop) {
            std::reverse(inside.begin(), inside.end());
        }
        expanded << inside;
    }
    return expanded;
}

}  // namespace

void CBrenvixDlg::DropFiles(const QStringList& droppedPaths) {
    if (m_check || m_run.Going()) {
        // A drop while files are checked (or a stopped run closes its file) comes in as soon as
        // they are: its rows go on top.
        m_pendingDrops << droppedPaths;
        return;
    }
    QStringList paths;
    for (const QString& path : ExpandFolders(droppedPaths, FolderOrder::ForDrop)) {
        paths << CollapseSeparators(path);
    }
    const auto accept = [this](const QString& path) {
        m_list->SetRowSelected(0, false);
        JobRow row = tolvane::WholeRow(path.toStdString(), m_probe.durationMicros / 1e6);
        row.checked = false;
        InsertRows(0, {row}, QString());
        // A dropped row previews as an added one does.
        Activate(ids::kPlay);
        Activate(ids::kStop);
    };
    CheckFiles(paths, accept, [this](const QStringList& refusals) {
        if (m_list->rowCount() > 0) {
            // Row 0 joins the selection (rows selected further down stay so) and takes the
            // focus.
            m_list->setCurrentCell(0, 0, QItemSelectionModel::NoUpdate);
            m_list->SetRowSelected(0, true);
            m_list->setFocus();
        }
        PrepareSelectedFileInfo();
        SetButtonStatesAfterAdd();
        ShowRefusals(refusals);
    });
}

void CBrenvixDlg::OpenStartupFiles(const QStringList& paths) {
    if (paths.isEmpty()) {
        return;
    }
    // Files opened with the program (from a file manager) are to be converted: they come in as
    // Add brings them, checked and with the current format, folders with the media inside; a
    // saved list opens as Open list opens it.
    QStringList media;
    for (const QString& path : paths) {
        if (path.endsWith(QLatin1String(kJobFileExtension.data()))) {
            OpenList(path);
        } else {
            media << path;
        }
    }
    if (!media.isEmpty()) {
        AddFiles(ExpandFolders(media, FolderOrder::ForAdd));
    }
}

void CBrenvixDlg::TakeHandedOverFiles(const QStringList& paths) {
    if (isMinimized()) {
        showNormal();
    }
    raise();
    activateWindow();
    if (CheckingFiles() || m_run.Going()) {
        // The list changes only between checks and runs: they come in as soon as it may.
        QTimer::singleShot(500, this, [this, paths] { TakeHandedOverFiles(paths); });
        return;
    }
    OpenStartupFiles(paths);
}

void CBrenvixDlg::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) {
        event->acceptProposedAction();
    }
}

void CBrenvixDlg::dropEvent(QDropEvent* event) {
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile()) {
            paths << url.toLocalFile();
        }
    }
    event->acceptProposedAction();
    DropFiles(paths);
}

void CBrenvixDlg::SetButtonStatesAfterAdd() {
    if (m_list->rowCount() == 0) {
        m_list->hide();
        for (int id : {ids::kClearAll, ids::kConvert, ids::kSetting, ids::kMerge, ids::kFileInfo}) {
            Grey(id);
        }
        return;
    }
    m_list->show();
    for (int id :
         {ids::kClearAll, ids::kConvert, ids::kClip, ids::kRemove, ids::kFileInfo, ids::kSetting}) {
        Activate(id);
    }
    if (CopiesOriginalAudio()) {
        Grey(ids::kSetting);
    }
    if (m_list->rowCount() >= 2) {
        Activate(ids::kMerge);
    } else {
        Grey(ids::kMerge);
    }
}

bool CBrenvixDlg::PrepareSelectedFileInfo() {
    const int row = m_list->SelectedRow();
    if (row < 0) {
        return false;
    }
    const QString path = m_list->item(row, column::kSource)->text();
    if (!ProbeForList(path, nullptr)) {
        return false;
    }
    m_fileInfo = MakeFileInfoValues(m_probe, path.toStdString(),
                                    m_list->item(row, column::kEnd)->text().toStdString(),
                                    RowSoundTrack(row));
    return true;
}

void CBrenvixDlg::RemoveSelectedRow(bool stopPreview) {
    if (RefusedWhileBusy()) {
        return;  // the list changes only once its files are checked
    }
    const int row = m_list->SelectedRow();
    if (row < 0) {
        return;
    }
    RemoveRows(row, 1);
    if (m_list->rowCount() > 0) {
        if (m_list->rowCount() == 1) {
            Grey(ids::kMerge);
        }
        // The row now at the removed one's index is selected and focused; the other selected
        // rows stay selected.
        const int next = std::min(row, m_list->rowCount() - 1);
        const QModelIndex index = m_list->model()->index(next, 0);
        m_list->selectionModel()->select(index,
                                         QItemSelectionModel::Select | QItemSelectionModel::Rows);
        m_list->selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
        m_list->setFocus();
    } else {
        m_list->hide();
        for (int id : {ids::kClip, ids::kConvert, ids::kSetting, ids::kClearAll, ids::kRemove,
                       ids::kMerge, ids::kFileInfo}) {
            Grey(id);
        }
    }
    if (stopPreview) {
        StopPreview();  // the Remove button, but not the menu or the Delete key
    }
}

void CBrenvixDlg::OnRemove() {
    RemoveSelectedRow(true);
}

void CBrenvixDlg::OnClearAll() {
    if (RefusedWhileBusy()) {
        return;  // the list changes only once its files are checked
    }
    m_list->setRowCount(0);
    m_rows.clear();
    // An empty list asks for nothing more than the window shows.
    m_listSettings = {};
    m_listUnknown.clear();
    ListChanged();
    m_list->hide();
    for (int id : {ids::kClearAll, ids::kClip, ids::kRemove, ids::kConvert, ids::kSetting,
                   ids::kMerge, ids::kFileInfo}) {
        Grey(id);
    }
    StopPreview();
}

void CBrenvixDlg::OnListClicked() {
    StopPreview();
    const int row = m_list->SelectedRow();
    if (row < 0) {
        for (int id : {ids::kClip, ids::kRemove, ids::kMerge, ids::kFileInfo}) {
            Grey(id);
        }
        return;
    }
    if (!PrepareSelectedFileInfo()) {  // the selected row's file no longer probes
        m_services.messages->Show(
            this, tr("File:%1 invalid!").arg(m_list->item(row, column::kSource)->text()));
        return;
    }
    for (int id : {ids::kClip, ids::kRemove, ids::kConvert, ids::kFileInfo}) {
        Activate(id);
    }
    if (row != m_list->rowCount() - 1) {
        Activate(ids::kMerge);
    }
}

void CBrenvixDlg::ShowContextMenu(const QPoint& globalPos) {
    const bool selected = m_list->SelectedRow() >= 0;
    QMenu menu(this);
    QAction* add = menu.addAction(tr("Add Files.."));
    QAction* openList = menu.addAction(tr("Open list\u2026"));
    openList->setShortcut(QKeySequence::Open);
    QAction* saveList = menu.addAction(tr("Save list\u2026"));
    saveList->setShortcut(QKeySequence::Save);
    saveList->setEnabled(m_list->rowCount() > 0);
    menu.addSeparator();
    QAction* remove = menu.addAction(tr("Remove"));
    QAction* clearAll = menu.addAction(tr("Clear All"));
    menu.addSeparator();
    QAction* clip = menu.addAction(tr("Clip..."));
    menu.addSeparator();
    QAction* info = menu.addAction(tr("File Information..."));
    const int row = m_list->SelectedRow();
    // A long recording in parts: at its chapters (only a file that has them), or at times.
    menu.addSeparator();
    QAction* splitChapters = nullptr;
    if (selected && PrepareSelectedFileInfo() && m_fileInfo.chapterCount > 0) {
        splitChapters = menu.addAction(tr("Split by chapters"));
    }
    QAction* splitTimes = menu.addAction(tr("Split at times\u2026"));
    splitTimes->setEnabled(selected);
    QAction* splitSilences = menu.addAction(tr("Split at silences\u2026"));
    splitSilences->setEnabled(selected);
    // The sound track the selected row converts, when its file has any.
    const QStringList tracks =
        selected ? m_list->item(row, column::kSource)->data(kSoundTracksRole).toStringList()
                 : QStringList();
    // Only a file with a choice of sound tracks offers one.
    if (tracks.size() >= 2) {
        menu.addSeparator();
        QMenu* trackMenu = menu.addMenu(tr("Sound track"));
        const int chosen = RowSoundTrack(row) > 0 ? RowSoundTrack(row) : tracks.size();
        for (int n = 1; n <= tracks.size(); ++n) {
            QAction* track = trackMenu->addAction(tracks[n - 1]);
            track->setCheckable(true);
            track->setChecked(n == chosen);
            // The last track is what an untouched row converts: picking it is no choice.
            connect(track, &QAction::triggered, this, [this, row, n, count = tracks.size()] {
                if (row < m_list->rowCount()) {
                    SetRowMix(row, {});
                    SetRowSoundTrack(row, n == count ? 0 : n);
                }
            });
        }
        // Several tracks into one output, each at its gain, the voice above the rest.
        trackMenu->addSeparator();
        QAction* mixTracks = trackMenu->addAction(tr("Mix tracks\u2026"));
        mixTracks->setCheckable(true);
        mixTracks->setChecked(m_rows[static_cast<std::size_t>(row)].mix.Any());
        connect(mixTracks, &QAction::triggered, this, [this, row, tracks] {
            if (row >= m_list->rowCount()) {
                return;
            }
            CMixDialog dialog(m_rows[static_cast<std::size_t>(row)].source, tracks,
                              m_rows[static_cast<std::size_t>(row)].mix, this);
            // The preview plays from where the window's preview stands (paused meanwhile),
            // in the format Convert would write.
            double from = m_rows[static_cast<std::size_t>(row)].StartSeconds();
            float fraction = 0.0F;
            double duration = 0.0;
            if (PlayerOpened() && PreviewEngine_GetPos(&fraction) == 0 &&
                PreviewEngine_GetDuration(&duration) == 0 && fraction > 0.0F) {
                from = std::max(from, static_cast<double>(fraction) * duration);
            }
            if (Playing()) {
                OnPlay();
            }
            dialog.OfferPreview(WindowJobSettings(false), m_rows[static_cast<std::size_t>(row)],
                                from);
            if (dialog.exec() == QDialog::Accepted) {
                SetRowMix(row, dialog.Mix());
            }
        });
    }
    // One channel alone, or each to its own file, when the row's sound track has several.
    if (selected && ProbeForList(m_list->item(row, column::kSource)->text(), nullptr)) {
        const QStringList channels = RowChannelNames(row, m_probe);
        const auto channelCount = static_cast<int>(channels.size());
        if (channelCount >= 2) {
            const MediaProbeResult probe = m_probe;
            QMenu* channelMenu = menu.addMenu(tr("Channels"));
            const int chosen = m_rows[static_cast<std::size_t>(row)].channel;
            for (int n = 0; n <= channelCount; ++n) {
                QAction* one = channelMenu->addAction(n == 0 ? tr("All channels")
                                                             : tr("%1 alone").arg(channels[n - 1]));
                one->setCheckable(true);
                one->setChecked(n == chosen);
                connect(one, &QAction::triggered, this, [this, row, n, probe] {
                    if (row < m_list->rowCount()) {
                        SetRowChannel(row, n, probe);
                    }
                });
            }
            channelMenu->addSeparator();
            QAction* every = channelMenu->addAction(tr("Every channel to its own file"));
            connect(every, &QAction::triggered, this, [this, row, channelCount] {
                if (row < m_list->rowCount() &&
                    ProbeForList(m_list->item(row, column::kSource)->text(), nullptr)) {
                    SplitRowByChannels(row, channelCount);
                }
            });
        }
    }
    remove->setEnabled(selected);
    clip->setEnabled(selected);
    info->setEnabled(selected);
    if (selected) {
        for (int id : {ids::kConvert, ids::kFileInfo, ids::kClip, ids::kRemove}) {
            Activate(id);
        }
    } else {
        for (int id : {ids::kFileInfo, ids::kClip, ids::kRemove}) {
            Grey(id);
        }
    }
    QAction* picked = menu.exec(globalPos);
    if (picked == add) {
        OnAdd();
    } else if (picked == openList) {
        OnOpenList();
    } else if (picked == saveList) {
        OnSaveList();
    } else if (picked == remove) {
        RemoveSelectedRow(false);
    } else if (picked == clearAll) {
        OnClearAll();
    } else if (picked == clip) {
        OnClip();
    } else if (picked == info) {
        OnFileInformation();
    } else if (picked != nullptr && picked == splitChapters) {
        SplitSelectedRowByChapters();
    } else if (picked == splitTimes) {
        SplitSelectedRowAtTimes();
    } else if (picked == splitSilences) {
        SplitSelectedRowAtSilences();
    }
}

void CBrenvixDlg::SplitSelectedRowByChapters() {
    const int row = m_list->SelectedRow();
    if (row < 0 || !ProbeForList(m_list->item(row, column::kSource)->text(), nullptr)) {
        return;
    }
    const MediaProbeResult& probe = m_probe;
    const SplitParse split =
        PartsFromChapters(probe.chapters, static_cast<double>(probe.durationMicros) / 1e6);
    SplitRow(row, split);
    if (!split.problems.empty()) {
        QStringList lines;
        for (const std::string& problem : split.problems) {
            lines << QString::fromStdString(problem);
        }
        m_services.messages->Show(this, tr("Chapters left out:") + '\n' + lines.join('\n'));
    }
}

void CBrenvixDlg::SplitSelectedRowAtTimes() {
    const int row = m_list->SelectedRow();
    if (row < 0 || !ProbeForList(m_list->item(row, column::kSource)->text(), nullptr)) {
        return;
    }
    CSplitDialog dialog(static_cast<double>(m_probe.durationMicros) / 1e6, this);
    if (dialog.exec() == QDialog::Accepted) {
        SplitRow(row, dialog.Parts());
    }
}

void CBrenvixDlg::SplitSelectedRowAtSilences() {
    const int row = m_list->SelectedRow();
    if (row < 0 || !ProbeForList(m_list->item(row, column::kSource)->text(), nullptr)) {
        return;
    }
    // The row's clip is what is split.
    const JobRow& whole = m_rows[static_cast<std::size_t>(row)];
    const double length = static_cast<double>(m_probe.durationMicros) / 1e6;
    const double start = whole.StartSeconds();
    const bool toEnd = whole.toEnd || whole.EndSeconds() >= length;
    const double span = std::max(0.0, (toEnd ? length : whole.EndSeconds()) - start);
    CSilenceDialog dialog({whole.source, whole.soundTrack, start, span, toEnd, span},
                          tolvane::SoundReadersForCores(), this);
    if (dialog.exec() == QDialog::Accepted) {
        SplitRow(row, dialog.Parts());
    }
}

void CBrenvixDlg::SplitRow(int row, const SplitParse& split) {
    if (RefusedWhileBusy()) {
        return;  // the list changes only once its files are checked
    }
    if (split.parts.empty()) {
        return;
    }
    // The probe of the row's file is m_probe (its caller made it).
    const JobRow whole = m_rows[static_cast<std::size_t>(row)];
    const QString format = m_list->item(row, column::kFormat)->text();
    // A part without a title of its own is named and tagged as the list shows it, in the
    // user's language ("Teil 3").
    std::vector<SplitPart> parts = split.parts;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (parts[i].title.empty()) {
            parts[i].title = tr("Part %1").arg(i + 1).toStdString();
        }
    }
    RemoveRows(row, 1);
    InsertRows(row, tolvane::PartRows(whole, parts, tolvane::AlbumOf(whole.source, m_probe)),
               format);
    m_list->clearSelection();
    m_list->setCurrentCell(row, 0);
    m_list->selectRow(row);
    SetButtonStatesAfterAdd();
    PrepareSelectedFileInfo();
}

void CBrenvixDlg::OnFileInformation() {
    if (PrepareSelectedFileInfo()) {
        CFileInfomation dialog(m_fileInfo, this, &m_loudnessMemory);
        dialog.exec();
    }
}

void CBrenvixDlg::OnSetting() {
    CSettings dialog(m_settings, *m_services.messages, this);
    if (dialog.exec() == QDialog::Accepted) {
        // The loudness, tempo, night mode and fades are remembered for the next start.
        const std::string file = m_settingsFile.toStdString();
        WriteSetting(file, "Loudness", FormatFixed(m_settings.loudnessTarget, 1));
        const tolvane::ListenShape& listen = m_settings.listen;
        WriteSetting(file, "Tempo", FormatShort(listen.tempo));
        WriteSetting(file, "Night", listen.night ? "1" : "0");
        WriteSetting(file, "FadeIn", FormatShort(listen.fadeIn));
        WriteSetting(file, "FadeOut", FormatShort(listen.fadeOut));
        WriteSetting(file, "Crossfade", FormatShort(listen.crossfade));
        WriteSetting(file, "CenterMix", FormatShort(m_settings.centerMixDb));
    }
}

void CBrenvixDlg::OnAbout() {
    CAbout dialog(m_services.messages, this);
    dialog.exec();
}
