#include "CBrenvixDlg.h"
#include "ListKeeper.h"

// The main window's set-up, painting, dragging, keys, Close and Help.

#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDBusConnection>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScreen>
#include <QShortcut>
#include <QSpinBox>
#include <QTextEdit>
#include <QWindow>

#include "CAVConvertDlg.h"
#include "CBitmapSlider.h"
#include "CCheckListCtrl.h"
#include "CClipDialog.h"
#include "CControlButton.h"
#include "DialogKeys.h"
#include "ElidingComboBox.h"
#include "MessagePresenter.h"
#include "Paths.h"
#include "PictureFrame.h"
#include "PreviewEngine.h"
#include "PreviewTransport.h"
#include "ScreenFit.h"
#include "SkinColours.h"
#include "SkinIds.h"
#include "SkinLayout.h"
#include "SkinText.h"
#include "Translations.h"

namespace {

constexpr int kMainBackgroundId = 290;
constexpr int kIconId = 266;

// Whether keys typed into `widget` edit a text (where Delete deletes a character).
bool EditsText(const QWidget* widget) {
    return qobject_cast<const QLineEdit*>(widget) != nullptr ||
           qobject_cast<const QAbstractSpinBox*>(widget) != nullptr ||
           qobject_cast<const QTextEdit*>(widget) != nullptr ||
           qobject_cast<const QPlainTextEdit*>(widget) != nullptr;
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
    setWindowIcon(QIcon(QPixmap::fromImage(skin::LoadBitmap(kIconId))));
    setAcceptDrops(true);
    // A screen reader takes it for the program's window, not a dialog of another.
    setProperty("accessibleRole", static_cast<int>(QAccessible::Window));
    m_background = QPixmap::fromImage(skin::LoadBitmap(kMainBackgroundId));

    // The format box and its four entries, the first selected.
    m_formatBox = new ElidingComboBox(this);
    m_formatBox->setObjectName(QString::number(ids::kFormatBox));
    m_formatBox->setAccessibleName(tr("Profile"));
    Place(m_formatBox, skin::kFormatBox);
    for (const FormatEntry& entry : kFormatEntries) {
        m_formatBox->addItem(entry.text);
    }
    m_formatBox->addItem(kOriginalAudioEntry);
    m_formatBox->setCurrentIndex(0);

    SetUpButtons();

    m_previewFrame = new PictureFrame(this);
    m_previewFrame->setObjectName(QString::number(ids::kPreviewFrame));
    m_previewFrame->setAccessibleName(tr("Preview"));
    Place(m_previewFrame, skin::kPreviewFrame);
    m_positionSlider = new CBitmapSlider(this, ids::kPositionSlider);
    m_positionSlider->setObjectName(QString::number(ids::kPositionSlider));
    m_positionSlider->setAccessibleName(tr("Position"));
    m_positionSlider->ApplySkin(306, 307, 0, 10000, 0);
    Place(m_positionSlider, skin::kPositionSlider);
    m_positionSlider->setEnabled(false);
    m_volumeSlider = new CBitmapSlider(this, ids::kVolumeSlider);
    m_volumeSlider->setObjectName(QString::number(ids::kVolumeSlider));
    m_volumeSlider->setAccessibleName(tr("Volume level"));
    m_volumeSlider->ApplySkin(300, 299, 0, 100000, 30000);
    Place(m_volumeSlider, skin::kVolumeSlider);

    SetUpTaskList();
    // The start-up values first: the output controls then put back what was remembered.
    ApplyStartupValues(m_settings);
    SetUpOutputControls();

    m_transport = new PreviewTransport(
        {Button(ids::kPlay), Button(ids::kStop), m_positionSlider, m_previewFrame},
        PreviewTransport::StopMode::StopAndClose, this);
    // The volume goes to every file opened.
    m_transport->SetAfterOpen([this] { PreviewEngine_SetVolume(m_volume); });
    SetUpPreview();
    SetUpKeyboard();
    // A check ticked or cleared, or a cell's text changed (the clip dialog writes the times),
    // is a change of the list's rows.
    connect(m_list, &QTableWidget::itemChanged, this, &CBrenvixDlg::FollowCell);
    // The end-of-run notification's buttons come back as the service's signal.
    QDBusConnection::sessionBus().connect(
        QString(), QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("ActionInvoked"), this,
        SLOT(OnNotificationAction(uint, QString)));
    if (!m_services.listFile.isEmpty()) {
        m_keeper = std::make_unique<ListKeeper>(m_services.listFile.toStdString(), [this] {
            // From the keeper's thread: only a wake-up comes up.
            QMetaObject::invokeMethod(this, &CBrenvixDlg::OnKeepingChanged, Qt::QueuedConnection);
        });
        RestoreKeptList();
    }

    FitToScreen();

    connect(&m_run, &RunController::Polled, this, &CBrenvixDlg::OnRunTimer);
    connect(&m_run, &RunController::WorkerEnded, this, &CBrenvixDlg::OnWorkerEnded);
    connect(&m_checker, &FileChecker::Settled, this, &CBrenvixDlg::TakeCheckedFiles);
    m_progress->Attach(
        nullptr, [this] { m_run.StopPolling(); }, &m_shutDown);
    qApp->installEventFilter(this);
}

CBrenvixDlg::~CBrenvixDlg() {
    qApp->removeEventFilter(this);
    PreviewEngine_Stop();
    PreviewEngine_Close();
    // The job lives until the worker has returned.
    WaitForWorker();
}
// ---- Painting, dragging, keys ----

void CBrenvixDlg::SetUpKeyboard() {
    // Tab follows the window's reading order: the commands over the list, the list and the
    // commands under it, the preview and its player, the profile, the output row, Convert, and
    // last the title bar's buttons.
    const QList<QWidget*> order = {Button(ids::kAdd),
                                   Button(ids::kClip),
                                   Button(ids::kHelp),
                                   m_list,
                                   Button(ids::kRemove),
                                   Button(ids::kClearAll),
                                   Button(ids::kMerge),
                                   Button(ids::kFileInfo),
                                   m_filesAtOnce,
                                   m_positionSlider,
                                   Button(ids::kPlay),
                                   Button(ids::kStop),
                                   Button(ids::kCheckVolume),
                                   m_volumeSlider,
                                   m_formatBox,
                                   Button(ids::kSetting),
                                   m_folderBox,
                                   Button(ids::kBrowse),
                                   Button(ids::kFindTarget),
                                   Button(ids::kConvert),
                                   Button(ids::kAbout),
                                   Button(ids::kMinimize),
                                   Button(ids::kClose)};
    for (int i = 0; i + 1 < order.size(); ++i) {
        setTabOrder(order[i], order[i + 1]);
    }
    // F1 opens the help, wherever the focus is.
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this, &CBrenvixDlg::OnHelp);
    auto* saveList = new QShortcut(QKeySequence::Save, this);
    connect(saveList, &QShortcut::activated, this, &CBrenvixDlg::OnSaveList);
    auto* openList = new QShortcut(QKeySequence::Open, this);
    connect(openList, &QShortcut::activated, this, &CBrenvixDlg::OnOpenList);
}

