#include "CBrenvixApp.h"

extern "C" {
#include <libavutil/log.h>
}

#include "CBrenvixDlg.h"
#include "ListKeeper.h"
#include "MessagePresenter.h"
#include "SkinLook.h"
#include "TerminationSignals.h"
#include "Version.h"
#include "WindowServices.h"

CBrenvixApp::CBrenvixApp(int& argc, char** argv)
    : m_signals(std::make_unique<TerminationSignals>(nullptr)), m_app(argc, argv) {
    QApplication::setApplicationName(kApplicationName);
    QApplication::setApplicationVersion(kTolvaneVersion);
    ApplySkinLook(m_app);
    // The library's chatter stays out of the terminal; failures are still logged per file.
    av_log_set_level(AV_LOG_ERROR);
}

CBrenvixApp::~CBrenvixApp() = default;

int CBrenvixApp::Run() {
    const WindowServices services{&DefaultMessagePresenter(), &DesktopFileChooser(),
                                  &DesktopFileOpener(), &LogindPowerControl(),
                                  QString::fromStdString(DefaultListFile())};
    CBrenvixDlg window(services, QApplication::applicationDirPath());
    // A logout, a shutdown or a kill: a run stops as Stop stops it, then the program ends.
    m_signals->SetArrived([&window] { window.CloseForSignal(); });
    window.show();
    // Files named on the command line (from a file manager, say).
    window.OpenStartupFiles(QApplication::arguments().mid(1));
    window.exec();
    m_signals->SetArrived(nullptr);
    return 0;
}
