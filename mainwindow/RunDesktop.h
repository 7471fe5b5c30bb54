#pragma once

// What the desktop is told while a run goes: the computer does not go to sleep (logind's
// inhibitor lock, held until the run ends), and the run's progress shows on the dock or taskbar
// (the com.canonical.Unity.LauncherEntry signal that KDE Plasma, Dash-to-Dock and others read).
// Without the services nothing happens and nothing waits long.

#include <QDBusUnixFileDescriptor>
#include <QString>

class RunDesktop final {
public:
    RunDesktop() = default;
    ~RunDesktop() { RunEnded(); }
    RunDesktop(const RunDesktop&) = delete;
    RunDesktop& operator=(const RunDesktop&) = delete;

    void RunStarted();
    // `share` of the run done, 0 to 1 (sent when it moves by a percent).
    void Progress(double share);
    void RunEnded();

private:
    void SendLauncherEntry(double share, bool visible);

    QDBusUnixFileDescriptor m_sleepLock;  // closed: sleep is allowed again
    int m_percentShown = -1;
    bool m_running = false;
};

// The desktop entry the program is known by ("org.tolvane.Tolvane").
inline constexpr char kDesktopEntryName[] = "org.tolvane.Tolvane";
