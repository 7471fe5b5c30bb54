#pragma once

// Every message box of the program goes through a presenter, so that tests can read what would
// have been shown instead of a modal box waiting for a click.

#include <QMessageBox>
#include <QString>

class QWidget;

class MessagePresenter {
public:
    virtual ~MessagePresenter() = default;
    // Shows `text` with an OK button, titled with the application's name ("Tolvane").
    virtual void Show(QWidget* parent, const QString& text,
                      QMessageBox::Icon icon = QMessageBox::NoIcon) = 0;
};

// The presenter that shows real message boxes.
MessagePresenter& DefaultMessagePresenter();

inline constexpr char kApplicationName[] = "Tolvane";
