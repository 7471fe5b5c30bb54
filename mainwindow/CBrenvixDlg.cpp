#include "CBrenvixDlg.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QThread>
#include <QUrl>
#include <QWindow>

#include "CAVConvertDlg.h"
#include "CAbout.h"
#include "CBitmapSlider.h"
#include "CCheckListCtrl.h"
#include "CClipDialog.h"
#include "CControlButton.h"
#include "CFileInfomation.h"
#include "CSettings.h"
#include "DialogKeys.h"
#include "MessagePresenter.h"
#include "OutputFolder.h"
#include "PictureFrame.h"
#include "PreviewEngine.h"
#include "PreviewTransport.h"
#include "SkinCursor.h"
#include "SkinIds.h"
#include "SkinLayout.h"
#include "TimeText.h"

namespace {

constexpr int kRunTimerMs = 300;
constexpr int kMainBackgroundId = 290;
constexpr int kIconId = 266;
const QColor kListBackground(241, 249, 233);

QRect ToRect(const skin::Box& b) {
    return QRect(b.x, b.y, b.width, b.height);
}

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
        filters << QStringLiteral("%1 (%2)").arg(description, QString(patterns).replace(';', ' '));
    }
    return filters.join(";;");
}

namespace {

struct ButtonSpec {
    int id;
    skin::Box box;
    int shape;  // 0: rectangular
    int hover;
    int normal;
    int disabled;  // 0: never greyed
    bool enabledAtStart;
    const char* tooltip;
    bool handCursor;
};

// Every bitmap button of the main window with its faces (hover, normal, greyed).
const ButtonSpec kButtonSpecs[] = {
    {ids::kAdd, skin::kAddButton, 177, 178, 177, 0, true, "Add File", true},
    {ids::kClip, skin::kClipButton, 280, 226, 180, 280, false, "Clip Video", true},
    {ids::kHelp, skin::kHelpButton, 181, 182, 181, 0, true, "Help", true},
    {ids::kConvert, skin::kConvertButton, 186, 185, 186, 279, false, "Start Converting", true},
    {ids::kRemove, skin::kRemoveButton, 229, 188, 189, 229, false, "Remove", true},
    {ids::kClearAll, skin::kClearAllButton, 269, 269, 191, 212, false, "Clear All", true},
    {ids::kMerge, skin::kMergeButton, 0, 286, 295, 296, false, " Merge into a file", true},
    {ids::kFileInfo, skin::kFileInfoButton, 261, 244, 243, 261, false, "File Information", true},
    {ids::kSetting, skin::kSettingButton, 196, 196, 197, 200, false, "Conversion Settings", true},
    {ids::kBrowse, skin::kBrowseButton, 199, 199, 199, 0, true, "Set output files", true},
    {ids::kFindTarget, skin::kFindTargetButton, 204, 204, 204, 0, true, "Open output files", true},
    {ids::kMinimize, skin::kMinimizeButton, 207, 208, 207, 0, true, "Minimize", true},
    {ids::kClose, skin::kCloseButton, 209, 210, 209, 0, true, "Close", true},
    {ids::kAbout, skin::kAboutButton, 253, 253, 254, 0, true, "About", true},
    {ids::kPlay, skin::kPlayButton, 301, 302, 302, 301, false, "Play", false},
    {ids::kStop, skin::kStopButton, 303, 304, 304, 303, false, "Stop", false},
    {ids::kCheckVolume, skin::kVolumeSymbol, 293, 293, 293, 0, true, "", false},
};

const ButtonSpec* FindSpec(int id) {
    for (const auto& entry : kButtonSpecs) {
        if (entry.id == id) {
            return &entry;
        }
    }
    return nullptr;
}

CControlButton* MakeButton(QWidget* parent, const ButtonSpec& entry) {
    auto* button = new CControlButton(parent);
    button->setObjectName(QString::number(entry.id));
    button->setText(entry.tooltip);
    button->setGeometry(ToRect(entry.box));
    if (entry.shape != 0) {
        button->SetShape(entry.shape);
    }
    button->setEnabled(entry.enabledAtStart);
    if (entry.enabledAtStart) {
        button->SetBitmaps(entry.hover, entry.normal, entry.normal, entry.hover);
    } else {
        button->SetBitmaps(entry.disabled, entry.disabled, entry.disabled, entry.disabled);
    }
    if (*entry.tooltip != '\0') {
        button->setToolTip(entry.tooltip);
    }
    if (entry.handCursor) {
        button->setCursor(SkinHandCursor());
    }
    button->update();
    return button;
}

}  // namespace