void CBrenvixDlg::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), m_background);
    painter.scale(m_scale, m_scale);
    for (const PaintedText& text : PaintedTexts()) {
        skin::PaintText(painter, text.spot, text.text, text.colour);
    }
}

std::vector<CBrenvixDlg::PaintedText> CBrenvixDlg::PaintedTexts() const {
    const QColor text(skin::colour::kText);
    const QColor secondary(skin::colour::kTextSecondary);
    std::vector<PaintedText> texts{
        {skin::kTaglineText, tr("Sound from every video"), secondary},
        {skin::kGettingStartedText, tr("Getting started"), text},
        {skin::kPreviewText, tr("Preview"), QColor(0x3a, 0x44, 0x52)},
        {skin::kProfileText, tr("Profile:"), secondary},
        {skin::kOutputText, tr("Output:"), secondary},
        {skin::kFilesAtOnceText, tr("Files at once:"), secondary},
    };
    const QString steps[][2] = {
        {tr("Add video files"), tr("Click Add, or drop videos onto this window.")},
        {tr("Edit the selected file"), tr("Clip trims it to a start and an end time.")},
        {tr("Choose the profile"), tr("MP3, WAV, WMA or OGG; Setting refines it.")},
        {tr("Convert"), tr("One audio file per video, or Merge them into one.")},
    };
    for (int i = 0; i < 4; ++i) {
        const double top = skin::kStepTop + i * skin::kStepPitch;
        skin::TextSpot title = skin::kStepTitleText;
        title.y += top;
        skin::TextSpot detail = skin::kStepDetailText;
        detail.y += top;
        texts.push_back({title, steps[i][0], text});
        texts.push_back({detail, steps[i][1], secondary});
    }
    return texts;
}

