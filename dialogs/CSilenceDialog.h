#pragma once

// "Split at silences": the pauses of one row's sound, read in the background once, and the
// parts the two numbers (how quiet, how long a pause is) would make, shown as they change.

#include <QDialog>
#include <QTimer>
#include <memory>

#include "SilenceFinder.h"
#include "SplitParts.h"

class QDoubleSpinBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

class CSilenceDialog final : public QDialog {
    Q_OBJECT

public:
    // Reads `span` (a row's file and clip) at once, on up to `threads` threads.
    CSilenceDialog(tolvane::LevelsSpan span, int threads, QWidget* parent = nullptr);
    ~CSilenceDialog() override;

    // The parts for the numbers as they stand (none until the sound is read).
    const SplitParse& Parts() const { return m_parse; }
    bool Read() const { return m_finder->Done(); }
    QDoubleSpinBox* LevelBox() const { return m_level; }
    QDoubleSpinBox* PauseBox() const { return m_pause; }
    QPlainTextEdit* Understood() const { return m_understood; }
    QPushButton* OkButton() const { return m_ok; }

private:
    void Poll();
    void Recount();

    std::unique_ptr<tolvane::SilenceFinder> m_finder;
    QTimer m_poll;
    SplitParse m_parse;
    QDoubleSpinBox* m_level;
    QDoubleSpinBox* m_pause;
    QPlainTextEdit* m_understood;
    QPushButton* m_ok;
};
