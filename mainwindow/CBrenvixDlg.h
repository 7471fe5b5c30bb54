#pragma once

// The main window: a frameless skinned window with the task list, the conversion commands,
// the output profile and folder, and the preview player.

#include <QApplication>
#include <QColor>
#include <QDialog>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "AVConvert.h"
#include "CFileInfomation.h"
#include "ClipHost.h"
#include "FileChecker.h"
#include "FileInfoValues.h"
#include "JobFile.h"
#include "JobPlanner.h"
#include "MediaProbeResult.h"
#include "OutputSettings.h"
#include "RunController.h"
#include "RunDesktop.h"
#include "SkinLayout.h"
#include "SplitParts.h"
#include "WindowServices.h"
#include "Workers.h"

class CAVConvertDlg;
class CClipDialog;
class PictureFrame;
class PreviewTransport;
class CBitmapSlider;
class CCheckListCtrl;
class CControlButton;
class QComboBox;
class QSpinBox;
class QLabel;
class QMenu;
class QTableWidgetItem;
class ListKeeper;

// The key of the end-of-run notification's "Open folder" button.
inline constexpr char kOpenFolderAction[] = "tolvane-open-folder";

// Control ids of the main window (also each control's objectName).
namespace ids {
inline constexpr int kAdd = 1000;
inline constexpr int kClip = 1001;
inline constexpr int kPlay = 1003;
inline constexpr int kConvert = 1004;
inline constexpr int kFindTarget = 1005;
inline constexpr int kBrowse = 1076;
inline constexpr int kFolderBox = 1077;
inline constexpr int kHelp = 1090;
inline constexpr int kRemove = 1092;
inline constexpr int kClearAll = 1095;
inline constexpr int kClose = 1096;
inline constexpr int kMinimize = 1097;
inline constexpr int kAbout = 1098;
inline constexpr int kMerge = 1099;
inline constexpr int kFileInfo = 1102;
inline constexpr int kFormatBox = 1105;
inline constexpr int kTaskList = 1114;
inline constexpr int kSetting = 1115;
inline constexpr int kStop = 1135;
inline constexpr int kCheckVolume = 1137;
inline constexpr int kPreviewFrame = 1139;
inline constexpr int kPositionSlider = 1140;
inline constexpr int kVolumeSlider = 1141;
inline constexpr int kFilesAtOnce = 1150;
}  // namespace ids

// What the source cell of a row keeps besides its text.
inline constexpr int kSoundTracksRole = Qt::UserRole + 1;  // QStringList: the file's track labels

// Columns of the task list.
namespace column {
inline constexpr int kSource = 0;
inline constexpr int kStart = 1;
inline constexpr int kEnd = 2;
inline constexpr int kFormat = 3;
inline constexpr int kStatus = 4;
inline constexpr int kDuration = 5;
}  // namespace column

// The open dialog's filter. Beyond the original entries: WebM, OGV, Ogg and M2TS among all media
// files and on lines of their own, as real recordings come in them; a dropped folder takes the
// same list.
inline constexpr char kMediaFilter[] =
    "All files (*.*)|*.*|All media "
    "files|*.flv;*.swf;*.mov;*.qt;*.avi;*.mpg;*.mpeg;*.mod;*.tod;*.mts;*.ts;*.nut;*.h264;*.nsv;*."
    "dv;*.rm;*.rmvb;*.m2t;*.vob;*.dat;*.mkv;*.mp4;*.m4v;*.3gp;*.3g2;*.3gpp;*.asf;*.wmv;*.wm;*.webm;"
    "*.ogv;*.ogg;*.m2ts|WebM files(*.webm)|*.webm|Ogg files(*.ogv;*.ogg)|*.ogv;*.ogg|Flash "
    "files (*.flv)|*.flv|Real Media Files(*.rm;*.rmvb)|*.rm;*.rmvb|QuickTime "
    "files(*.mov;*.qt)|*.qt;*.mov|AVI files(*.avi)|*.avi|MPEG files(*.mpg;*.mpeg)|*.mpg;*.mpeg|"
    "Unprotected VOB files(*.vob)|*.vob|VCD files(*.dat)|*.dat|Matroska Video "
    "files(*.mkv)|*.mkv|MP4 files(*.mp4;*.m4v)|*.mp4;*.m4v|3GP "
    "files(*.3gp;*.3g2;*.3gpp)|*.3gp;*.3g2;*.3gpp|Windows Media files(*.asf;*.wmv)|*.asf;*.wmv|"
    "MOD files(*.mod)|*.mod|TOD files(*.tod)|*.tod|High-Definition "
    "files(*.mts;*.ts;*.m2t)|*.mts;*.ts;*.m2ts|Digital Video files(*.dv)|*.dv|NUT "
    "files(*.nut)|*.nut|Raw H.264 video files(*.h264)|*.h264|Nullsoft Stream Video(*.nsv)|*.nsv||";

