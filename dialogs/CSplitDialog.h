#pragma once

// "Split at times": a pasted list of times and titles (or a CUE sheet) for one file, and the
// parts it names with their lengths, shown as they are understood before OK.

#include <QDialog>

#include "SplitParts.h"

class QLabel;
class QPlainTextEdit;
class QPlainTextEdit;
class QPushButton;

class CSplitDialog final : public QDialog {
    Q_OBJECT

public:
    // `length`: the file's length in seconds, where the last part ends.
    CSplitDialog(double length, QWidget* parent = nullptr);

    // The parts of the list as it stands.
    const SplitParse& Parts() const { return m_parse; }
    QPlainTextEdit* Editor() const { return m_editor; }
    QPlainTextEdit* Understood() const { return m_understood; }
    QPushButton* OkButton() const { return m_ok; }

private:
    void Reread();

    double m_length;
    SplitParse m_parse;
    QPlainTextEdit* m_editor;
    QPlainTextEdit* m_understood;
    QPushButton* m_ok;
};
