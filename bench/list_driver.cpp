// Adds files to the window's list as Add does, on the offscreen platform, and prints how long
// the check took and how long the window went without answering:
//   tolvane-list FILE...
// Prints "SECONDS LONGEST_GAP_MS ROWS": the wall time of the whole check, the longest time the
// window's event loop did not run (what a click waits at most), and the rows that came in.

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>

#include "CBrenvixDlg.h"
#include "CCheckListCtrl.h"
#include "WidgetFakes.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStringList paths;
    for (int i = 1; i < argc; ++i) {
        paths << QString::fromLocal8Bit(argv[i]);
    }
    tolvane::test::FakeMessages messages;
    tolvane::test::FakeFiles files;
    tolvane::test::FakeDesktop desktop;
    tolvane::test::FakePower power;
    const QString program = QDir::tempPath() + QStringLiteral("/tolvane-list-bench");
    QDir().mkpath(program);
    CBrenvixDlg window({&messages, &files, &desktop, &power, {}}, program);
    window.show();
    // A timer that wants to run every 5 ms: the longest gap between two of its runs is the
    // longest a click would have waited.
    QElapsedTimer clock;
    qint64 last = 0;
    qint64 longest = 0;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] {
        const qint64 now = clock.elapsed();
        longest = std::max(longest, now - last);
        last = now;
    });
    clock.start();
    tick.start(5);
    window.AddFiles(paths);
    const double seconds = static_cast<double>(clock.elapsed()) / 1000.0;
    tick.stop();
    std::printf("%.3f %lld %d\n", seconds, static_cast<long long>(longest),
                window.TaskList()->rowCount());
    return 0;
}