// The open dialog's filter in Qt's form ("Description (*.a *.b);;...").
QString QtFileFilter(const QString& windowsFilter);

class CBrenvixDlg final : public QDialog, public ClipHost {
    Q_OBJECT

public:
    CBrenvixDlg(const WindowServices& services, const QString& programFolder,
                QWidget* parent = nullptr);
    ~CBrenvixDlg() override;

    // ---- Commands (the buttons, the context menu and the keys call these) ----
    void OnAdd();
    void AddFiles(const QStringList& paths);  // the accepted paths of the open dialog
    // Dropped files and folders (a folder gives the media files inside it, in name order),
    // and the files named on the command line.
    void DropFiles(const QStringList& paths);
    // Files (and folders) named when the program starts: added as a drop adds them, reading in
    // the order given.
    void OpenStartupFiles(const QStringList& paths);
    // Files another start of the program handed over: opened as at the start, and the window
    // comes to the front (a run going on takes them once it has ended).
    void TakeHandedOverFiles(const QStringList& paths);
    void OnRemove();
    void OnClearAll();
    void OnListClicked();
    void OnConvert();
    void OnMerge();
    void OnFormatChanged(int index);
    void OnBrowse();
    void OnFindTarget();
    void OnHelp();
    void OnClose();
    // A termination signal, or the window manager's close: a run that is going stops as Stop
    // stops it (the current file is closed playable), then the window closes as its Close
    // button closes it.
    void CloseWhenStopped();
    // Opens a file or folder with the desktop's program; says so, with the path, when none
    // opens it.
    void OpenOrSayWhy(const QString& path);
    void OnFileInformation();
    // The list as a job file: Save list... (Ctrl+S) and Open list... (Ctrl+O). Opening adds the
    // file's rows to the list (its settings become the window's); files that are gone are
    // named once, and the rest come in.
    void OnSaveList();
    void OnOpenList();
    bool OpenList(const QString& path);
    // The rows of `job` added to the list, its settings the window's; then `done` runs (once
    // its files are checked).
    void LoadList(const JobDocument& job, std::function<void()> done = {});
    // Whether files are being checked, or commands wait for a check to end.
    bool CheckingFiles() const { return m_check.has_value() || !m_afterCheck.empty(); }
    // A termination signal (a logout, a kill): the run stops and the window closes, but the
    // list is kept for the next start, as after a crash.
    void CloseForSignal();
    void OnSetting();
    void OnAbout();
    void OnClip();
    // Splits the selected row at its chapters, or at the times a pasted list names.
    void SplitSelectedRowByChapters();
    void SplitSelectedRowAtTimes();
    // Splits the selected row at its pauses, found with the numbers a dialog asks for.
    void SplitSelectedRowAtSilences();

    // ---- Preview player ----
    // Initializes the player for this window (also when the clip dialog hands it back).
    void SetUpPreview() override;
    // The levels Clip read of a file's sound track, kept while the program runs (and while the
    // file is unchanged).
    std::shared_ptr<const tolvane::LevelsRead> KnownLevels(const QString& path,
                                                           int soundTrack) const override;
    void KeepLevels(const QString& path, int soundTrack,
                    std::shared_ptr<const tolvane::LevelsRead> levels) override;
    void OnPlay();
    // The stop routine: stops and closes the player; many commands run it first.
    void StopPreview();
    bool Playing() const;
    bool PlayerOpened() const;
    int PreviewVolume() const { return m_volume; }
    PictureFrame* PreviewFrame() const { return m_previewFrame; }
    CBitmapSlider* PositionSlider() const { return m_positionSlider; }
    CBitmapSlider* VolumeSlider() const { return m_volumeSlider; }
    CClipDialog* ClipDialog() const { return m_clip.get(); }
    // The player's end notification, on the window's thread.
    Q_INVOKABLE void OnPreviewEnded();
    // A button of the desktop notification at the end of a run: "Open folder" opens the output
    // folder.
    Q_SLOT void OnNotificationAction(uint id, const QString& key);

