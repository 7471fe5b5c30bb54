// GoogleTest main for widget tests: one QApplication for the whole run.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "AccessibleControls.h"
#include "SkinLook.h"

namespace {

// "--tolvane-locale=NAME": the run is under that locale, or does not run at all. Returns false
// when it cannot be set; `name` gets it.
bool SetLocaleFromArguments(int& argc, char** argv, std::string& name) {
    constexpr std::string_view kOption = "--tolvane-locale=";
    int kept = 1;
    bool ok = true;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument(argv[i]);
        if (argument.substr(0, kOption.size()) != kOption) {
            argv[kept++] = argv[i];
            continue;
        }
        name = argument.substr(kOption.size());
        ::setenv("LC_ALL", name.c_str(), 1);
        if (std::setlocale(LC_ALL, "") == nullptr) {
            std::fprintf(stderr, "the locale %s is not installed\n", name.c_str());
            ok = false;
        }
    }
    argc = kept;
    argv[argc] = nullptr;
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    std::string locale;
    if (!SetLocaleFromArguments(argc, argv, locale)) {
        return 1;
    }
    // Without a display, the windows are drawn off the screen, on a screen of a common desktop's
    // size (the offscreen platform's own is smaller than the main window).
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.isEmpty() || platform == "offscreen") {
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" TOLVANE_OFFSCREEN_SCREEN);
    }
    QApplication app(argc, argv);
    // The program's own look, as its windows wear it.
    ApplySkinLook(app);
    InstallAccessibleControls();
    ::testing::InitGoogleTest(&argc, argv);
    // The windows see the locale too ("de_DE.UTF-8" is Qt's "de_DE").
    if (!locale.empty() &&
        QLocale::system().name().toStdString() != locale.substr(0, locale.find('.'))) {
        std::fprintf(stderr, "the run is not under %s\n", locale.c_str());
        return 1;
    }
    return RUN_ALL_TESTS();
}
