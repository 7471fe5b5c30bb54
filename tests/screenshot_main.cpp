// Pictures of every window for the README, in real windows:
//   tolvane-screenshot OUTPUT_FOLDER PROGRAM_FOLDER LONG_MEDIA MEDIA_FILE...
// main-window.png (rows, one selected), progress.png (a run of LONG_MEDIA under way), clip.png,
// clip-pauses.png (the last MEDIA_FILE, its pauses found), settings.png, settings-opus.png,
// file-information.png, about.png, message.png and mix.png (a game's and a microphone's tracks).

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "AccessibleControls.h"
#include "CAVConvertDlg.h"
#include "CBrenvixDlg.h"
#include "CCheckListCtrl.h"
#include "CClipDialog.h"
#include "CControlButton.h"
#include "CMixDialog.h"
#include "MessagePresenter.h"
#include "SkinLook.h"
#include "Translations.h"
#include "WidgetFakes.h"
#include "WindowServices.h"

namespace {

// Shows the modal window that `open` starts, saves its picture after `delayMs` and closes it
// with `close`. Returns false when no modal window came or the picture was not written.
bool SaveModal(const QString& path, int delayMs, const std::function<void()>& open,
               const std::function<void(QWidget*)>& close) {
    bool saved = false;
    QTimer::singleShot(delayMs, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) {
            return;
        }
        saved = modal->grab().save(path);
        close(modal);
    });
    open();
    return saved;
}

void Reject(QWidget* modal) {
    if (auto* dialog = qobject_cast<QDialog*>(modal)) {
        dialog->reject();
    }
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // In the system's language, as the program shows itself (English without a translation).
    LoadTranslations(app, QStringLiteral(TOLVANE_PROGRAM_FOLDER));
    ApplySkinLook(app);
    InstallAccessibleControls();
    if (argc < 5) {
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    tolvane::test::FakeMessages messages;
    tolvane::test::FakePower power;
    CBrenvixDlg window({&messages, &DesktopFileChooser(), &DesktopFileOpener(), &power, {}},
                       QString::fromLocal8Bit(argv[2]));
    window.show();
    QStringList files;
    for (int i = 4; i < argc; ++i) {
        files << QString::fromLocal8Bit(argv[i]);
    }
    window.AddFiles(files);
    int failures = QTest::qWaitFor([&window] { return !window.CheckingFiles(); }, 60000) ? 0 : 1;
    window.TaskList()->selectRow(1);
    window.OnListClicked();

    QTimer::singleShot(500, [&] {
        failures += window.grab().save(out.filePath("main-window.png")) ? 0 : 1;
        const auto click = [&window](int id) {
            return [&window, id] { window.Button(id)->click(); };
        };
        failures += SaveModal(out.filePath("clip.png"), 1500, click(ids::kClip), Reject) ? 0 : 1;
        failures +=
            SaveModal(out.filePath("settings.png"), 500, click(ids::kSetting), Reject) ? 0 : 1;
        // The Opus entry's settings: only what Opus takes.
        const auto pickFormat = [&window](int index) {
            window.FormatBox()->setCurrentIndex(index);
            window.OnFormatChanged(index);
        };
        pickFormat(4);
        failures +=
            SaveModal(out.filePath("settings-opus.png"), 500, click(ids::kSetting), Reject) ? 0 : 1;
        pickFormat(0);
        failures +=
            SaveModal(out.filePath("file-information.png"), 500, click(ids::kFileInfo), Reject) ? 0
                                                                                                : 1;
        failures += SaveModal(out.filePath("about.png"), 500, click(ids::kAbout), Reject) ? 0 : 1;
        failures += SaveModal(
                        out.filePath("message.png"), 500,
                        [&window] {
                            DefaultMessagePresenter().Show(
                                &window, "Please select at least one task to convert!");
                        },
                        [](QWidget* modal) { modal->close(); })
                        ? 0
                        : 1;
        failures +=
            SaveModal(
                out.filePath("mix.png"), 500,
                [&window] {
                    CMixDialog mix(
                        "",
                        {QString::fromUtf8("1: eng \u00b7 AAC stereo \u00b7 48 kHz \u00b7 Game"),
                         QString::fromUtf8(
                             "2: eng \u00b7 AAC mono \u00b7 48 kHz \u00b7 Microphone")},
                        {{1, 2}, {0.0, 3.0}, 2, 10.0, 9.0}, &window);
                    mix.exec();
                },
                Reject)
                ? 0
                : 1;
        // The last file's pauses on the clip dialog's waveform, once found.
        window.TaskList()->selectRow(window.TaskList()->rowCount() - 1);
        window.OnListClicked();
        QTimer::singleShot(300, [] {
            if (auto* clip = qobject_cast<CClipDialog*>(QApplication::activeModalWidget())) {
                clip->ShowPauses();  // as its waveform's "Show pauses"
            }
        });
        failures +=
            SaveModal(out.filePath("clip-pauses.png"), 3000, click(ids::kClip), Reject) ? 0 : 1;
        // A run of the long file alone, pictured while it converts, then stopped.
        window.OnClearAll();
        window.AddFiles({QString::fromLocal8Bit(argv[3])});
        failures += QTest::qWaitFor([&window] { return !window.CheckingFiles(); }, 60000) ? 0 : 1;
        failures += SaveModal(out.filePath("progress.png"), 1500, click(ids::kConvert),
                              [](QWidget* modal) {
                                  if (auto* progress = qobject_cast<CAVConvertDlg*>(modal)) {
                                      progress->StopAndClose();
                                  }
                              })
                        ? 0
                        : 1;
        window.WaitForWorker();
        QCoreApplication::exit(failures == 0 ? 0 : 1);
    });
    return app.exec();
}
