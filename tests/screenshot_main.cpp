// Renders the main window with a few rows into a PNG (for the README):
//   tolvane-screenshot OUTPUT.png PROGRAM_FOLDER MEDIA_FILE...

#include <QApplication>
#include <QDir>
#include <QTimer>

#include "CBrenvixDlg.h"
#include "CCheckListCtrl.h"
#include "MessagePresenter.h"
#include "WidgetFakes.h"
#include "WindowServices.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 4) {
        return 2;
    }
    tolvane::test::FakeMessages messages;
    tolvane::test::FakePower power;
    CBrenvixDlg window({&messages, &DesktopFileChooser(), &DesktopFileOpener(), &power},
                       QString::fromLocal8Bit(argv[2]));
    window.show();
    QStringList files;
    for (int i = 3; i < argc; ++i) {
        files << QString::fromLocal8Bit(argv[i]);
    }
    window.AddFiles(files);
    window.TaskList()->selectRow(1);
    window.OnListClicked();
    int status = 1;
    QTimer::singleShot(500, [&] {
        status = window.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
        QCoreApplication::exit(status);
    });
    app.exec();
    return status;
}
