#pragma once

#include <QDialog>
#include <QTimer>

class QLabel;
class QPushButton;

// The last word before a power-off at the end of a run: it counts down, and the computer shuts
// down when it reaches nought or on "Shut down now" (accepted); "Cancel" or Escape keeps it on
// (rejected). So a run that ends while the user works elsewhere never closes their work
// without a chance to stop it.
class CShutDownNotice final : public QDialog {
    Q_OBJECT

public:
    explicit CShutDownNotice(QWidget* parent = nullptr, int seconds = 30);
    QString Text() const;
    QPushButton* ShutDownNowButton() const { return m_now; }
    QPushButton* CancelButton() const { return m_cancel; }

private:
    void Tick();
    void ShowLeft();

    QLabel* m_text = nullptr;
    QPushButton* m_now = nullptr;
    QPushButton* m_cancel = nullptr;
    QTimer m_timer;
    int m_left = 0;
};