CBrenvixDlg::CBrenvixDlg(const WindowServices& services, const QString& programFolder,
                         QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::FramelessWindowHint),
      m_services(services),
      m_programFolder(programFolder),
      m_progress(std::make_unique<CAVConvertDlg>(this)) {
    setWindowTitle(kApplicationName);
    setObjectName("CBrenvixDlg");
    setFixedSize(skin::kMainWindow.width, skin::kMainWindow.height);
    setWindowIcon(QIcon(QPixmap::fromImage(skin::LoadBitmap(kIconId))));
    setAcceptDrops(true);
    m_background = QPixmap::fromImage(skin::LoadBitmap(kMainBackgroundId));

    // The format box and its four entries, the first selected.
    m_formatBox = new QComboBox(this);
    m_formatBox->setObjectName(QString::number(ids::kFormatBox));
    m_formatBox->setGeometry(ToRect(skin::kFormatBox));
    for (const FormatEntry& entry : kFormatEntries) {
        m_formatBox->addItem(entry.text);
    }
    m_formatBox->setCurrentIndex(0);

    SetUpButtons();

    m_previewFrame = new PictureFrame(this);
    m_previewFrame->setObjectName(QString::number(ids::kPreviewFrame));
    m_previewFrame->setGeometry(ToRect(skin::kPreviewFrame));
    m_positionSlider = new CBitmapSlider(this, ids::kPositionSlider);
    m_positionSlider->setObjectName(QString::number(ids::kPositionSlider));
    m_positionSlider->move(skin::kPositionSlider.x, skin::kPositionSlider.y);
    m_positionSlider->ApplySkin(306, 307, 0, 10000, 0);
    m_positionSlider->setEnabled(false);
    m_volumeSlider = new CBitmapSlider(this, ids::kVolumeSlider);
    m_volumeSlider->setObjectName(QString::number(ids::kVolumeSlider));
    m_volumeSlider->move(skin::kVolumeSlider.x, skin::kVolumeSlider.y);
    m_volumeSlider->ApplySkin(300, 299, 0, 100000, 30000);

    SetUpTaskList();
    SetUpOutputControls();
    ApplyStartupValues(m_settings);

    m_transport = new PreviewTransport(
        {Button(ids::kPlay), Button(ids::kStop), m_positionSlider, m_previewFrame},
        PreviewTransport::StopMode::StopAndClose, this);
    // The volume goes to every file opened.
    m_transport->SetAfterOpen([this] { PreviewEngine_SetVolume(m_volume); });
    SetUpPreview();

    m_runTimer.setInterval(kRunTimerMs);
    connect(&m_runTimer, &QTimer::timeout, this, &CBrenvixDlg::OnRunTimer);
    m_progress->Attach(
        nullptr, [this] { m_runTimer.stop(); }, &m_shutDown);
    qApp->installEventFilter(this);
}

CBrenvixDlg::~CBrenvixDlg() {
    qApp->removeEventFilter(this);
    PreviewEngine_Stop();
    PreviewEngine_Close();
    // The job lives until the worker has returned.
    WaitForWorker();
}

