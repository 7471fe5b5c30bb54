#pragma once

// The dialog shown while a worker converts: the current file's and the total progress, Stop,
// the power-off option, and the hidden window the live preview draws into. The main window's
// run timer writes its texts and bars; the dialog writes only the stop and preview flags and
// the main window's power-off choice.

#include <QAccessible>
#include <QDialog>
#include <QElapsedTimer>
#include <cstdint>
#include <functional>
#include <memory>

class AVConvert;
class CLabel;
class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;
namespace tolvane {
class PreviewRelay;
class PreviewSink;
}  // namespace tolvane

class CAVConvertDlg final : public QDialog {
    Q_OBJECT

public:
    explicit CAVConvertDlg(QWidget* parent = nullptr);
    ~CAVConvertDlg() override;

    // What the dialog acts on: the job's flags, the owner's run timer and power-off flag.
    void Attach(AVConvert* job, std::function<void()> stopRunTimer, bool* shutDown);
    // Clears the power-off box (a run starts with it clear; a cancelled notice clears it).
    void ClearShutDown();

    // Stop, and the close box: ask the worker to stop, give it 100 ms, stop the run timer,
    // close with OK.
    void StopAndClose();

    void SetCurrentText(const QString& text);
    void SetTotalText(const QString& text);
    // Elapsed time and time left of the whole run.
    void SetTimeText(const QString& text);
    QString TimeText() const;
    void SetCurrentProgress(int percent);
    void SetTotalProgress(int percent);

    QString CurrentText() const;
    QString TotalText() const;
    int CurrentProgress() const;
    int TotalProgress() const;
    QCheckBox* ShutDownBox() const { return m_shutDownBox; }
    QCheckBox* ShowPreviewBox() const { return m_showPreview; }
    QPushButton* StopButton() const { return m_stop; }
    QWidget* PreviewWindow() const { return m_previewWindow; }

    // Makes the hidden preview window's native window the one the live preview draws into
    // (where the platform has native windows). Done before a worker starts.
    void PublishPreviewWindow();
    // Where a run hands its pictures: they are drawn in the preview window on this dialog's
    // thread. Outlives every run the dialog shows.
    tolvane::PreviewSink* PreviewSink() const;

    // Whether the dialog is open.
    bool IsOpen() const { return isVisible(); }

protected:
    // Draws the newest picture of the live preview (the worker's wake-up calls it).
    Q_INVOKABLE void PresentPreview();

    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void MoveBar(QProgressBar& bar, int percent, QElapsedTimer& moved);

    AVConvert* m_job = nullptr;
    std::function<void()> m_stopRunTimer;
    bool* m_shutDown = nullptr;
    CLabel* m_current;
    CLabel* m_total;
    QLabel* m_times;
    QProgressBar* m_currentBar;
    QProgressBar* m_totalBar;
    // Whether a screen reader listens: the accessibility bridge says so when one starts or ends.
    class ScreenReaderWatch final : public QAccessible::ActivationObserver {
    public:
        ScreenReaderWatch();
        ~ScreenReaderWatch() override;
        ScreenReaderWatch(const ScreenReaderWatch&) = delete;
        ScreenReaderWatch& operator=(const ScreenReaderWatch&) = delete;
        void accessibilityActiveChanged(bool active) override;
        bool Listening() const;

    private:
        bool m_active = false;
    };
    ScreenReaderWatch m_screenReader;
    QElapsedTimer m_currentMoved;  // when each bar last moved
    QElapsedTimer m_totalMoved;
    QCheckBox* m_shutDownBox;
    QCheckBox* m_showPreview;
    QPushButton* m_stop;
    QWidget* m_previewWindow;
    bool m_closing = false;
    std::uintptr_t m_previewId = 0;  // the preview window's native id once published
    std::unique_ptr<tolvane::PreviewRelay> m_preview;
};