    // ---- ClipHost ----
    QString LastSelectedPath() const override;
    bool AnyRowSelected() const override;
    ClipRow ClipRowTexts() const override;
    void WriteClipRow(const QString& start, const QString& end) override;
    // Prepares the selected row's file information; false without a usable selection.
    bool PrepareSelectedFileInfo();

    // ---- Read by tests and the dialogs ----
    CCheckListCtrl* TaskList() const { return m_list; }
    CControlButton* Button(int id) const;
    QComboBox* FormatBox() const { return m_formatBox; }
    QComboBox* FolderBox() const { return m_folderBox; }
    QSpinBox* FilesAtOnceBox() const { return m_filesAtOnce; }
    CAVConvertDlg* ProgressDialog() const { return m_progress.get(); }
    const OutputSettings& Settings() const { return m_settings; }
    // Several sound tracks of the row's file mixed into its output (none: one track), as the
    // row's Mix tracks dialog gives it.
    void SetRowMix(int row, const tolvane::TrackMix& mix);
    OutputSettings& Settings() { return m_settings; }
    const FileInfoValues& FileInfo() const { return m_fileInfo; }
    const QString& RunFolder() const { return m_runFolder; }
    AVConvert* Job() const { return m_run.Job(); }
    bool WorkerRunning() const { return m_run.WorkerRunning(); }
    bool ShutDownRequested() const { return m_shutDown; }
    const QString& SettingsFile() const { return m_settingsFile; }
    // The skin's scale on the window's screen (1: the skin's own size).
    double SkinScale() const { return m_scale; }
    // The tooltip a control shows now.
    QString ToolTipFor(int id) const;
    // Whether the hand cursor shows over a control, as Qt decides it after the last mouse move.
    bool HandCursorOver(int id) const;
    // The clock of the run's elapsed time and time left (seconds from any origin).
    void SetClockForTests(std::function<double()> secondsNow) {
        m_run.SetClock(std::move(secondsNow));
    }
    // Whether the user is in the program's windows (a run that ends otherwise is notified).
    void SetActiveCheckForTests(std::function<bool()> active) {
        m_windowActive = std::move(active);
    }
    // Waits for a worker that is still finishing (after Stop): tests, and the end of the window.
    void WaitForWorker();
    // The rows the list shows, and the list as a job (its rows and the window's settings).
    const std::vector<JobRow>& Rows() const { return m_rows; }
    JobDocument ListAsJob() const;
    // The line under the list that says what happened to it ("Restored the list of 12 files").
    QString ListNote() const;
    ListKeeper* Keeper() const { return m_keeper.get(); }
    // A text the window paints on its background, in the user's language.
    struct PaintedText {
        skin::TextSpot spot;
        QString text;
        QColor colour;
    };
    std::vector<PaintedText> PaintedTexts() const;

signals:
    // A run has ended and its progress dialog closed.
    void RunFinished();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void reject() override;
    void accept() override;

private:
    // Puts `widget` where the skin has `box`, at the skin's current scale (and again at every
    // change of the scale).
    void Place(QWidget* widget, const skin::Box& box);
    // Scales the skin to fit the available part of the window's screen (never above its own
    // size), keeping its proportions.
    void FitToScreen();
    void ApplySkinScale(double scale);
    void SizeListColumns();
    void SetUpButtons();
    void SetUpKeyboard();
    void SetUpTaskList();
    void SetUpOutputControls();
    void Activate(int id);
    void Grey(int id);
    void SetButtonActive(int id, bool active);
    void SetButtonStatesAfterAdd();
    // The format box's last entry: the original sound, copied; the settings do not apply.
    bool CopiesOriginalAudio() const;
    // What the task list's format column shows for the format box's choice.
    QString FormatColumnText() const;
    // The hand over greyed buttons, from the mouse moves anywhere in the window.
    void UpdateHandCursor(const QPoint& windowPos);