void CBrenvixDlg::SetUpButtons() {
    for (const ButtonSpec& entry : kButtonSpecs) {
        m_buttons.emplace_back(entry.id, MakeButton(this, entry));
    }
    connect(Button(ids::kAdd), &QAbstractButton::clicked, this, &CBrenvixDlg::OnAdd);
    connect(Button(ids::kRemove), &QAbstractButton::clicked, this, &CBrenvixDlg::OnRemove);
    connect(Button(ids::kPlay), &QAbstractButton::clicked, this, &CBrenvixDlg::OnPlay);
    connect(Button(ids::kStop), &QAbstractButton::clicked, this, &CBrenvixDlg::StopPreview);
    connect(Button(ids::kClip), &QAbstractButton::clicked, this, &CBrenvixDlg::OnClip);
    connect(Button(ids::kClearAll), &QAbstractButton::clicked, this, &CBrenvixDlg::OnClearAll);
    connect(Button(ids::kConvert), &QAbstractButton::clicked, this, &CBrenvixDlg::OnConvert);
    connect(Button(ids::kMerge), &QAbstractButton::clicked, this, &CBrenvixDlg::OnMerge);
    connect(Button(ids::kBrowse), &QAbstractButton::clicked, this, &CBrenvixDlg::OnBrowse);
    connect(Button(ids::kFindTarget), &QAbstractButton::clicked, this, &CBrenvixDlg::OnFindTarget);
    connect(Button(ids::kHelp), &QAbstractButton::clicked, this, &CBrenvixDlg::OnHelp);
    connect(Button(ids::kClose), &QAbstractButton::clicked, this, &CBrenvixDlg::OnClose);
    connect(Button(ids::kMinimize), &QAbstractButton::clicked, this, &QWidget::showMinimized);
    connect(Button(ids::kFileInfo), &QAbstractButton::clicked, this,
            &CBrenvixDlg::OnFileInformation);
    connect(Button(ids::kSetting), &QAbstractButton::clicked, this, &CBrenvixDlg::OnSetting);
    connect(Button(ids::kAbout), &QAbstractButton::clicked, this, &CBrenvixDlg::OnAbout);
}

CControlButton* CBrenvixDlg::Button(int id) const {
    for (const auto& [buttonId, button] : m_buttons) {
        if (buttonId == id) {
            return button;
        }
    }
    return nullptr;
}

void CBrenvixDlg::Activate(int id) {
    const ButtonSpec* entry = FindSpec(id);
    CControlButton* button = Button(id);
    if (entry == nullptr || button == nullptr) {
        return;
    }
    button->setEnabled(true);
    button->SetBitmaps(entry->hover, entry->normal, entry->normal, entry->hover);
    button->update();
}

void CBrenvixDlg::Grey(int id) {
    const ButtonSpec* entry = FindSpec(id);
    CControlButton* button = Button(id);
    if (entry == nullptr || button == nullptr || entry->disabled == 0) {
        return;
    }
    button->setEnabled(false);
    button->SetBitmaps(entry->disabled, entry->disabled, entry->disabled, entry->disabled);
    button->update();
}

QString CBrenvixDlg::ToolTipFor(int id) const {
    const CControlButton* button = Button(id);
    return button != nullptr ? button->toolTip() : QString();
}

bool CBrenvixDlg::HandCursorOver(int id) const {
    const CControlButton* button = Button(id);
    return button != nullptr && button->testAttribute(Qt::WA_SetCursor) &&
           button->cursor().shape() == SkinHandCursor().shape();
}

void CBrenvixDlg::SetUpTaskList() {
    m_list = new CCheckListCtrl(this);
    m_list->setObjectName(QString::number(ids::kTaskList));
    m_list->setGeometry(ToRect(skin::kTaskList));
    m_list->setColumnCount(6);
    m_list->setHorizontalHeaderLabels(
        {"Source file", "Start time", "End time", "Output format", "Status", "Duration"});
    // The status column takes the list's client width less 450; Duration is hidden.
    const int clientWidth = skin::kTaskList.width - 2 * m_list->frameWidth();
    const int widths[] = {200, 75, 75, 100, clientWidth - 450, 0};
    for (int c = 0; c < 6; ++c) {
        m_list->setColumnWidth(c, widths[c]);
    }
    m_list->setColumnHidden(column::kDuration, true);
    m_list->InitHeaderCheckBox();
    m_list->verticalHeader()->setDefaultSectionSize(22);
    QPalette palette = m_list->palette();
    palette.setColor(QPalette::Base, kListBackground);
    palette.setColor(QPalette::Text, QColor(0x1f, 0x26, 0x30));
    palette.setColor(QPalette::Highlight, QColor(0x25, 0xb3, 0x9e));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    m_list->setPalette(palette);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    m_list->hide();
    connect(m_list, &QTableWidget::itemClicked, this, [this] { OnListClicked(); });
    connect(m_list, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { ShowContextMenu(m_list->viewport()->mapToGlobal(pos)); });
}