// ---- The skin's scale ----

void CBrenvixDlg::Place(QWidget* widget, const skin::Box& box) {
    m_placed.emplace_back(widget, box);
    const QRect at = skin::ScaledRect(box, m_scale);
    if (auto* slider = qobject_cast<CBitmapSlider*>(widget)) {
        // A slider takes its bitmaps' size.
        slider->SetScale(m_scale);
        slider->move(at.topLeft());
        return;
    }
    if (auto* button = qobject_cast<CControlButton*>(widget)) {
        button->SetScale(m_scale);
    }
    widget->setGeometry(at);
}

void CBrenvixDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    QWindow* window = windowHandle();
    if (window != nullptr && !m_screenGeometry) {
        // Moved to another screen, or the screen's free area changed (a panel came or went).
        connect(window, &QWindow::screenChanged, this, [this](QScreen* screen) {
            disconnect(m_screenGeometry);
            m_screenGeometry = connect(screen, &QScreen::availableGeometryChanged, this,
                                       &CBrenvixDlg::FitToScreen);
            FitToScreen();
        });
        m_screenGeometry = connect(window->screen(), &QScreen::availableGeometryChanged, this,
                                   &CBrenvixDlg::FitToScreen);
        FitToScreen();
    }
}

void CBrenvixDlg::FitToScreen() {
    const QScreen* shown = screen();
    if (shown == nullptr) {
        return;
    }
    const QSize skinSize(skin::kMainWindow.width, skin::kMainWindow.height);
    ApplySkinScale(skin::FitScale(skinSize, shown->availableGeometry().size()));
}

void CBrenvixDlg::ApplySkinScale(double scale) {
    m_scale = scale;
    setFixedSize(skin::ScaledRect(skin::kMainWindow, scale).size());
    // Text shrinks with the pictures it sits on; at the skin's own size it is the desktop's.
    ScaleFonts(*this, scale);
    const std::vector<std::pair<QWidget*, skin::Box>> placed = std::move(m_placed);
    m_placed.clear();
    for (const auto& [widget, box] : placed) {
        Place(widget, box);
    }
    SizeListColumns();
    // A window that no longer fits where it stands moves back onto the screen.
    if (isVisible() && screen() != nullptr) {
        const QRect free = screen()->availableGeometry();
        QRect frame = frameGeometry();
        frame.moveRight(std::min(frame.right(), free.right()));
        frame.moveBottom(std::min(frame.bottom(), free.bottom()));
        frame.moveLeft(std::max(frame.left(), free.left()));
        frame.moveTop(std::max(frame.top(), free.top()));
        move(frame.topLeft());
    }
    update();
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
    // Escape while files are checked stops the checking (the files checked so far stay).
    if (event->key() == Qt::Key_Escape) {
        m_checker.Cancel();
    }
    // Enter presses the skinned button that has the keyboard, as Space does (the window has
    // no default button).
    auto* focused = qobject_cast<CControlButton*>(QApplication::focusWidget());
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && focused != nullptr &&
        focused->window() == this && focused->isEnabled()) {
        focused->animateClick();
        event->accept();
        return;
    }
    // Enter and Escape leave the window open.
    if (IsEnterOrEscape(*event)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool CBrenvixDlg::eventFilter(QObject* watched, QEvent* event) {
    // The Delete key anywhere in the window removes the selected row and goes no further; in a
    // text box it deletes a character.
    if ((event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget != nullptr && widget->window() == this && isActiveWindow() &&
            !EditsText(widget) && !EditsText(QApplication::focusWidget())) {
            if (event->type() == QEvent::KeyPress) {
                RemoveSelectedRow(false);
            }
            event->accept();
            return true;
        }
    }
    if (event->type() == QEvent::MouseMove) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget != nullptr && widget->window() == this) {
            UpdateHandCursor(
                mapFromGlobal(static_cast<QMouseEvent*>(event)->globalPosition()).toPoint());
        }
    }
    // The keyboard in the list: the Menu key and Shift+F10 open the row's menu; moving to a row
    // is choosing it, as a click is.
    if (m_list != nullptr && watched == m_list && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Menu ||
            (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier)) {
            const QRect row = m_list->visualItemRect(m_list->currentItem());
            ShowContextMenu(m_list->viewport()->mapToGlobal(
                row.isValid() ? row.center() : m_list->viewport()->rect().topLeft()));
            return true;
        }
    }
    if (m_list != nullptr && watched == m_list && event->type() == QEvent::KeyRelease) {
        switch (static_cast<QKeyEvent*>(event)->key()) {
            case Qt::Key_Up:
            case Qt::Key_Down:
            case Qt::Key_PageUp:
            case Qt::Key_PageDown:
            case Qt::Key_Home:
            case Qt::Key_End:
                QMetaObject::invokeMethod(this, &CBrenvixDlg::OnListClicked, Qt::QueuedConnection);
                break;
            default:
                break;
        }
    }
    // A click in the list, on a row or on the empty area below the rows: once the view has
    // made its selection.
    if (m_list != nullptr && watched == m_list->viewport() &&
        event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        QMetaObject::invokeMethod(this, &CBrenvixDlg::OnListClicked, Qt::QueuedConnection);
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
    // On Linux the window manager's close (the title bar's ×, Alt+F4) is the skin's Close.
    if (!m_closing) {
        event->ignore();
        CloseWhenStopped();
        return;
    }
    QDialog::closeEvent(event);
}

