#include "CBrenvixApp.h"

extern "C" {
#include <libavutil/log.h>
}

#include "AccessibleControls.h"
#include "CBrenvixDlg.h"
#include "ListKeeper.h"
#include "MessagePresenter.h"
#include "RunDesktop.h"
#include "SingleInstance.h"
#include "SkinLook.h"
#include "TerminationSignals.h"
#include "Translations.h"
#include "Version.h"
#include "WindowServices.h"

CBrenvixApp::CBrenvixApp(int& argc, char** argv)
    : m_signals(std::make_unique<TerminationSignals>(nullptr)), m_app(argc, argv) {
    QApplication::setApplicationName(kApplicationName);
    QApplication::setApplicationVersion(kTolvaneVersion);
    // The dock, the taskbar and the run's progress on them know the program by its entry.
    QGuiApplication::setDesktopFileName(QLatin1String(kDesktopEntryName));
    LoadTranslations(m_app, QCoreApplication::applicationDirPath());
    ApplySkinLook(m_app);
    InstallAccessibleControls();
    // The library's chatter stays out of the terminal; failures are still logged per file.
    av_log_set_level(AV_LOG_ERROR);
}

CBrenvixApp::~CBrenvixApp() = default;

int CBrenvixApp::Run() {
    QStringList files = QApplication::arguments().mid(1);
    // One window per user and display: a second start hands its files to it and ends, unless
    // --new-window asks for a window of its own (which keeps no list across a crash).
    bool newWindow = files.removeAll(QStringLiteral("--new-window")) > 0;
    const QString socketPath = InstanceSocketPath();
    SingleInstance instance(socketPath);
    if (!newWindow && !socketPath.isEmpty()) {
        const auto handed = SingleInstance::HandOver(socketPath, files);
        if (handed == SingleInstance::HandOverResult::Taken) {
            return 0;
        }
        // A running window that does not answer (busy) keeps its list: this one opens on its
        // own, as --new-window does, and never writes the same kept list.
        newWindow = handed == SingleInstance::HandOverResult::NoAnswer || !instance.Listen();
    }
    const WindowServices services{
        &DefaultMessagePresenter(), &DesktopFileChooser(), &DesktopFileOpener(),
        &LogindPowerControl(), newWindow ? QString() : QString::fromStdString(DefaultListFile())};
    CBrenvixDlg window(services, QApplication::applicationDirPath());
    QObject::connect(&instance, &SingleInstance::FilesArrived, &window,
                     [&window](const QStringList& paths) { window.TakeHandedOverFiles(paths); });
    // A logout, a shutdown or a kill: a run stops as Stop stops it, then the program ends.
    m_signals->SetArrived([&window] { window.CloseForSignal(); });
    window.show();
    // Files named on the command line (from a file manager, say).
    window.OpenStartupFiles(files);
    window.exec();
    m_signals->SetArrived(nullptr);
    return 0;
}