void CBrenvixDlg::SetUpOutputControls() {
    m_folderBox = new QComboBox(this);
    m_folderBox->setObjectName(QString::number(ids::kFolderBox));
    m_folderBox->setEditable(true);
    m_folderBox->setInsertPolicy(QComboBox::InsertAlphabetically);
    m_folderBox->setDuplicatesEnabled(true);
    m_folderBox->setGeometry(ToRect(skin::kFolderBox));

    const ProfileLocations locations = LocateProfile(m_programFolder.toStdString());
    m_settingsFile = QString::fromStdString(locations.settingsFile.string());
    m_runFolder = QString::fromStdString(StartupFolder(locations));
    m_folderBox->addItem(m_runFolder);
    m_folderBox->setCurrentIndex(m_folderBox->findText(m_runFolder));
    m_folderBox->setEditText(m_runFolder);

    connect(m_formatBox, &QComboBox::currentIndexChanged, this, &CBrenvixDlg::OnFormatChanged);
}

// ---- Painting, dragging, keys ----

void CBrenvixDlg::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(rect(), m_background);
}

void CBrenvixDlg::mousePressEvent(QMouseEvent* event) {
    // A press on a free spot moves the window.
    if (event->button() == Qt::LeftButton) {
        if (windowHandle() == nullptr || !windowHandle()->startSystemMove()) {
            m_dragging = true;
            m_dragStart = event->globalPosition().toPoint() - frameGeometry().topLeft();
        }
    }
    QDialog::mousePressEvent(event);
}

void CBrenvixDlg::mouseMoveEvent(QMouseEvent* event) {
    if (m_dragging && (event->buttons() & Qt::LeftButton)) {
        move(event->globalPosition().toPoint() - m_dragStart);
    }
    QDialog::mouseMoveEvent(event);
}

void CBrenvixDlg::mouseReleaseEvent(QMouseEvent* event) {
    m_dragging = false;
    QDialog::mouseReleaseEvent(event);
}

