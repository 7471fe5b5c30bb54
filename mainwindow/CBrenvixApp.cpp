#include "CBrenvixApp.h"

extern "C" {
#include <libavutil/log.h>
}

#include "CBrenvixDlg.h"
#include "MessagePresenter.h"
#include "SkinLook.h"
#include "Version.h"
#include "WindowServices.h"

CBrenvixApp::CBrenvixApp(int& argc, char** argv) : m_app(argc, argv) {
    QApplication::setApplicationName(kApplicationName);
    QApplication::setApplicationVersion(kTolvaneVersion);
    ApplySkinLook(m_app);
    // The library's chatter stays out of the terminal; failures are still logged per file.
    av_log_set_level(AV_LOG_ERROR);
}

int CBrenvixApp::Run() {
    const WindowServices services{&DefaultMessagePresenter(), &DesktopFileChooser(),
                                  &DesktopFileOpener(), &LogindPowerControl()};
    CBrenvixDlg window(services, QApplication::applicationDirPath());
    window.show();
    // Files named on the command line (from a file manager, say).
    window.OpenStartupFiles(QApplication::arguments().mid(1));
    window.exec();
    return 0;
}