void CBrenvixDlg::OnClose() {
    if (m_check) {
        // Files being checked: the checking stops first (and what waited for it is dropped
        // with the window), then the window closes.
        m_checker.Cancel();
        m_afterCheck.clear();
        m_pendingDrops.clear();
        m_closeWhenChecked = true;
        return;
    }
    if (m_run.Going()) {
        // A stopped run's worker is still closing its file: the window closes once it has.
        m_closeWhenRunEnds = true;
        m_afterRun = {};
        return;
    }
    m_closing = true;
    // A clean end: the next start begins with an empty list (one a signal ended is kept).
    if (m_keeper && !m_keepListAtEnd) {
        m_keeper->Forget();
    }
    StopPreview();
    PreviewEngine_Close();
    done(QDialog::Accepted);
}

void CBrenvixDlg::CloseWhenStopped() {
    if (m_progress->IsOpen()) {
        m_progress->StopAndClose();
    }
    // After the run's own loop has ended.
    QMetaObject::invokeMethod(this, &CBrenvixDlg::OnClose, Qt::QueuedConnection);
}

void CBrenvixDlg::OpenOrSayWhy(const QString& path) {
    if (!m_services.desktop->Open(path)) {
        m_services.messages->Show(this,
                                  tr("Could not open %1: no program to open it was found (the "
                                     "xdg-utils package provides one).")
                                      .arg(path));
    }
}

void CBrenvixDlg::OnHelp() {
    // The page in the language the window speaks where there is one ("help.de.html", else
    // "help.pt.html" for pt_BR), else the English one.
    const std::string folder = m_programFolder.toStdString();
    QString help = QString::fromStdString(DataFilePath(folder, "help.html").string());
    const QString language = LoadedLanguage(*QCoreApplication::instance());
    for (const QString& name : {language, language.section('_', 0, 0)}) {
        const QString translated = QString::fromStdString(
            DataFilePath(folder, "help." + name.toStdString() + ".html").string());
        if (!name.isEmpty() && QFileInfo::exists(translated)) {
            help = translated;
            break;
        }
    }
    if (QFileInfo::exists(help)) {
        OpenOrSayWhy(help);
    } else {
        m_services.messages->Show(this, tr("Can not find help file!"));
    }
}
