// tolvane-cli: the conversion engine for scripts and machines without a display.

#include <csignal>
#include <cstdio>
#include <string>
#include <vector>

#include <QCoreApplication>

extern "C" {
#include <libavutil/log.h>
}

#include "CliOptions.h"
#include "CliReport.h"
#include "CliRun.h"
#include "Translations.h"
#include "Version.h"

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    // The messages and --help in the user's language (no event loop runs).
    QCoreApplication app(argc, argv);
    LoadTranslations(app, QCoreApplication::applicationDirPath());
    const CliParse parse = ParseCliArguments(arguments);
    if (!parse.error.empty()) {
        TellUsageError(stderr, parse.error);
        return kCliBadUsage;
    }
    if (parse.options.help) {
        std::fputs(CliUsage().c_str(), stdout);
        return 0;
    }
    if (parse.options.version) {
        std::printf("tolvane-cli %s\n", kTolvaneVersion);
        return 0;
    }
    // The library's own chatter stays out of the way; failures are still reported per file.
    av_log_set_level(AV_LOG_ERROR);
    // A closed pipe (| head -1) and a file size limit (ulimit -f) are write errors where they
    // happen, not the end of the process with part files left behind.
    std::signal(SIGPIPE, SIG_IGN);
    std::signal(SIGXFSZ, SIG_IGN);
    return RunCli(parse.options, stdout, stderr);
}