void CBrenvixDlg::keyPressEvent(QKeyEvent* event) {
    // Enter and Escape leave the window open.
    if (IsEnterOrEscape(*event)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool CBrenvixDlg::eventFilter(QObject* watched, QEvent* event) {
    // The Delete key anywhere in the window removes the selected row and goes no further.
    if ((event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget != nullptr && widget->window() == this && isActiveWindow()) {
            if (event->type() == QEvent::KeyPress) {
                RemoveSelectedRow(false);
            }
            event->accept();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void CBrenvixDlg::reject() {}
void CBrenvixDlg::accept() {
    if (m_closing) {
        QDialog::accept();
    }
}

void CBrenvixDlg::closeEvent(QCloseEvent* event) {
    // Only the Close button ends the program.
    if (!m_closing) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void CBrenvixDlg::OnClose() {
    m_closing = true;
    StopPreview();
    PreviewEngine_Close();
    WaitForWorker();
    done(QDialog::Accepted);
}

void CBrenvixDlg::OnHelp() {
    const QString help = QDir(m_programFolder).filePath("help.html");
    if (QFileInfo::exists(help)) {
        m_services.desktop->Open(help);
    } else {
        m_services.messages->Show(this, "Can not find help file!");
    }
}

// ---- Task list ----

AVConvert& CBrenvixDlg::SharedJob() {
    if (!m_job) {
        m_job = std::make_unique<AVConvert>();
    }
    return *m_job;
}

QString CBrenvixDlg::FileNameOf(const QString& path) const {
    const int separator = std::max(path.lastIndexOf('/'), path.lastIndexOf('\\'));
    return separator < 0 ? path : path.mid(separator + 1);
}

namespace {

// Doubled separators collapse to one (file dialogs return them for files at a drive root).
QString CollapseSeparators(QString path) {
    if (path.indexOf('\\', 1) > 0) {
        path.replace("\\\\", "\\");
    }
    while (path.contains("//")) {
        path.replace("//", "/");
    }
    return path;
}

}  // namespace

bool CBrenvixDlg::ProbeForList(const QString& path, bool withMessage) {
    WaitForWorker();  // the probe shares the job with a worker that may still be finishing
    AVConvert& job = SharedJob();
    job.probePath = path.toStdString();
    if (job.ProbeMedia() < 0 || job.probe.durationSeconds < 0) {
        if (withMessage) {
            m_services.messages->Show(this, "File:" + FileNameOf(path) + " is invalid!");
        }
        return false;
    }
    return true;
}

void CBrenvixDlg::FillRow(int row, const QString& path, bool checked, const QString& format) {
    const MediaProbeResult& probe = m_job->probe;
    m_list->setItem(row, column::kSource, new QTableWidgetItem(path));
    m_list->SetRowChecked(row, checked);
    m_list->setItem(row, column::kStart, new QTableWidgetItem("00:00:00"));
    m_list->setItem(
        row, column::kEnd,
        new QTableWidgetItem(QString::fromStdString(FormatTimeText(probe.durationSeconds))));
    m_list->setItem(row, column::kFormat, new QTableWidgetItem(format));
    m_list->setItem(row, column::kStatus, new QTableWidgetItem(" Ready"));
    m_list->setItem(row, column::kDuration,
                    new QTableWidgetItem(QString::number(probe.durationMicros / 1000000)));
}

void CBrenvixDlg::OnAdd() {
    AddFiles(m_services.files->OpenFiles(this, QtFileFilter(kMediaFilter)));
}

void CBrenvixDlg::AddFiles(const QStringList& paths) {
    const int before = m_list->rowCount();
    int accepted = 0;
    for (const QString& chosen : paths) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        const QString path = CollapseSeparators(chosen);
        if (!ProbeForList(path, true)) {
            continue;
        }
        ++accepted;
        const int row = before + accepted - 1;
        m_list->insertRow(row);
        FillRow(row, path, true, m_formatBox->currentText());
        Activate(ids::kPlay);
        Activate(ids::kStop);
    }
    PrepareSelectedFileInfo();
    SetButtonStatesAfterAdd();
}

void CBrenvixDlg::DropFiles(const QStringList& paths) {
    for (const QString& dropped : paths) {
        const QString path = CollapseSeparators(dropped);
        if (!ProbeForList(path, true)) {
            continue;
        }
        m_list->insertRow(0);
        FillRow(0, path, false, QString());
    }
    if (m_list->rowCount() > 0) {
        m_list->clearSelection();
        m_list->selectRow(0);
        m_list->setCurrentCell(0, 0);
        m_list->setFocus();
    }
    PrepareSelectedFileInfo();
    SetButtonStatesAfterAdd();
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
    if (!ProbeForList(path, false)) {
        return false;
    }
    m_fileInfo = MakeFileInfoValues(m_job->probe, path.toStdString(),
                                    m_list->item(row, column::kEnd)->text().toStdString());
    return true;
}

void CBrenvixDlg::RemoveSelectedRow(bool stopPreview) {
    const int row = m_list->SelectedRow();
    if (row < 0) {
        return;
    }
    m_list->removeRow(row);
    if (m_list->rowCount() > 0) {
        if (m_list->rowCount() == 1) {
            Grey(ids::kMerge);
        }
        const int next = std::min(row, m_list->rowCount() - 1);
        m_list->clearSelection();
        m_list->selectRow(next);
        m_list->setCurrentCell(next, 0);
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
    m_list->setRowCount(0);
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
    const QString path = m_list->item(row, column::kSource)->text();
    if (!ProbeForList(path, false)) {
        m_services.messages->Show(this, "File:" + path + " invalid!");
        return;
    }
    m_fileInfo = MakeFileInfoValues(m_job->probe, path.toStdString(),
                                    m_list->item(row, column::kEnd)->text().toStdString());
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
    QAction* add = menu.addAction("Add Files..");
    menu.addSeparator();
    QAction* remove = menu.addAction("Remove");
    QAction* clearAll = menu.addAction("Clear All");
    menu.addSeparator();
    QAction* clip = menu.addAction("Clip...");
    menu.addSeparator();
    QAction* info = menu.addAction("File Information...");
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
    } else if (picked == remove) {
        RemoveSelectedRow(false);
    } else if (picked == clearAll) {
        OnClearAll();
    } else if (picked == clip) {
        OnClip();
    } else if (picked == info) {
        OnFileInformation();
    }
}

void CBrenvixDlg::OnFileInformation() {
    if (PrepareSelectedFileInfo()) {
        CFileInfomation dialog(m_fileInfo, this);
        dialog.exec();
    }
}

void CBrenvixDlg::OnSetting() {
    CSettings dialog(m_settings, *m_services.messages, this);
    dialog.exec();
}

void CBrenvixDlg::OnAbout() {
    CAbout dialog(m_services.messages, this);
    dialog.exec();
}

// ---- Output profile and folder ----

void CBrenvixDlg::OnFormatChanged(int index) {
    if (!ApplyFormatChoice(m_settings, index)) {
        return;
    }
    const QString text = m_formatBox->itemText(index);
    for (int row = 0; row < m_list->rowCount(); ++row) {
        m_list->setItem(row, column::kFormat, new QTableWidgetItem(text));
    }
}

void CBrenvixDlg::OnBrowse() {
    for (;;) {
        const std::optional<QString> folder =
            m_services.files->ChooseFolder(this, QString::fromLatin1(kBrowseTitle));
        if (!folder) {
            return;
        }
        if (folder->isEmpty() || !QFileInfo::exists(*folder)) {
            m_services.messages->Show(this, QString::fromLatin1(kFolderInvalidMessage));
            continue;
        }
        m_runFolder = *folder;
        m_folderBox->addItem(*folder);
        m_folderBox->setEditText(*folder);
        return;
    }
}

void CBrenvixDlg::OnFindTarget() {
    m_services.desktop->Open(m_folderBox->currentText());
}

bool CBrenvixDlg::CheckAndRememberFolder(bool createIfMissing) {
    const QString text = m_folderBox->currentText();
    const RunFolderCheck check =
        CheckRunFolder(text.toStdString(), createIfMissing ? RunFolderMode::CreateIfMissing
                                                           : RunFolderMode::ExistingOnly);
    if (check == RunFolderCheck::RefusedWithMessage) {
        m_services.messages->Show(this, QString::fromLatin1(kFolderMissingMessage));
    }
    if (check != RunFolderCheck::Accepted) {
        return false;
    }
    m_runFolder = text;
    WriteRememberedFolder(m_settingsFile.toStdString(), text.toStdString());
    return true;
}

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
    StopPreview();
    const int rows = m_list->rowCount();
    if (rows == 0) {
        m_services.messages->Show(this, "Please add video files!");
        return;
    }
    m_checkedRows.assign(static_cast<std::size_t>(rows), -1);
    int checked = 0;
    for (int row = 0; row < rows; ++row) {
        if (m_list->IsRowChecked(row)) {
            m_checkedRows[static_cast<std::size_t>(row)] = row;
            ++checked;
        }
    }
    if (merge && checked < 2) {
        m_services.messages->Show(this, "Merge is effective when two or more files are chosen!");
        return;
    }
    if (!merge && checked == 0) {
        m_services.messages->Show(this, "Please select at least one task to convert!");
        return;
    }
    if (rows > AVConvert::kMaxTasks) {
        m_services.messages->Show(
            this, QStringLiteral("A run holds at most %1 files.").arg(AVConvert::kMaxTasks));
        return;
    }
    if (!CheckAndRememberFolder(merge)) {
        return;
    }
    // A worker still finishing after Stop must be done before the job is refilled.
    WaitForWorker();
    AVConvert& job = SharedJob();
    job.totalTasksShown = checked;
    job.ResetTasks(rows);
    job.fileProgress = -1;
    job.mergeTotalSeconds = 0;
    const std::string entryText = m_formatBox->currentText().toStdString();
    for (int row = 0; row < rows; ++row) {
        if (m_checkedRows[static_cast<std::size_t>(row)] < 0) {
            continue;
        }
        const auto index = static_cast<std::size_t>(row);
        const std::string source = m_list->item(row, column::kSource)->text().toStdString();
        const double start = static_cast<double>(
            ParseTimeText(m_list->item(row, column::kStart)->text().toStdString()));
        const double end = static_cast<double>(
            ParseTimeText(m_list->item(row, column::kEnd)->text().toStdString()));
        job.sourcePaths[index] = source;
        job.clipStart[index] = start;
        job.clipEnd[index] = end;
        if (merge) {
            job.mergeTotalSeconds += static_cast<int>(end - start);
        } else {
            job.clipLength[index] = end - start;
        }
        const auto output = OutputPathForTask(source, m_runFolder.toStdString(), entryText);
        if (!output) {
            return;  // a file name without a dot: nothing starts, the rows keep their state
        }
        job.outputPaths[index] = *output;
        CopySettingsToJob(m_settings, job);
    }
    job.currentTask = -1;
    job.stopRequested = false;
    job.fileProgress = 0;

    m_runEnding = false;
    m_progress->PublishPreviewWindow();
    m_worker.Start(job, merge ? tolvane::WorkerKind::Merge : tolvane::WorkerKind::Batch);
    m_runTimer.start();
    m_progress->Attach(
        &job, [this] { m_runTimer.stop(); }, &m_shutDown);
    m_progress->SetCurrentText("Converting...");
    m_progress->SetTotalText("Converting...");
    m_progress->SetCurrentProgress(0);
    m_progress->SetTotalProgress(0);
    if (!m_progress->IsOpen()) {
        m_progress->exec();
    }
    // The rows of tasks that finished before a Stop get their status too.
    OnRunTimerRows();
    emit RunFinished();
}

void CBrenvixDlg::OnRunTimerRows() {
    if (!m_job) {
        return;
    }
    const int current = std::min(m_job->currentTask.load(), m_list->rowCount());
    for (int i = 0; i < current; ++i) {
        const int row = i < static_cast<int>(m_checkedRows.size())
                            ? m_checkedRows[static_cast<std::size_t>(i)]
                            : -1;
        if (row < 0) {
            continue;
        }
        const std::uint8_t status = m_job->taskStatus[static_cast<std::size_t>(i)].load();
        if (status == AVConvert::kTaskFailed) {
            m_list->setItem(row, column::kStatus, new QTableWidgetItem("Failure"));
        } else if (status == AVConvert::kTaskConverted) {
            m_list->setItem(row, column::kStatus, new QTableWidgetItem("Completed"));
            m_list->SetRowChecked(row, false);
        }
    }
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
    if (progress >= 0 && current < rows) {
        m_progress->SetCurrentText(
            QStringLiteral("%1   %2% has completed").arg(name).arg(progress));
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
        QStringLiteral("%1 Task Completed / Total %2 Task(s)").arg(done).arg(job.totalTasksShown));
    m_progress->SetTotalProgress(done * 100 / total);
    if (progress >= 0 && progress <= 100) {
        m_progress->SetCurrentProgress(progress);
    }
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
    QThread::msleep(100);
    m_progress->done(QDialog::Accepted);
    // Only a run that reached its end powers off; a stopped one never gets here.
    if (m_shutDown) {
        m_services.power->PowerOff();
    }
}