    // Task list.
    // Whether `path`, a file of the list, can be a row (its probe then in m_probe); a refusal's
    // line goes into `refusals` when given. (Files being added: CheckFiles.)
    bool ProbeForList(const QString& path, QStringList* refusals);
    // Whether a checked file may become a row (its probe then in m_probe), else its refusal's
    // line in `refusals` when given.
    bool TakesChecked(const FileChecker::Checked& checked, QStringList* refusals);
    void ShowRefusals(const QStringList& refusals);
    // The line for a path that is never opened: a pipe, device or folder, or nothing there.
    QString UnopenedRefusal(const QString& path) const;
    // Checks `paths` as a list of files being added, two at a time on threads of their own,
    // while the window goes on answering: each usable file (its probe in m_probe) goes to
    // `accept`, in order, a few times a second, and the count shows in the title and under the
    // list. Escape stops the checking: the files checked so far stay. Then `finish` gets the
    // refusals' lines, and what was asked meanwhile runs in its turn.
    void CheckFiles(const QStringList& paths, std::function<void(const QString&)> accept,
                    std::function<void(const QStringList&)> finish);
    // The checker's files settled so far come in as rows; the check ends when they all have.
    void TakeCheckedFiles();
    // Whether a probed file may become a row: one being added (`refusals` given) needs a sound
    // track, and a refusal's line goes there.
    bool AcceptsSound(const QString& path, const MediaProbeResult& probe,
                      QStringList* refusals) const;
    // Puts `rows` into the list at `at` (their file's probe is the job's), showing each.
    void InsertRows(int at, const std::vector<JobRow>& rows, const QString& format);
    // Shows row `row` as m_rows has it.
    void ShowRow(int row, const QString& format);
    // A cell of the list changed: its row takes what it shows (its check, its file, its times).
    void FollowCell(QTableWidgetItem* item);
    void RemoveRows(int row, int count);
    void SetFormatCell(int row, const QString& format);
    // "Tracks 1+2", in the user's language.
    static QString MixedTracksText(const tolvane::TrackMix& mix);
    // The list changed: it is kept for the next start.
    void ListChanged();
    // Brings back the list an unclean end left; says so under the list.
    void RestoreKeptList();
    void SayUnderList(const QString& text);
    // While files are checked, or a stopped run's worker closes its file, the list does not
    // change: a command that would change it or run it is refused in words (true), never
    // dropped silently.
    bool RefusedWhileBusy();
    // Says under the list that it cannot be kept (why), or takes that back (empty).
    void SayListKeeping(const std::string& failure);
    // The keeper wrote the list, or failed to.
    void OnKeepingChanged();
    // The window's settings as a job's.
    JobSettings WindowJobSettings(bool merge) const;
    // One line naming what `settings` asks that the window shows no control for; empty when
    // nothing.
    QString UnshownSettingsText(const JobSettings& settings) const;
    void RemoveSelectedRow(bool stopPreview);
    void ShowContextMenu(const QPoint& globalPos);
    // The sound track a row converts: its number from 1, or 0 for the file's last one. The
    // source cell keeps it and the file's track labels, and its tooltip names it.
    // Puts a row for each part of `split` where row `row` stands, each clipped to its part and
    // checked.
    void SplitRow(int row, const SplitParse& split);
    void SetRowSoundTrack(int row, int number);
    int RowSoundTrack(int row) const;
    // One channel of the row's sound track alone (from 1; 0: all), as its probe `probe` names
    // them; or the row made a row per channel, each to its own file.
    void SetRowChannel(int row, int channel, const MediaProbeResult& probe);
    void SplitRowByChannels(int row, int count);
    // The channel names of the sound track `row` converts, as `probe` has them.
    QStringList RowChannelNames(int row, const MediaProbeResult& probe) const;

