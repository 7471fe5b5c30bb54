#pragma once

// A main window for widget tests: its program folder is a scratch folder, its desktop is made of
// fakes (WidgetFakes.h), and SDL plays through the dummy sound driver.

#include <gtest/gtest.h>

#include <QEventLoop>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <memory>

#include "CBrenvixDlg.h"
#include "CCheckListCtrl.h"
#include "CControlButton.h"
#include "TestSupport.h"
#include "WidgetFakes.h"

namespace tolvane::test {

// A generated test file's path.
inline QString M(const std::string& name) {
    return QString::fromStdString(Media(name).string());
}

struct Window {
    ScratchDir program;
    FakeMessages messages;
    FakeFiles files;
    FakeDesktop desktop;
    FakePower power;
    std::unique_ptr<CBrenvixDlg> dlg;
    QString listFile;  // where the window keeps its list (empty: nowhere)

    explicit Window(QString kept = {}) : listFile(std::move(kept)) {
        ::setenv("SDL_AUDIODRIVER", "dummy", 1);
        Start();
    }
    // Closes the window and starts the program again with the same program folder.
    void Restart() {
        dlg.reset();
        Start();
    }
    void Start() {
        dlg = std::make_unique<CBrenvixDlg>(
            WindowServices{&messages, &files, &desktop, &power, listFile},
            QString::fromStdString(program.Path().string()));
        dlg->show();
        // The user stays in the window: no run ends with a desktop notification.
        dlg->SetActiveCheckForTests([] { return true; });
        Settle();  // the list kept from the last time comes in
    }
    // Waits until the files given to the list are checked and what waited for them has run.
    void Settle() {
        if (!QTest::qWaitFor([this] { return !dlg->CheckingFiles(); }, 60000)) {
            ADD_FAILURE() << "the list's files were still checked after a minute";
        }
    }
    CControlButton* B(int id) const { return dlg->Button(id); }
    bool Enabled(int id) const { return B(id)->isEnabled(); }
    void Click(int id) { B(id)->click(); }
    CCheckListCtrl* List() const { return dlg->TaskList(); }
    QString Cell(int row, int column) const { return List()->item(row, column)->text(); }
    void Select(int row) {
        List()->clearSelection();
        List()->selectRow(row);
    }
    void Add(const QStringList& paths) {
        files.nextFiles = paths;
        Click(ids::kAdd);
        Settle();
    }
    QString OutputFolder() const {
        return QString::fromStdString((program.Path() / "OutPut").string());
    }
    // Runs a command that opens the progress dialog and waits until the run is over (and,
    // with `join`, until its worker has returned).
    void RunToEnd(int id, bool join = true) {
        QTimer::singleShot(0, [this, id] { Click(id); });
        QEventLoop loop;
        QObject::connect(dlg.get(), &CBrenvixDlg::RunFinished, &loop, &QEventLoop::quit);
        QTimer::singleShot(60000, &loop, &QEventLoop::quit);
        loop.exec();
        if (join) {
            dlg->WaitForWorker();
        }
    }
};

}  // namespace tolvane::test
