#pragma once

// What the windows ask of the desktop, behind interfaces that tests replace: message boxes,
// the file and folder choosers, opening files and folders, and powering the computer off; and
// desktop notifications, which tests receive on a session bus of their own.

#include <QString>
#include <QStringList>
#include <optional>

class MessagePresenter;
class QWidget;

class FileChooser {
public:
    virtual ~FileChooser() = default;
    // The files chosen in a multi-selection open dialog (empty when cancelled).
    // The dialog opens in `startFolder` (empty: where the toolkit likes).
    virtual QStringList OpenFiles(QWidget* parent, const QString& qtFilter,
                                  const QString& startFolder) = 0;
    // The folder chosen in a folder browser; no value when cancelled.
    // The chooser opens in `startFolder`.
    virtual std::optional<QString> ChooseFolder(QWidget* parent, const QString& title,
                                                const QString& startFolder) = 0;
    // The name chosen in a save dialog (empty when cancelled).
    virtual QString SaveFile(QWidget* parent, const QString& title, const QString& startPath,
                             const QString& qtFilter) = 0;
};

class DesktopOpener {
public:
    virtual ~DesktopOpener() = default;
    // Opens a file or folder with the desktop's default application.
    virtual bool Open(const QString& path) = 0;
};

class PowerControl {
public:
    virtual ~PowerControl() = default;
    // Asks the system to power the computer off: empty when it agreed, else why not (for
    // people: the system's own words).
    virtual QString PowerOff() = 0;
};

struct WindowServices {
    MessagePresenter* messages;
    FileChooser* files;
    DesktopOpener* desktop;
    PowerControl* power;
    // Where the list is kept across a crash (DefaultListFile()); empty: nowhere.
    QString listFile;
};

// The real choosers and opener (Qt's dialogs and the desktop).
FileChooser& DesktopFileChooser();
DesktopOpener& DesktopFileOpener();
// Powers off through logind on the system bus (org.freedesktop.login1.Manager.PowerOff).
// Only the program's own start-up hands this to a window; tests never do.
PowerControl& LogindPowerControl();

// Shows a desktop notification (org.freedesktop.Notifications on the session bus) without
// waiting for an answer. False when there is no session bus.
// `actions`: pairs of a key and its button's text; a click comes back as the service's
// ActionInvoked signal with the key.
bool NotifyDesktop(const QString& summary, const QString& body, const QStringList& actions = {});