    // Runs.
    // Says why the planner refuses a run, in this window's words for each kind.
    void SayRunRefusal(const tolvane::RunRefusal& refusal, const JobSettings& settings);
    void StartRun(bool merge);
    void OnRunTimer();
    void OnRunTimerRows();
    // The worker has returned; the run ends once its progress window has closed.
    void OnWorkerEnded();
    // Every row says what became of it, and the run is over (what waited for it follows).
    void EndRun();
    // A desktop notification of how the run went (for a window the user has left).
    void NotifyRunEnded();
    void FinishRun();
    // The progress window closed, and the power-off notice where it was asked for.
    void CloseFinishedRun();
    bool CheckAndRememberFolder(bool createIfMissing);
    void AddFolderEntry(const QString& folder);

    QString FileNameOf(const QString& path) const;

    WindowServices m_services;
    QString m_programFolder;
    QString m_settingsFile;
    QString m_defaultFolder;

    OutputSettings m_settings;
    FileInfoValues m_fileInfo;
    std::vector<JobRow> m_rows;  // the list's rows; the table shows them
    MediaProbeResult m_probe;    // the last file the list probed
    std::unique_ptr<ListKeeper> m_keeper;
    bool m_keepListAtEnd = false;  // a signal ends the program: the list is kept
    int m_listChanging = 0;        // rows come in one by one: the list is kept once, at the end
    bool m_showingRow = false;     // ShowRow fills the cells from the row, not the other way
    // The files of the list being checked, and what each check does with them.
    FileChecker m_checker;
    struct ListCheck final {
        std::function<void(const QString&)> accept;
        std::function<void(const QStringList&)> finish;
        QStringList refusals;
        QString title;  // the window's, and the line under the list, before the check
        QString note;
        QString countNote;  // the line the check says under the list
    };
    std::optional<ListCheck> m_check;  // while files are checked
    QStringList m_pendingDrops;        // dropped while files were checked
    // Adds and opened lists given while files were checked: each runs in its turn after.
    std::deque<std::function<void()>> m_afterCheck;
    bool m_closeWhenChecked = false;  // Close came during a check: the window closes after it
    QLabel* m_listNote = nullptr;
    QString m_keepingNote;  // the line saying the list cannot be kept, while it says so
    // Levels of sound tracks Clip read, by file and track, with the file's size and change
    // time when read.
    struct KnownLevelsEntry final {
        qint64 size = -1;
        qint64 changed = -1;
        std::shared_ptr<const tolvane::LevelsRead> levels;
    };
    std::map<std::pair<QString, int>, KnownLevelsEntry> m_knownLevels;
    // The settings of the list last opened (or restored) that the window shows no control for,
    // and the members a newer program wrote into it: kept, applied and saved with the list.
    JobSettings m_listSettings;
    JsonValue::Object m_listUnknown;
    LoudnessMemory m_loudnessMemory;  // File Information's measures while the program runs
    RunDesktop m_runDesktop;          // no sleep and the dock's progress while a run goes
    std::unique_ptr<CAVConvertDlg> m_progress;
    // After the progress window: the worker it draws for ends first.
    RunController m_run;
    bool m_shutDown = false;
    bool m_runEnding = false;
    bool m_runShown = false;           // the run's progress window is open
    bool m_closeWhenRunEnds = false;   // Close came while a stopped run's worker finished
    std::function<void()> m_afterRun;  // a run asked for meanwhile
    std::function<bool()> m_windowActive = [] { return QApplication::activeWindow() != nullptr; };
    bool m_closing = false;

    QString m_runFolder;
    CCheckListCtrl* m_list = nullptr;
    QComboBox* m_formatBox = nullptr;
    QComboBox* m_folderBox = nullptr;
    QSpinBox* m_filesAtOnce = nullptr;
    PictureFrame* m_previewFrame = nullptr;
    std::unique_ptr<CClipDialog> m_clip;
    int m_clipRow = -1;

    // Preview player.
    PreviewTransport* m_transport = nullptr;
    int m_volume = 65535;
    CBitmapSlider* m_positionSlider = nullptr;
    CBitmapSlider* m_volumeSlider = nullptr;
    std::vector<std::pair<int, CControlButton*>> m_buttons;
    QPixmap m_background;
    // The skin's scale: 1 draws it at its pictures' size; less where the screen is smaller.
    double m_scale = 1.0;
    std::vector<std::pair<QWidget*, skin::Box>> m_placed;
    QMetaObject::Connection m_screenGeometry;
    QPoint m_dragStart;
    bool m_dragging = false;
};
