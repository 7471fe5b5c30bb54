#include "CAVConvertDlg.h"

#include <QAccessible>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include <cstdlib>

#include "AVConvert.h"
#include "CLabel.h"
#include "DialogKeys.h"
#include "PreviewRelay.h"

CAVConvertDlg::CAVConvertDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Tolvane"));
    setModal(true);
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(20, 12, 20, 12);
    layout->setVerticalSpacing(6);

    layout->addWidget(new QLabel(tr("Current File Converting:"), this), 0, 0);
    m_current = new CLabel(this);
    m_current->setText(tr("Converting..."));
    m_current->SetBackground(palette().color(QPalette::Window));
    m_current->setMinimumWidth(340);
    layout->addWidget(m_current, 0, 1, 1, 2);
    m_currentBar = new QProgressBar(this);
    m_currentBar->setRange(0, 100);
    m_currentBar->setValue(0);
    m_currentBar->setAccessibleName(tr("Current file progress"));
    layout->addWidget(m_currentBar, 1, 0, 1, 3);

    layout->addWidget(new QLabel(tr("Total Progress:"), this), 2, 0);
    m_total = new CLabel(this);
    m_total->setText(tr("Converting..."));
    m_total->SetBackground(palette().color(QPalette::Window));
    layout->addWidget(m_total, 2, 1, 1, 2);
    m_totalBar = new QProgressBar(this);
    m_totalBar->setRange(0, 100);
    m_totalBar->setValue(0);
    m_totalBar->setAccessibleName(tr("Total progress"));
    layout->addWidget(m_totalBar, 3, 0, 1, 3);
    // What the whole run has taken and about what it still needs.
    m_times = new QLabel(this);
    m_times->setObjectName("runTimes");
    layout->addWidget(m_times, 4, 0, 1, 3);

    m_shutDownBox = new QCheckBox(tr("Shut down computer when conversion completed"), this);
    layout->addWidget(m_shutDownBox, 5, 0, 1, 2);
    m_stop = new QPushButton(tr("Stop"), this);
    m_stop->setToolTip(tr("Stop converting"));
    m_stop->setAutoDefault(false);
    layout->addWidget(m_stop, 5, 2, Qt::AlignRight);

    // The preview: a hidden option and a hidden native window that SDL may draw into.
    m_showPreview = new QCheckBox(tr("Show preview"), this);
    m_showPreview->setChecked(true);
    m_showPreview->setEnabled(false);
    m_showPreview->hide();
    m_previewWindow = new QWidget(this);
    m_previewWindow->setObjectName("previewWindow");
    // The size of the pictures the live preview draws.
    m_previewWindow->resize(tolvane::kPreviewWidth, tolvane::kPreviewHeight);
    // SDL owns what it shows: Qt never paints over it.
    m_previewWindow->setAttribute(Qt::WA_NoSystemBackground);
    m_previewWindow->setAttribute(Qt::WA_OpaquePaintEvent);
    m_previewWindow->setAttribute(Qt::WA_PaintOnScreen);
    m_previewWindow->setUpdatesEnabled(false);
    m_previewWindow->setEnabled(false);
    m_previewWindow->hide();
    // The worker only wakes this thread up; the picture is drawn here. (By name: the queued
    // call is then made inside Qt, which also frees it.)
    m_preview = std::make_unique<tolvane::PreviewRelay>(
        [this] { QMetaObject::invokeMethod(this, "PresentPreview", Qt::QueuedConnection); });

    connect(m_stop, &QPushButton::clicked, this, &CAVConvertDlg::StopAndClose);
    connect(m_showPreview, &QCheckBox::toggled, this, [this](bool checked) {
        if (m_job != nullptr) {
            m_job->previewHidden = !checked;
        }
    });
    connect(m_shutDownBox, &QCheckBox::toggled, this, [this](bool checked) {
        if (m_shutDown != nullptr) {
            *m_shutDown = checked;
        }
    });
}

void CAVConvertDlg::Attach(AVConvert* job, std::function<void()> stopRunTimer, bool* shutDown) {
    m_job = job;
    m_stopRunTimer = std::move(stopRunTimer);
    m_shutDown = shutDown;
}

void CAVConvertDlg::ClearShutDown() {
    m_shutDownBox->setChecked(false);
}

CAVConvertDlg::ScreenReaderWatch::ScreenReaderWatch() : m_active(QAccessible::isActive()) {
    QAccessible::installActivationObserver(this);
}

CAVConvertDlg::ScreenReaderWatch::~ScreenReaderWatch() {
    QAccessible::removeActivationObserver(this);
}

void CAVConvertDlg::ScreenReaderWatch::accessibilityActiveChanged(bool active) {
    m_active = active;
}

bool CAVConvertDlg::ScreenReaderWatch::Listening() const {
    return m_active || QAccessible::isActive();
}

CAVConvertDlg::~CAVConvertDlg() = default;

void CAVConvertDlg::PublishPreviewWindow() {
    if (m_previewId != 0 || QGuiApplication::platformName() != "xcb") {
        return;
    }
    m_previewId = static_cast<std::uintptr_t>(m_previewWindow->winId());
}

void CAVConvertDlg::PresentPreview() {
    m_preview->Present(m_previewId);
}

tolvane::PreviewSink* CAVConvertDlg::PreviewSink() const {
    return m_preview.get();
}

void CAVConvertDlg::showEvent(QShowEvent* event) {
    m_closing = false;
    PublishPreviewWindow();
    QDialog::showEvent(event);
    m_current->FlashStop();
    // The keyboard starts on Stop: a Space never arms the power-off by accident. The window
    // shows where the keyboard is (the style draws a focus ring only once it has moved).
    setAttribute(Qt::WA_KeyboardFocusChange);
    m_stop->setFocus(Qt::TabFocusReason);
}

void CAVConvertDlg::StopAndClose() {
    if (m_closing) {
        return;
    }
    m_closing = true;
    if (m_job != nullptr) {
        m_job->stopRequested = true;
    }
    // The worker is given 100 ms to see the flag before the run's timer stops; the window's
    // thread goes on meanwhile.
    QTimer::singleShot(100, this, [this] {
        if (m_stopRunTimer) {
            m_stopRunTimer();
        }
        done(QDialog::Accepted);
    });
}

void CAVConvertDlg::keyPressEvent(QKeyEvent* event) {
    // Enter and Escape do not close the dialog.
    if (IsEnterOrEscape(*event)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CAVConvertDlg::reject() {}

void CAVConvertDlg::closeEvent(QCloseEvent* event) {
    // The close box stops like Stop.
    event->ignore();
    StopAndClose();
}

void CAVConvertDlg::SetCurrentText(const QString& text) {
    m_current->setText(text);
}
void CAVConvertDlg::SetTimeText(const QString& text) {
    m_times->setText(text);
}

QString CAVConvertDlg::TimeText() const {
    return m_times->text();
}

void CAVConvertDlg::SetTotalText(const QString& text) {
    m_total->setText(text);
}
void CAVConvertDlg::SetCurrentProgress(int percent) {
    MoveBar(*m_currentBar, percent, m_currentMoved);
}
void CAVConvertDlg::SetTotalProgress(int percent) {
    MoveBar(*m_totalBar, percent, m_totalMoved);
}

void CAVConvertDlg::MoveBar(QProgressBar& bar, int percent, QElapsedTimer& moved) {
    // A screen reader says each move of a bar: while one is listening, a bar moves at most
    // once a second, and at once to its ends and back (a run's end, a new file), so that it
    // speaks without a flood. Otherwise it moves with every message.
    const bool atOnce =
        percent <= 0 || percent >= 100 || percent < bar.value() || !m_screenReader.Listening();
    if (percent == bar.value() || (!atOnce && moved.isValid() && moved.elapsed() < 1000)) {
        return;
    }
    bar.setValue(percent);
    moved.start();
}
QString CAVConvertDlg::CurrentText() const {
    return m_current->text();
}
QString CAVConvertDlg::TotalText() const {
    return m_total->text();
}
int CAVConvertDlg::CurrentProgress() const {
    return m_currentBar->value();
}
int CAVConvertDlg::TotalProgress() const {
    return m_totalBar->value();
}
