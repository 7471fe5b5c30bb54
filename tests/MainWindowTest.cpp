// The main window, driven as a user would: through its buttons, the file-dialog seam and
// drops, with message boxes and power-off captured.

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>

#include <sys/wait.h>
#include <unistd.h>

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QLocalServer>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStyleOptionViewItem>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <algorithm>
#include <climits>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <thread>

#include "AVConvert.h"
#include "CAVConvertDlg.h"
#include "CAbout.h"
#include "CBitmapSlider.h"
#include "CBrenvixDlg.h"
#include "CCheckListCtrl.h"
#include "CClipDialog.h"
#include "CControlButton.h"
#include "CFileInfomation.h"
#include "CMixDialog.h"
#include "CSettings.h"
#include "CShutDownNotice.h"
#include "CSplitDialog.h"
#include "ElidingComboBox.h"
#include "FFmpegHandles.h"
#include "JobFile.h"
#include "ListKeeper.h"
#include "MainWindowFixture.h"
#include "MessagePresenter.h"
#include "OutputFolder.h"
#include "PictureFrame.h"
#include "RunController.h"
#include "SingleInstance.h"
#include "SkinColours.h"
#include "SkinLook.h"
#include "SkinText.h"
#include "TerminationSignals.h"
#include "TestSupport.h"
#include "Translations.h"
#include "WidgetFakes.h"
#include "WindowPixels.h"

namespace tolvane::test {
namespace {

namespace fs = std::filesystem;

// The format box's entry of the original sound: after the formats.
constexpr int kOriginalAudioIndex = static_cast<int>(kFormatEntries.size());

// The user picks a format entry (the box acts on every pick, also of the current entry).
void PickFormat(QComboBox* box, int index) {
    box->setCurrentIndex(index);
    emit box->activated(index);
}

TEST(MainWindow, StartsWithOnlyTheAlwaysAvailableCommands) {
    Window w;
    EXPECT_EQ(w.dlg->windowTitle(), "Tolvane");
    EXPECT_EQ(w.dlg->size(), QSize(880, 540));
    EXPECT_TRUE(w.dlg->windowFlags() & Qt::FramelessWindowHint);
    for (int id : {ids::kAdd, ids::kHelp, ids::kBrowse, ids::kFindTarget, ids::kAbout,
                   ids::kMinimize, ids::kClose, ids::kCheckVolume}) {
        EXPECT_TRUE(w.Enabled(id)) << id;
    }
    for (int id : {ids::kClip, ids::kRemove, ids::kClearAll, ids::kFileInfo, ids::kMerge,
                   ids::kConvert, ids::kSetting, ids::kPlay, ids::kStop}) {
        EXPECT_FALSE(w.Enabled(id)) << id;
    }
    EXPECT_FALSE(w.List()->isVisible()) << "the getting-started panel shows";
    // The four formats, Opus, then the original sound.
    EXPECT_EQ(w.dlg->FormatBox()->count(), 6);
    EXPECT_EQ(w.dlg->FormatBox()->itemText(kOriginalAudioIndex), "Original audio (no re-encode)");
    EXPECT_EQ(w.dlg->FormatBox()->currentText(), "MP3-MPEG Layer-3 Audio(*.mp3)");
    // Too long for its box, the entry loses its middle and is never cut off; the position bar
    // lies inside the preview's panel (the panel's colour at either end).
    const auto* profile = qobject_cast<ElidingComboBox*>(w.dlg->FormatBox());
    ASSERT_NE(profile, nullptr);
    EXPECT_TRUE(profile->ShownText().startsWith("MP3-MPEG"));
    EXPECT_TRUE(profile->ShownText().endsWith("(*.mp3)")) << profile->ShownText().toStdString();
    EXPECT_LT(QFontMetrics(profile->font()).horizontalAdvance(profile->ShownText()),
              profile->width() - 20);
    const QImage background = w.dlg->grab().toImage();
    const QRect bar = w.dlg->PositionSlider()->geometry();
    for (const QPoint edge : {bar.topLeft() - QPoint(1, 0), bar.topRight() + QPoint(1, 0)}) {
        EXPECT_EQ(background.pixelColor(edge), QColor(skin::colour::kPanelBorder))
            << "the panel's edge at " << edge.x();
    }
    EXPECT_EQ(w.dlg->FolderBox()->currentText(), w.OutputFolder());
    EXPECT_TRUE(fs::is_directory(w.OutputFolder().toStdString())) << "default folder created";
    EXPECT_EQ(w.dlg->Settings().audioBitRate, 192000);
    EXPECT_EQ(w.dlg->ToolTipFor(ids::kMerge), " Merge into a file");
    EXPECT_EQ(w.dlg->ToolTipFor(ids::kConvert), "Start Converting");
    EXPECT_EQ(w.dlg->ToolTipFor(ids::kPlay), "Play");
    EXPECT_TRUE(w.dlg->HandCursorOver(ids::kAdd));
    // Qt shows no cursor of a disabled widget: the window's mouse moves put the hand up.
    EXPECT_FALSE(w.dlg->HandCursorOver(ids::kConvert)) << "no move over it yet";
    QTest::mouseMove(w.dlg->Button(ids::kConvert), QPoint(10, 10));
    EXPECT_TRUE(QTest::qWaitFor([&] { return w.dlg->HandCursorOver(ids::kConvert); }, 1000))
        << "the hand shows over greyed buttons too";
    QTest::mouseMove(w.dlg->Button(ids::kPlay), QPoint(5, 5));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !w.dlg->HandCursorOver(ids::kPlay); }, 1000))
        << "the transport has none";
    EXPECT_FALSE(w.dlg->HandCursorOver(ids::kConvert)) << "gone once the mouse left it";
}

TEST(MainWindow, AddProbesAppendsAndRefusesUnreadableFiles) {
    Window w;
    w.Add({M("h264_aac.mp4"), M("not_media.mp4"), M("audio_only.m4a"), M("raw.h264"),
           M("no_such_file.mp4")});
    // One message for every refused file; a file that is not there is no media.
    EXPECT_EQ(w.messages.shown,
              QStringList({"File:not_media.mp4 is invalid!\nFile:raw.h264 is invalid!\n"
                           "File:no_such_file.mp4 is invalid!"}));
    ASSERT_EQ(w.List()->rowCount(), 2);
    EXPECT_TRUE(w.List()->isVisible());
    EXPECT_EQ(w.Cell(0, column::kSource), M("h264_aac.mp4"));
    EXPECT_EQ(w.Cell(1, column::kSource), M("audio_only.m4a"));
    EXPECT_EQ(w.Cell(0, column::kStart), "00:00:00");
    EXPECT_EQ(w.Cell(0, column::kEnd), "00:00:05");
    EXPECT_EQ(w.Cell(0, column::kFormat), "MP3-MPEG Layer-3 Audio(*.mp3)");
    EXPECT_EQ(w.Cell(0, column::kStatus), " Ready");
    EXPECT_EQ(w.Cell(0, column::kDuration), "5");
    EXPECT_TRUE(w.List()->isColumnHidden(column::kDuration));
    EXPECT_TRUE(w.List()->IsRowChecked(0));
    EXPECT_TRUE(w.List()->IsRowChecked(1));
    for (int id : {ids::kClearAll, ids::kConvert, ids::kClip, ids::kRemove, ids::kFileInfo,
                   ids::kSetting, ids::kMerge, ids::kPlay, ids::kStop}) {
        EXPECT_TRUE(w.Enabled(id)) << id;
    }
    // "All files" also lists files without a dot in their name.
    EXPECT_TRUE(w.files.filter.startsWith("All files (*);;All media files (*.flv *.swf"));
    EXPECT_TRUE(w.files.filter.contains("High-Definition files (*.mts *.ts *.m2ts)"));
    // The next Add opens where files were last added from, also after a restart.
    EXPECT_EQ(w.files.openStarts, QStringList({""}));
    w.Add({});
    w.Restart();
    w.Add({});
    const QString media = QString::fromStdString(Media("h264_aac.mp4").parent_path().string());
    EXPECT_EQ(w.files.openStarts, QStringList({"", media, media}));

    // The same file again is a second row; one file alone leaves Merge greyed.
    Window one;
    one.Add({M("audio_only.m4a")});
    EXPECT_FALSE(one.Enabled(ids::kMerge));
    one.Add({M("audio_only.m4a")});
    EXPECT_EQ(one.List()->rowCount(), 2);
    EXPECT_TRUE(one.Enabled(ids::kMerge));
}

TEST(MainWindow, DropPutsFilesOnTopReversedUncheckedWithoutFormat) {
    Window w;
    w.Add({M("audio_only.m4a")});
    // A file without a sound track is refused with the reason, as an invalid one is.
    w.dlg->DropFiles({M("odd_5.72.mp4"), M("h264_aac.mp4"), M("empty.mp4"), M("video_only.mp4")});
    w.Settle();
    EXPECT_EQ(w.messages.shown,
              QStringList({"File:empty.mp4 is invalid!\nFile:video_only.mp4 has no sound track!"}));
    ASSERT_EQ(w.List()->rowCount(), 3);
    EXPECT_EQ(w.Cell(0, column::kSource), M("h264_aac.mp4"));
    EXPECT_EQ(w.Cell(1, column::kSource), M("odd_5.72.mp4"));
    EXPECT_EQ(w.Cell(0, column::kFormat), "");
    EXPECT_FALSE(w.List()->IsRowChecked(0));
    EXPECT_EQ(w.List()->SelectedRow(), 0);
    EXPECT_EQ(w.dlg->FileInfo().infoPath, M("h264_aac.mp4").toStdString());
    EXPECT_EQ(w.dlg->FileInfo().infoWidth, "320");

    // Add takes the selection from row 0 only; a drop selects its top row beside the rows
    // selected further down.
    w.List()->selectRow(0);
    w.List()->SetRowSelected(2, true);
    w.Add({M("short_1s.mp4")});
    EXPECT_EQ(w.List()->SelectedRows(), QList<int>({2}));
    w.dlg->DropFiles({M("short_1s.mp4")});
    w.Settle();
    EXPECT_EQ(w.List()->SelectedRows(), QList<int>({0, 3}));
    EXPECT_EQ(w.List()->currentRow(), 0);
}

// A file that only looks like media (4 GiB of zeros named .mp3, as a preallocated download
// is) is refused without freezing the window: it goes on painting and taking timers while the
// file is checked, and its title says how far a list is.
// Four files of one deep folder: each row shows its own file name, the middle of the path
// gives way; the whole path is in the tooltip.
TEST(MainWindow, RowsOfOneFolderShowTheirFileNames) {
    Window w;
    ScratchDir scratch;
    const fs::path deep = scratch.Path() / "recordings of the summer concerts" / "second week";
    fs::create_directories(deep);
    const std::string file = (deep / "concert.mp4").string();
    fs::copy_file(Media("short_1s.mp4"), file);
    w.Add({QString::fromStdString(file)});
    CCheckListCtrl* list = w.List();
    const QString path = QString::fromStdString(file);
    const QString shown =
        QFontMetrics(list->font())
            .elidedText(path, list->textElideMode(), list->columnWidth(column::kSource) - 8);
    EXPECT_NE(shown, path) << "too long for the cell";
    EXPECT_TRUE(shown.endsWith("concert.mp4")) << shown.toStdString();
    EXPECT_TRUE(list->item(0, column::kSource)->toolTip().startsWith(path));
}

// A file that only looks like media: 4 GiB of zeros, long to read, then refused.
std::string SlowToRead(const ScratchDir& scratch, const std::string& name) {
    const std::string file = scratch.File(name);
    std::ofstream(file).close();
    fs::resize_file(file, 4ULL << 30);
    return file;
}

TEST(MainWindow, AddChecksFilesWithoutFreezingTheWindow) {
    Window w;
    ScratchDir scratch;
    const std::string zeros = SlowToRead(scratch, "download.mp3");
    int ticks = 0;
    QStringList titles;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] {
        ++ticks;
        titles << w.dlg->windowTitle();
    });
    tick.start(10);
    w.Add({QString::fromStdString(zeros), M("short_1s.mp4")});
    tick.stop();
    ASSERT_EQ(w.List()->rowCount(), 1);
    EXPECT_EQ(w.messages.shown, QStringList({"File:download.mp3 is invalid!"}));
    EXPECT_GE(ticks, 5) << "the event loop ran while the file was checked";
    EXPECT_TRUE(titles.contains(QString::fromUtf8("Checking 1 of 2\u2026 - Tolvane")))
        << titles.join(" | ").toStdString();
    EXPECT_EQ(w.dlg->windowTitle(), "Tolvane");

    // Files that take long to read, two at a time: the count shows under the list, and Escape
    // stops the checking; what was being read is settled, the rest is never opened.
    QStringList slow;
    for (int i = 1; i <= 4; ++i) {
        slow << QString::fromStdString(SlowToRead(scratch, "slow" + std::to_string(i) + ".mp3"));
    }
    QStringList notes;
    QObject::connect(&tick, &QTimer::timeout, [&] {
        notes << w.dlg->ListNote();
        if (ticks == 10) {
            QTest::keyClick(w.dlg.get(), Qt::Key_Escape);
        }
    });
    ticks = 0;
    w.messages.shown.clear();
    tick.start(10);
    w.Add(slow + QStringList{M("short_1s.mp4")});
    tick.stop();
    EXPECT_TRUE(notes.contains(
        QString::fromUtf8("Checking 1 of 5\u2026 Esc cancels; the files checked so far stay.")))
        << notes.join(" | ").toStdString();
    EXPECT_EQ(w.List()->rowCount(), 1) << "nothing after the cancel came in";
    EXPECT_EQ(w.messages.shown,
              QStringList({"File:slow1.mp3 is invalid!\nFile:slow2.mp3 is invalid!"}));
    EXPECT_EQ(w.dlg->ListNote(), "");
}

// Commands given while files are checked: an Add and an Open list wait their turn and come in
// (the list's settings with its rows), a Convert, a Remove or a Clear All is refused in words.
// Nothing is lost without a word.
TEST(MainWindow, CommandsDuringACheckWaitTheirTurnOrAreRefusedInWords) {
    Window w;
    ScratchDir scratch;
    const std::string slow = SlowToRead(scratch, "slow.mp3");
    JobDocument list;
    list.settings.formatEntry = "OGG-OGG Vorbis Audio(*.ogg)";
    JobRow row;
    row.source = M("audio_only.m4a").toStdString();
    list.rows.push_back(row);
    const std::string job = scratch.File("list.tolvane-job");
    ASSERT_EQ(WriteJobFile(job, list), "");
    bool asked = false;
    QTimer::singleShot(30, [&] {
        w.dlg->AddFiles({M("short_1s.mp4")});
        EXPECT_TRUE(w.dlg->OpenList(QString::fromStdString(job)));
        w.dlg->OnConvert();
        w.dlg->OnClearAll();
        w.dlg->OnRemove();
        asked = true;
    });
    w.Add({QString::fromStdString(slow), M("h264_aac.mp4")});
    ASSERT_TRUE(asked) << "the commands came during the check";
    ASSERT_EQ(w.List()->rowCount(), 3);
    EXPECT_EQ(w.Cell(0, column::kSource), M("h264_aac.mp4"));
    EXPECT_EQ(w.Cell(1, column::kSource), M("short_1s.mp4"));
    EXPECT_EQ(w.Cell(2, column::kSource), M("audio_only.m4a"));
    EXPECT_EQ(w.dlg->FormatBox()->currentText(), "OGG-OGG Vorbis Audio(*.ogg)");
    EXPECT_EQ(w.messages.shown.count(QStringLiteral("The files being added are still checked: try "
                                                    "again once they are (Esc stops the check).")),
              3)
        << w.messages.shown.join(" | ").toStdString();
    EXPECT_TRUE(w.messages.shown.contains("File:slow.mp3 is invalid!"))
        << w.messages.shown.join(" | ").toStdString();

    // Setting can be opened as soon as a first row is in, while the rest are still checked.
    w.dlg->OnClearAll();
    int settingWhenFirstIn = -1;  // -1: not seen
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (settingWhenFirstIn < 0 && w.List()->rowCount() == 1) {
            settingWhenFirstIn = w.Enabled(ids::kSetting) ? 1 : 0;
        }
    });
    poll.start(5);
    w.Add({M("h264_aac.mp4"), QString::fromStdString(slow)});
    poll.stop();
    EXPECT_EQ(settingWhenFirstIn, 1);
}

// Files are checked beside the window's own loop: Add returns at once, and a Close given during
// the check stops it and closes the window once the file being read is settled.
TEST(MainWindow, ACheckRunsBesideTheWindowsLoopAndCloseWaitsForIt) {
    Window w;
    ScratchDir scratch;
    const std::string slow = SlowToRead(scratch, "slow.mp3");
    w.dlg->AddFiles({QString::fromStdString(slow), M("short_1s.mp4"), M("audio_only.m4a")});
    EXPECT_TRUE(w.dlg->CheckingFiles()) << "Add came back while its files are read";
    w.Click(ids::kClose);
    EXPECT_TRUE(w.dlg->isVisible()) << "the check ends first";
    EXPECT_TRUE(QTest::qWaitFor([&] { return !w.dlg->isVisible(); }, 60000));
    EXPECT_FALSE(w.dlg->CheckingFiles());
}

TEST(MainWindow, FilesFromTheCommandLineComeInAsAddedAndDroppedFoldersAsADrop) {
    Window w;
    w.dlg->OpenStartupFiles({M("short_1s.mp4"), M("not_media.mp4"), M("audio_only.m4a")});
    w.Settle();
    ASSERT_EQ(w.List()->rowCount(), 2);
    EXPECT_EQ(w.Cell(0, column::kSource), M("short_1s.mp4")) << "in the order given";
    EXPECT_EQ(w.Cell(1, column::kSource), M("audio_only.m4a"));
    // Opened with the program to be converted: as Add brings them, checked, with the format.
    EXPECT_TRUE(w.List()->IsRowChecked(0));
    EXPECT_TRUE(w.List()->IsRowChecked(1));
    EXPECT_EQ(w.Cell(0, column::kFormat), w.dlg->FormatBox()->currentText());
    EXPECT_EQ(w.messages.shown.size(), 1U) << "the file that is not media is refused";
    // A folder given to the program adds the media inside it, in name order.
    ScratchDir given;
    fs::copy_file(Media("short_1s.mp4"), given.File("b.mp4"));
    fs::copy_file(Media("odd_0.9.webm"), given.File("a.mkv"));
    w.dlg->OpenStartupFiles({QString::fromStdString(given.Path().string())});
    w.Settle();
    ASSERT_EQ(w.List()->rowCount(), 4);
    EXPECT_EQ(w.Cell(2, column::kSource).toStdString(), given.File("a.mkv"));
    EXPECT_EQ(w.Cell(3, column::kSource).toStdString(), given.File("b.mp4"));

    // A folder gives the media files inside it (also in its folders), in name order.
    ScratchDir folder;
    fs::create_directories(folder.Path() / "b_more");
    fs::copy_file(Media("odd_0.9.webm"), folder.File("c.webm"));  // WebM is media too
    fs::copy_file(Media("short_1s.mp4"), folder.File("a.mp4"));
    fs::copy_file(Media("audio_only.m4a"), folder.Path() / "b_more" / "inner.mp4");
    std::ofstream(folder.File("notes.txt")) << "not a video";
    w.dlg->DropFiles({QString::fromStdString(folder.Path().string())});
    w.Settle();
    ASSERT_EQ(w.List()->rowCount(), 7);
    EXPECT_EQ(w.Cell(0, column::kSource).toStdString(), folder.File("a.mp4"));
    EXPECT_EQ(w.Cell(1, column::kSource).toStdString(),
              (folder.Path() / "b_more/inner.mp4").string());
    EXPECT_EQ(w.Cell(2, column::kSource).toStdString(), folder.File("c.webm"));
    EXPECT_EQ(w.messages.shown.size(), 1U) << "the text file is not offered";
}

TEST(MainWindow, RemoveClearAllAndTheDeleteKey) {
    Window w;
    w.Add({M("h264_aac.mp4"), M("audio_only.m4a"), M("odd_5.72.mp4")});
    w.List()->selectRow(2);
    w.Click(ids::kRemove);
    ASSERT_EQ(w.List()->rowCount(), 2);
    EXPECT_EQ(w.List()->SelectedRow(), 1) << "the new last row";
    EXPECT_TRUE(w.Enabled(ids::kMerge));

    // Delete in the folder box deletes a character and no row; elsewhere it removes the
    // selected row.
    const QString folder = w.dlg->FolderBox()->currentText();
    w.dlg->activateWindow();
    QApplication::setActiveWindow(w.dlg.get());
    w.dlg->FolderBox()->lineEdit()->setFocus();
    w.dlg->FolderBox()->lineEdit()->setCursorPosition(0);
    QTest::keyClick(w.dlg->FolderBox()->lineEdit(), Qt::Key_Delete);
    EXPECT_EQ(w.List()->rowCount(), 2);
    EXPECT_EQ(w.dlg->FolderBox()->currentText(), folder.mid(1));
    w.dlg->FolderBox()->setEditText(folder);
    w.List()->setFocus();
    QTest::keyClick(w.List(), Qt::Key_Delete);
    EXPECT_EQ(w.List()->rowCount(), 1);
    EXPECT_FALSE(w.Enabled(ids::kMerge)) << "one row left";

    // With several rows selected, the first goes; the row at its index is selected and
    // focused, and the others stay selected.
    w.Add({M("h264_aac.mp4"), M("audio_only.m4a"), M("odd_5.72.mp4")});
    ASSERT_EQ(w.List()->rowCount(), 4);
    w.List()->clearSelection();
    for (int row : {1, 3}) {
        w.List()->selectionModel()->select(w.List()->model()->index(row, 0),
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    w.Click(ids::kRemove);
    ASSERT_EQ(w.List()->rowCount(), 3);
    EXPECT_EQ(w.List()->SelectedRows(), (QList<int>{1, 2})) << "the row at its index, and row 3";
    EXPECT_EQ(w.List()->currentIndex().row(), 1);
    for (int left = 3; left > 1; --left) {
        w.List()->clearSelection();
        w.List()->selectRow(0);
        w.Click(ids::kRemove);
    }

    w.List()->selectRow(0);
    w.Click(ids::kRemove);
    EXPECT_EQ(w.List()->rowCount(), 0);
    EXPECT_FALSE(w.List()->isVisible());
    for (int id : {ids::kClip, ids::kConvert, ids::kSetting, ids::kClearAll, ids::kRemove,
                   ids::kMerge, ids::kFileInfo}) {
        EXPECT_FALSE(w.Enabled(id)) << id;
    }
    w.Click(ids::kRemove);  // nothing selected: nothing happens

    w.Add({M("h264_aac.mp4"), M("audio_only.m4a")});
    w.Click(ids::kClearAll);
    EXPECT_EQ(w.List()->rowCount(), 0);
    EXPECT_FALSE(w.Enabled(ids::kClearAll));
    EXPECT_FALSE(w.List()->isVisible());
}

TEST(MainWindow, ClickOnARowSetsTheCommandsAndTheFileInformation) {
    Window w;
    w.Add({M("h264_aac.mp4"), M("audio_only.m4a")});
    w.List()->clearSelection();
    w.dlg->OnListClicked();
    EXPECT_FALSE(w.Enabled(ids::kClip));
    EXPECT_FALSE(w.Enabled(ids::kMerge));
    w.List()->selectRow(1);
    w.dlg->OnListClicked();
    EXPECT_TRUE(w.Enabled(ids::kClip));
    EXPECT_TRUE(w.Enabled(ids::kFileInfo));
    EXPECT_FALSE(w.Enabled(ids::kMerge)) << "the last row leaves Merge as it was";
    EXPECT_EQ(w.dlg->FileInfo().infoAudioCodec, "86018");
    EXPECT_EQ(w.dlg->FileInfo().infoLength, "00:00:05");
    w.List()->selectRow(0);
    w.dlg->OnListClicked();
    EXPECT_TRUE(w.Enabled(ids::kMerge));
}

TEST(MainWindow, FormatChoiceRewritesEveryRow) {
    Window w;
    w.Add({M("h264_aac.mp4"), M("audio_only.m4a")});
    PickFormat(w.dlg->FormatBox(), 1);
    EXPECT_EQ(w.Cell(0, column::kFormat), "WAV-Waveform Audio(*.wav)");
    EXPECT_EQ(w.Cell(1, column::kFormat), "WAV-Waveform Audio(*.wav)");
    EXPECT_EQ(w.dlg->Settings().audioEncoderName, "PCM_S16LE");
    EXPECT_EQ(w.dlg->Settings().sampleRate, 44100);
    // A dropped row has no format; picking the entry already chosen fills it.
    w.dlg->DropFiles({M("short_1s.mp4")});
    w.Settle();
    EXPECT_EQ(w.Cell(0, column::kFormat), "");
    QComboBox* box = w.dlg->FormatBox();
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Up);  // WAV to MP3, as the user picks it
    EXPECT_EQ(w.Cell(0, column::kFormat), "MP3-MPEG Layer-3 Audio(*.mp3)");
    box->setCurrentIndex(0);
    emit box->activated(0);  // the same entry again
    EXPECT_EQ(w.Cell(1, column::kFormat), "MP3-MPEG Layer-3 Audio(*.mp3)");
}

TEST(MainWindow, RunChecksAndTheirMessages) {
    Window w;
    w.Click(ids::kConvert);  // greyed: nothing
    w.dlg->OnConvert();
    w.dlg->OnMerge();
    EXPECT_EQ(w.messages.shown,
              QStringList({"Please add video files!", "Please add video files!"}));
    w.messages.shown.clear();

    w.Add({M("h264_aac.mp4")});
    w.List()->SetRowChecked(0, false);
    w.dlg->OnConvert();
    w.dlg->OnMerge();
    EXPECT_EQ(w.messages.shown,
              QStringList({"Please select at least one task to convert!",
                           "Merge is effective when two or more files are chosen!"}));
    w.messages.shown.clear();

    w.List()->SetRowChecked(0, true);
    w.dlg->FolderBox()->setEditText(QString::fromStdString(w.program.File("missing")));
    w.dlg->OnConvert();
    EXPECT_EQ(w.messages.shown,
              QStringList({"The folder that you selected does not exit.Please specify a different "
                           "folder!"}));
    w.dlg->FolderBox()->setEditText("\\");
    w.dlg->OnConvert();
    EXPECT_EQ(w.messages.shown.size(), 1) << "a lone backslash is refused silently";
    EXPECT_FALSE(w.dlg->WorkerRunning());
}

TEST(MainWindow, HelpOpensThePageOrSaysItIsMissing) {
    Window w;
    w.Click(ids::kHelp);
    EXPECT_EQ(w.messages.shown, QStringList({"Can not find help file!"}));
    std::ofstream(w.program.File("help.html")) << "<html></html>";
    w.Click(ids::kHelp);
    ASSERT_EQ(w.desktop.opened.size(), 1);
    EXPECT_TRUE(w.desktop.opened[0].endsWith("/help.html"));
    w.Click(ids::kFindTarget);
    EXPECT_EQ(w.desktop.opened.back(), w.OutputFolder());
    EXPECT_EQ(w.messages.shown.size(), 1) << "nothing to say when they open";

    // Where nothing opens them (no xdg-utils), a message says so, with the path.
    w.desktop.opens = false;
    w.Click(ids::kHelp);
    w.Click(ids::kFindTarget);
    ASSERT_EQ(w.messages.shown.size(), 3);
    EXPECT_TRUE(w.messages.shown[1].contains(QString::fromStdString(w.program.File("help.html"))))
        << w.messages.shown[1].toStdString();
    EXPECT_TRUE(w.messages.shown[2].contains(w.OutputFolder()));

    // In a language the page is written in, that page (or its language's without the
    // country's); in another one, the English page. Each language's page ships beside the
    // program.
    w.desktop.opens = true;
    std::ofstream(w.program.File("help.de.html")) << "<html lang=de></html>";
    std::ofstream(w.program.File("help.pt.html")) << "<html lang=pt></html>";
    for (const auto& [language, page] :
         {std::pair{"de", "/help.de.html"}, std::pair{"pt_BR", "/help.pt.html"},
          std::pair{"es", "/help.html"}}) {
        ASSERT_TRUE(LoadTranslations(*qApp, QStringLiteral(TOLVANE_PROGRAM_FOLDER),
                                     QString::fromLatin1(language)));
        w.Click(ids::kHelp);
        EXPECT_TRUE(w.desktop.opened.back().endsWith(page)) << language;
        UnloadTranslations(*qApp);
    }
    for (const char* page :
         {"help.de.html", "help.es.html", "help.fr.html", "help.pt_BR.html", "help.zh_CN.html"}) {
        EXPECT_TRUE(fs::exists(fs::path(TOLVANE_PROGRAM_FOLDER) / page)) << page;
    }
}

// What the engine remarks of a row is said whole in the user's language where the row shows it
// (its tooltip), and kept in English in the job's results.
TEST(MainWindow, ARowsRemarksAreTranslatedWhole) {
    Window w;
    w.Add({M("short_1s.mp4")});
    w.dlg->Settings().listen = tolvane::ListenShape{1.5, true, 0.0, 0.0, 0.0};
    ASSERT_TRUE(LoadTranslations(*qApp, QStringLiteral(TOLVANE_PROGRAM_FOLDER), "de"));
    w.RunToEnd(ids::kConvert);
    const QString tip = w.List()->item(0, column::kStatus)->toolTip();
    UnloadTranslations(*qApp);
    EXPECT_EQ(tip, QString::fromUtf8("Tempo 1.5\u00d7, Nachtmodus"));
    EXPECT_EQ(w.dlg->Job()->TaskNote(0), "tempo 1.5\u00d7, night mode");
}

TEST(MainWindow, BrowseRefusesAMissingFolderAndAsksAgain) {
    Window w;
    ScratchDir chosen;
    const QString good = QString::fromStdString(chosen.Path().string());
    w.files.folders = {QString::fromStdString(chosen.File("nope")), good};
    w.Click(ids::kBrowse);
    EXPECT_EQ(w.messages.shown, QStringList({"The output folder name is invalid!"}));
    EXPECT_EQ(w.dlg->FolderBox()->currentText(), good);
    EXPECT_EQ(w.dlg->RunFolder(), good);
    w.files.folders = {good};
    w.files.folderCalls = 0;
    w.Click(ids::kBrowse);
    EXPECT_EQ(w.dlg->FolderBox()->count(), 3) << "duplicates are kept";
    for (int i = 1; i < w.dlg->FolderBox()->count(); ++i) {
        EXPECT_LE(w.dlg->FolderBox()->itemText(i - 1), w.dlg->FolderBox()->itemText(i))
            << "a sorted list";
    }
    // Enter in the box adds nothing.
    w.dlg->FolderBox()->setEditText("/typed/by/hand");
    QTest::keyClick(w.dlg->FolderBox()->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(w.dlg->FolderBox()->count(), 3);
    w.dlg->FolderBox()->setEditText(good);
    w.files.folders = {QString::fromStdString(chosen.File("nope"))};
    w.files.folderCalls = 0;
    w.Click(ids::kBrowse);  // refused, then cancelled: the refused choice is never applied
    EXPECT_EQ(w.dlg->RunFolder(), good);

    // The chooser opens in the output folder, or the nearest folder above it that exists.
    EXPECT_EQ(w.files.folderStarts.front(), w.OutputFolder());
    w.dlg->FolderBox()->setEditText(good + "/not/yet");
    w.Click(ids::kBrowse);
    EXPECT_EQ(w.files.folderStarts.back(), good);
}

TEST(MainWindow, EnterAndEscapeDoNotCloseAndTheWindowManagersCloseIsTheCloseButton) {
    Window w;
    QTest::keyClick(w.dlg.get(), Qt::Key_Escape);
    QTest::keyClick(w.dlg.get(), Qt::Key_Return);
    EXPECT_TRUE(w.dlg->isVisible());
    w.Click(ids::kClose);
    EXPECT_FALSE(w.dlg->isVisible());

    // The title bar's × or Alt+F4 (a close event from the window system) closes it too.
    Window other;
    other.dlg->close();
    QTRY_VERIFY_WITH_TIMEOUT(!other.dlg->isVisible(), 5000);
}

TEST(MainWindow, ConvertWritesAudioFilesAndMarksTheRows) {
    Window w;
    w.Add({M("h264_aac.mp4"), M("audio_only.m4a"), M("mpeg4_mp3.avi")});
    w.dlg->DropFiles({M("two_audio.mkv"), M("ac3_51.mkv")});  // unchecked: not converted
    w.Settle();
    w.List()->SetRowChecked(0, true);  // ac3_51.mkv after all
    w.RunToEnd(ids::kConvert);
    const QString out = w.OutputFolder();
    EXPECT_TRUE(fs::exists((out + "/h264_aac.mp3").toStdString()));
    EXPECT_TRUE(fs::exists((out + "/audio_only.mp3").toStdString()));
    EXPECT_TRUE(fs::exists((out + "/mpeg4_mp3.mp3").toStdString()));
    EXPECT_TRUE(fs::exists((out + "/ac3_51.mp3").toStdString()));
    EXPECT_FALSE(fs::exists((out + "/two_audio.mp3").toStdString()));
    EXPECT_EQ(w.Cell(0, column::kStatus), "Completed");
    EXPECT_EQ(w.Cell(1, column::kStatus), " Ready");
    for (int row : {0, 2, 3, 4}) {
        EXPECT_EQ(w.Cell(row, column::kStatus), "Completed") << row;
        EXPECT_FALSE(w.List()->IsRowChecked(row)) << "completed rows are unchecked";
    }
    EXPECT_EQ(w.dlg->ProgressDialog()->TotalText(), "4 Task Completed / Total 4 Task(s)");
    EXPECT_EQ(w.dlg->ProgressDialog()->TotalProgress(), 100);
    EXPECT_FALSE(w.dlg->ProgressDialog()->isVisible());
    EXPECT_EQ(w.power.powerOffs, 0);
    // The folder of the run is remembered for the next start.
    EXPECT_NE(ReadFile(w.dlg->SettingsFile().toStdString()).find("Path=" + out.toStdString()),
              std::string::npos);
    EXPECT_EQ(Ffprobe((out + "/h264_aac.mp3").toStdString()).sampleRate, 48000)
        << "start-up profile";

    // Nothing left checked: the next Convert says so.
    w.dlg->OnConvert();
    EXPECT_EQ(w.messages.shown.back(), "Please select at least one task to convert!");
}

TEST(MainWindow, ConvertsSeveralFilesAtOnceWhenAllowedAndRemembersHowMany) {
    Window w;
    QSpinBox* box = w.dlg->FilesAtOnceBox();
    EXPECT_EQ(box->value(), 1) << "one at a time unless allowed";
    EXPECT_EQ(box->minimum(), 1);
    EXPECT_EQ(box->maximum(), std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1,
                                         AVConvert::kMaxParallelTasks));
    const int allowed = std::min(2, box->maximum());
    box->setValue(allowed);
    EXPECT_NE(ReadFile(w.dlg->SettingsFile().toStdString())
                  .find("FilesAtOnce=" + std::to_string(allowed)),
              std::string::npos);

    w.Add({M("odd_5.72.mp4"), M("not_media.mp4"), M("audio_only.m4a"), M("odd_44.65.ogg"),
           M("ac3_51.mkv")});
    ASSERT_EQ(w.List()->rowCount(), 4);
    w.RunToEnd(ids::kConvert);
    EXPECT_EQ(w.dlg->Job()->parallelTasks, allowed);
    for (int row = 0; row < 4; ++row) {
        EXPECT_EQ(w.Cell(row, column::kStatus), "Completed") << row;
    }
    EXPECT_EQ(w.dlg->ProgressDialog()->TotalText(), "4 Task Completed / Total 4 Task(s)");
    EXPECT_NEAR(DecodedSeconds((w.OutputFolder() + "/odd_44.65.mp3").toStdString()),
                DecodedSeconds(M("odd_44.65.ogg").toStdString()), 0.03);

    // A merge is one file: its entries go one after the other.
    w.List()->SetRowChecked(0, true);
    w.List()->SetRowChecked(1, true);
    w.RunToEnd(ids::kMerge);
    EXPECT_EQ(w.dlg->Job()->parallelTasks, 1);

    // The next start reads the choices back, the loudness chosen in Setting among them.
    ASSERT_TRUE(WriteSetting(w.dlg->SettingsFile().toStdString(), "Loudness", "-16.0"));
    CBrenvixDlg again(WindowServices{&w.messages, &w.files, &w.desktop, &w.power, {}},
                      QString::fromStdString(w.program.Path().string()));
    EXPECT_EQ(again.FilesAtOnceBox()->value(), allowed);
    EXPECT_EQ(again.Settings().loudnessTarget, -16.0) << "in force after a restart";
}

TEST(MainWindow, ConvertShowsElapsedTimeLeftAndTheTotalInTheTitle) {
    Window w;
    w.Add({M("long_60.m4a"), M("long_60.m4a")});
    // The run starts at 1000 s; every later look at the clock says 1090 s.
    bool started = false;
    QStringList titles;
    QStringList times;
    w.dlg->SetClockForTests([&] {
        titles << w.dlg->windowTitle();
        times << w.dlg->ProgressDialog()->TimeText();
        const double now = started ? 1090.0 : 1000.0;
        started = true;
        return now;
    });
    w.RunToEnd(ids::kConvert);
    EXPECT_EQ(w.dlg->ProgressDialog()->TimeText(),
              QString::fromUtf8("Elapsed 00:01:30 \u00b7 Time left 00:00:00"));
    EXPECT_EQ(w.dlg->windowTitle(), "Tolvane") << "the title is the program's again";
    const QRegularExpression percent("^\\d{1,3}% - Tolvane$");
    EXPECT_TRUE(std::any_of(titles.begin(), titles.end(), [&](const QString& t) {
        return percent.match(t).hasMatch();
    })) << titles.join(" | ").toStdString();
    // While the first file converts, the time left is known (90 s for part of the work).
    EXPECT_TRUE(std::any_of(times.begin(), times.end(), [](const QString& t) {
        return t.startsWith("Elapsed 00:01:30") && !t.endsWith("--:--:--") &&
               !t.endsWith("00:00:00");
    })) << times.join(" | ").toStdString();
}

// Files of different lengths: the share done (title, time left) weighs each by its sound, so
// three short files done and a long one begun are not most of the run.
TEST(MainWindow, ConvertWeighsEachFileByItsSound) {
    Window w;
    w.Add({M("short_1s.mp4"), M("short_1s.mp4"), M("short_1s.mp4"), M("long_60.m4a")});
    // (title percentage, the long file's progress) while the long file converts
    std::vector<std::pair<int, int>> seen;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        AVConvert* job = w.dlg->Job();
        const QString title = w.dlg->windowTitle();
        const int progress = job != nullptr ? job->fileProgress.load() : -1;
        if (job != nullptr && job->currentTask.load() == 3 && progress >= 0 && progress < 60 &&
            title.endsWith("% - Tolvane")) {
            seen.emplace_back(title.section('%', 0, 0).toInt(), progress);
        }
    });
    poll.start(2);
    w.RunToEnd(ids::kConvert);
    poll.stop();
    ASSERT_FALSE(seen.empty()) << "the long file was seen converting";
    for (const auto& [shown, progress] : seen) {
        // 3 of 63 seconds and under 60 % of the long one: not three quarters of the run.
        EXPECT_LT(shown, 75) << "at " << progress << " % of the long file";
    }
}

// A notification service of our own on the session bus: it keeps every Notify call.
class FakeNotifications final : public QDBusVirtualObject {
public:
    QString introspect(const QString&) const override { return {}; }
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        if (message.member() != QLatin1String("Notify")) {
            return false;
        }
        calls << message.arguments();
        connection.send(message.createReply(QVariantList{1U}));
        return true;
    }
    QList<QVariantList> calls;
};

TEST(Notification, ARunThatEndsWhileTheUserIsElsewhereIsNotified) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        GTEST_SKIP() << "needs a session bus: run under dbus-run-session";
    }
    FakeNotifications fake;
    ASSERT_TRUE(bus.registerService("org.freedesktop.Notifications"));
    ASSERT_TRUE(bus.registerVirtualObject("/org/freedesktop/Notifications", &fake));
    Window w;
    bool active = true;
    w.dlg->SetActiveCheckForTests([&active] { return active; });
    ScratchDir source;
    const std::string copy = source.File("vanishing.mp4");
    fs::copy_file(Media("audio_only.m4a"), copy);
    w.Add({M("audio_only.m4a"), QString::fromStdString(copy)});
    fs::remove(copy);  // the second row fails
    w.RunToEnd(ids::kConvert);
    QTest::qWait(300);
    EXPECT_TRUE(fake.calls.isEmpty()) << "the user was in the window";

    active = false;
    w.List()->SetRowChecked(0, true);
    w.List()->SetRowChecked(1, true);
    QProcess monitor;
    monitor.start("dbus-monitor", {"--session", "interface='com.canonical.Unity.LauncherEntry'"});
    ASSERT_TRUE(monitor.waitForStarted(5000));
    QTest::qWait(300);  // listening before the run starts
    w.RunToEnd(ids::kConvert);
    for (int i = 0; i < 100 && fake.calls.isEmpty(); ++i) {
        QTest::qWait(50);
    }
    ASSERT_EQ(fake.calls.size(), 1);
    const QVariantList& call = fake.calls.front();
    ASSERT_EQ(call.size(), 8);
    EXPECT_EQ(call[0].toString(), "Tolvane");
    EXPECT_EQ(call[2].toString(), "tolvane") << "the installed icon";
    EXPECT_EQ(call[3].toString(), "Tolvane: the run is over");
    EXPECT_EQ(call[4].toString(), "1 converted, 1 failed.");
    EXPECT_EQ(call[5].toStringList(), QStringList({"tolvane-open-folder", "Open folder"}));
    // Its "Open folder" button opens the output folder.
    bus.send(QDBusMessage::createSignal("/org/freedesktop/Notifications",
                                        "org.freedesktop.Notifications", "ActionInvoked")
             << 7U << QStringLiteral("tolvane-open-folder"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return w.desktop.opened.contains(w.dlg->RunFolder()); }))
        << w.desktop.opened.join(" | ").toStdString();
    // The run's progress went to the dock, and the dock was told when it ended.
    monitor.terminate();
    monitor.waitForFinished(3000);
    const QString seen = QString::fromUtf8(monitor.readAllStandardOutput());
    EXPECT_TRUE(seen.contains("application://org.tolvane.Tolvane.desktop")) << seen.toStdString();
    EXPECT_TRUE(seen.contains("progress-visible")) << seen.toStdString();
    bus.unregisterObject("/org/freedesktop/Notifications");
    bus.unregisterService("org.freedesktop.Notifications");
}

TEST(MainWindow, UntrimmedRowsConvertTheWholeSoundAndShortFilesConvert) {
    Window w;
    w.Add({M("odd_5.72.mp4"), M("odd_0.05.mp4")});
    EXPECT_EQ(w.Cell(0, column::kEnd), "00:00:05") << "whole-second texts stay";
    EXPECT_EQ(w.Cell(1, column::kEnd), "00:00:00");
    w.RunToEnd(ids::kConvert);
    const QString out = w.OutputFolder();
    EXPECT_EQ(w.Cell(0, column::kStatus), "Completed");
    EXPECT_EQ(w.Cell(1, column::kStatus), "Completed");
    EXPECT_NEAR(DecodedSeconds((out + "/odd_5.72.mp3").toStdString()),
                SoundSeconds(M("odd_5.72.mp4").toStdString()), 0.02);
    EXPECT_NEAR(DecodedSeconds((out + "/odd_0.05.mp3").toStdString()),
                SoundSeconds(M("odd_0.05.mp4").toStdString()), 0.02);
}

TEST(MainWindow, MergeThreeRowsIntoOneFileOfTheSummedLength) {
    Window w;
    PickFormat(w.dlg->FormatBox(), 1);
    w.Add({M("ten_1.mp4"), M("ten_2.mp4"), M("ten_3.mp4")});
    w.List()->item(1, column::kEnd)->setText("00:00:05");  // the clip is ignored by a merge
    w.RunToEnd(ids::kMerge);
    const std::string merged = (w.OutputFolder() + "/ten_1.wav").toStdString();
    EXPECT_NEAR(Ffprobe(merged).duration, 30.0, 0.3);
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(w.Cell(row, column::kStatus), "Completed");
    }
    EXPECT_EQ(w.dlg->Job()->mergeTotalSeconds, 25);
}

// The window's merge puts each file's chapter where its sound starts in the output: not at the
// whole seconds the rows show, nor after a picture longer than the sound.
TEST(MainWindow, MergedChaptersStartWhereEachSoundStarts) {
    Window w;
    ScratchDir sources;
    QStringList rows;
    for (const std::string& path : MakeMergeSources(sources.Path())) {
        rows << QString::fromStdString(path);
    }
    w.Add(rows);
    w.RunToEnd(ids::kMerge);
    const std::string merged = (w.OutputFolder() + "/a.mp3").toStdString();
    EXPECT_EQ(
        RunCommand("ffprobe -v error -show_entries chapter=start_time,end_time -of csv=p=0 '" +
                   merged + "'"),
        "0.000000,2.600000\n2.600000,5.900000\n5.900000,10.000000\n");
}

// A run's controller wakes the window when its worker has returned, and the window never waits
// for it: Start comes back at once, the poll takes a last look at a run that ended between two
// polls (a short one ends before the first), and the tally and share done are the plan's.
TEST(RunController, TheWorkerWakesTheWindowAndTheLastPollSeesTheEnd) {
    ScratchDir out;
    RunController run;
    QSignalSpy polled(&run, &RunController::Polled);
    QSignalSpy ended(&run, &RunController::WorkerEnded);
    JobPlan plan = TestPlan({{Media("short_1s.mp4").string(), out.File("short.wav")},
                             {Media("audio_only.m4a").string(), out.File("audio.wav")}},
                            AudioSettings{AV_CODEC_ID_PCM_S16LE, 0, 44100, 2});
    plan.tasks[1] = {};  // a row that is not checked
    run.Start(plan, false, {0, -1});
    EXPECT_TRUE(run.Going());
    ASSERT_TRUE(ended.wait(30000));
    EXPECT_FALSE(run.Going());
    EXPECT_FALSE(run.WorkerRunning());
    EXPECT_GE(polled.count(), 1) << "one last look, also before the first poll was due";
    const RunController::Tally tally = run.Count();
    EXPECT_EQ(tally.converted, 1);
    EXPECT_EQ(tally.failed + tally.notDone, 0) << "the task without a row is not counted";
    EXPECT_EQ(run.FractionDone(), 1.0);
    EXPECT_EQ(run.RowOfTask(1), -1);
    EXPECT_TRUE(fs::exists(out.File("short.wav")));
}

TEST(MainWindow, StopDuringTheSecondTaskKeepsTheRestReadyAndDoesNotPowerOff) {
    Window w;
    w.Add({M("audio_only.m4a"), M("long_60.m4a"), M("long_60.m4a")});
    PickFormat(w.dlg->FormatBox(), 3);
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        AVConvert* job = w.dlg->Job();
        if (job != nullptr && job->currentTask.load() == 1 && job->fileProgress.load() > 3 &&
            w.dlg->ProgressDialog()->isVisible()) {
            w.dlg->ProgressDialog()->ShutDownBox()->setChecked(true);
            w.dlg->ProgressDialog()->StopButton()->click();
        }
    });
    poll.start(5);
    // The worker may still be finishing the stopped file when the next run starts.
    w.RunToEnd(ids::kConvert, false);
    poll.stop();
    EXPECT_EQ(w.Cell(0, column::kStatus), "Completed");
    EXPECT_TRUE(w.Cell(1, column::kStatus).startsWith("Stopped at 0:"))
        << w.Cell(1, column::kStatus).toStdString() << ": not taken for a whole file";
    // Whole in its narrow cell: the list's delegate draws it smaller, at most a quarter, and
    // asks for no more than the column's width.
    const QModelIndex status = w.List()->model()->index(1, column::kStatus);
    QStyleOptionViewItem cell;
    cell.initFrom(w.List()->viewport());
    cell.widget = w.List();
    cell.font = w.List()->font();
    cell.rect = w.List()->visualRect(status);
    EXPECT_LE(w.List()->itemDelegate()->sizeHint(cell, status).width(),
              w.List()->columnWidth(column::kStatus))
        << w.Cell(1, column::kStatus).toStdString();
    EXPECT_EQ(w.Cell(2, column::kStatus), " Ready");
    // The stopped row says where its part file ends; the one never started says nothing.
    const QString stopped = w.List()->item(1, column::kStatus)->toolTip();
    EXPECT_TRUE(stopped.startsWith("Stopped at 00:00:") && stopped.contains(" of 00:01:00; ") &&
                stopped.endsWith("/long_60.ogg"))
        << stopped.toStdString();
    EXPECT_EQ(w.List()->item(2, column::kStatus)->toolTip(), "");
    EXPECT_TRUE(w.List()->IsRowChecked(1));
    EXPECT_TRUE(w.dlg->ShutDownRequested());
    EXPECT_EQ(w.power.powerOffs, 0) << "no power-off after Stop";

    // A new run right after the stopped one waits for its worker and starts cleanly on the
    // rows left.
    w.dlg->ProgressDialog()->ShutDownBox()->setChecked(false);
    w.List()->SetRowChecked(2, false);
    w.RunToEnd(ids::kConvert);
    EXPECT_EQ(w.Cell(1, column::kStatus), "Completed");
}

// A logout or shutdown sends SIGTERM (or SIGHUP): the run stops as Stop stops it, the file
// being written is closed playable under its name, and the window closes.
TEST(MainWindow, StopsAndClosesOnATerminationSignal) {
    Window w;
    TerminationSignals watcher([&w] { w.dlg->CloseWhenStopped(); });
    ASSERT_TRUE(watcher.Watching());
    w.Add({M("long_60.m4a")});
    PickFormat(w.dlg->FormatBox(), 1);
    bool sent = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        AVConvert* job = w.dlg->Job();
        if (!sent && job != nullptr && job->fileProgress.load() > 3 &&
            w.dlg->ProgressDialog()->isVisible()) {
            sent = true;
            ::raise(SIGTERM);
        }
    });
    poll.start(5);
    w.RunToEnd(ids::kConvert);
    poll.stop();
    ASSERT_TRUE(sent);
    QTRY_VERIFY_WITH_TIMEOUT(!w.dlg->isVisible(), 10000);
    const std::string wav = (w.OutputFolder() + "/long_60.wav").toStdString();
    int decoded = 0;
    RunCommand("ffmpeg -nostdin -v error -xerror -i '" + wav + "' -f null -", &decoded);
    EXPECT_EQ(decoded, 0);
    EXPECT_GT(DecodedSeconds(wav), 0.5);
    EXPECT_LT(DecodedSeconds(wav), 59.0) << "stopped, not finished";
}

// The progress dialog opens with the keyboard on Stop, never on the power-off box; a run that
// ends with the box ticked counts down first: Cancel keeps the computer on, "Shut down now"
// (or the end of the count) powers it off.
TEST(MainWindow, PowerOffOnlyAfterANormalEndWithTheBoxTickedAndACountdown) {
    Window w;
    w.Add({M("audio_only.m4a")});
    bool focusOnStop = false;
    const auto tickWhenShown = [&] {
        QTimer::singleShot(0, [&] {
            // Tick the box as soon as the dialog shows.
            QTimer::singleShot(0, [&] {
                CAVConvertDlg* progress = w.dlg->ProgressDialog();
                focusOnStop = progress->focusWidget() == progress->StopButton();
                progress->ShutDownBox()->setChecked(true);
            });
        });
    };
    QString shown;
    bool cancel = true;
    QTimer answer;
    answer.setInterval(10);
    QObject::connect(&answer, &QTimer::timeout, [&] {
        if (auto* notice = qobject_cast<CShutDownNotice*>(QApplication::activeModalWidget())) {
            shown = notice->Text();
            (cancel ? notice->CancelButton() : notice->ShutDownNowButton())->click();
        }
    });
    answer.start();
    tickWhenShown();
    w.RunToEnd(ids::kConvert);
    EXPECT_TRUE(focusOnStop) << "the keyboard starts on Stop";
    EXPECT_TRUE(shown.contains("shuts down in 30 seconds")) << shown.toStdString();
    EXPECT_EQ(w.power.powerOffs, 0) << "cancelled";
    EXPECT_EQ(w.Cell(0, column::kStatus), "Completed");
    EXPECT_FALSE(w.dlg->ProgressDialog()->ShutDownBox()->isChecked()) << "not this time";

    // Cancelled means "not this time": the next run, left alone, starts with the box clear
    // and ends without a notice.
    shown.clear();
    w.List()->SetRowChecked(0, true);
    bool clearAtStart = false;
    QTimer::singleShot(0, [&] {
        QTimer::singleShot(
            0, [&] { clearAtStart = !w.dlg->ProgressDialog()->ShutDownBox()->isChecked(); });
    });
    w.RunToEnd(ids::kConvert);
    EXPECT_TRUE(clearAtStart);
    EXPECT_TRUE(shown.isEmpty()) << shown.toStdString();
    EXPECT_EQ(w.power.powerOffs, 0);

    cancel = false;
    w.List()->SetRowChecked(0, true);
    tickWhenShown();
    w.RunToEnd(ids::kConvert);
    EXPECT_EQ(w.power.powerOffs, 1);

    // The system refuses (authorization needed): the window says so.
    w.power.refusal = QStringLiteral("Interactive authentication required.");
    w.List()->SetRowChecked(0, true);
    tickWhenShown();
    w.RunToEnd(ids::kConvert);
    EXPECT_EQ(w.power.powerOffs, 2);
    ASSERT_FALSE(w.messages.shown.isEmpty());
    EXPECT_TRUE(w.messages.shown.last().contains("Interactive authentication required."))
        << w.messages.shown.last().toStdString();

    // Left alone, the notice shuts down at the end of its count.
    CShutDownNotice alone(nullptr, 1);
    EXPECT_EQ(alone.exec(), QDialog::Accepted);
}

TEST(MainWindow, FailuresShowInTheRowAndStayChecked) {
    Window w;
    ScratchDir source;
    const std::string copy = source.File("vanishing.mp4");
    fs::copy_file(Media("h264_aac.mp4"), copy);
    const std::string silent = source.File("silent.mp4");
    fs::copy_file(Media("h264_aac.mp4"), silent);
    w.Add({QString::fromStdString(copy), M("audio_only.m4a"), QString::fromStdString(silent)});
    fs::remove(copy);  // gone before the run
    fs::remove(silent);
    fs::copy_file(Media("video_only.mp4"), silent);  // no sound any more
    w.RunToEnd(ids::kConvert);
    EXPECT_EQ(w.Cell(0, column::kStatus), "Failure");
    EXPECT_TRUE(w.List()->IsRowChecked(0));
    EXPECT_EQ(w.Cell(1, column::kStatus), "Completed");
    EXPECT_EQ(w.Cell(2, column::kStatus), "Failure");
    EXPECT_EQ(w.dlg->ProgressDialog()->TotalText(), "3 Task Completed / Total 3 Task(s)");
    // The status cell's tooltip says why.
    const auto reason = [&w](int row) {
        return w.List()->item(row, column::kStatus)->toolTip().toStdString();
    };
    // The system's own text (in English, as status lines are).
    EXPECT_EQ(reason(0), "cannot open as media: " + AvErrorText(AVERROR(ENOENT)));
    EXPECT_EQ(reason(1), "");
    EXPECT_EQ(reason(2), "nothing to write: the source has no audio: Stream not found");

    // A full disk (files may not grow past 64 KiB).
    w.List()->SetRowChecked(1, true);
    w.List()->SetRowChecked(0, false);
    w.List()->SetRowChecked(2, false);
    w.List()->item(1, column::kSource)->setText(M("long_60.m4a"));
    {
        FileSizeLimit full(64 * 1024);
        w.RunToEnd(ids::kConvert);
    }
    EXPECT_EQ(w.Cell(1, column::kStatus), "Failure");
    EXPECT_EQ(
        reason(1).rfind("cannot encode or write the sound: " + AvErrorText(AVERROR(EFBIG)), 0), 0U)
        << reason(1);
}

// Runs `act` on the modal dialog of type T that the next call opens, then closes it.
template <typename T>
void CloseNextModal(const std::function<void(T*)>& act) {
    QTimer::singleShot(0, [act] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
            act(dialog);
            dialog->done(QDialog::Accepted);
        }
    });
}

TEST(MainWindow, SettingFileInformationAndAboutOpenTheirDialogs) {
    Window w;
    w.Add({M("h264_aac.mp4"), M("audio_only.m4a")});
    PickFormat(w.dlg->FormatBox(), 3);
    bool settingsSeen = false;
    CloseNextModal<CSettings>([&](CSettings* d) {
        settingsSeen = true;
        EXPECT_EQ(d->PresetName()->text(), "OGG -Ogg Vorbis Audio(*.ogg)");
        d->ListBox(CSettings::kAudioBitRate)->setCurrentIndex(0);
        d->OnOk();
    });
    w.Click(ids::kSetting);
    EXPECT_TRUE(settingsSeen);
    EXPECT_EQ(w.dlg->Settings().audioBitRate, 64000) << "the dialog writes the profile";

    w.List()->selectRow(1);
    QString shownName;
    CloseNextModal<CFileInfomation>([&](CFileInfomation* d) { shownName = d->BoxText(0); });
    w.Click(ids::kFileInfo);
    EXPECT_EQ(shownName, "audio_only.m4a");

    bool aboutSeen = false;
    CloseNextModal<CAbout>([&](CAbout*) { aboutSeen = true; });
    w.Click(ids::kAbout);
    EXPECT_TRUE(aboutSeen);
}

TEST(MainWindow, ClickOnARowWhoseFileVanishedSaysSo) {
    Window w;
    ScratchDir source;
    const std::string copy = source.File("gone.mp4");
    fs::copy_file(Media("h264_aac.mp4"), copy);
    w.Add({QString::fromStdString(copy)});
    fs::remove(copy);
    w.List()->selectRow(0);
    w.dlg->OnListClicked();
    EXPECT_EQ(w.messages.shown,
              QStringList({"File:" + QString::fromStdString(copy) + " invalid!"}));
    w.Click(ids::kFileInfo);  // nothing opens: the probe fails silently

    // A click reads a file again only when it changed: spoilt in place with its size and time
    // kept, it is not read (what the row's probe found stands); touched, it is, and says so.
    w.messages.shown.clear();
    const std::string kept = source.File("kept.mp4");
    fs::copy_file(Media("h264_aac.mp4"), kept);
    w.Add({QString::fromStdString(kept)});
    const auto time = fs::last_write_time(kept);
    const auto size = fs::file_size(kept);
    std::ofstream(kept, std::ios::binary) << std::string(size, '\0');
    fs::last_write_time(kept, time);
    w.List()->clearSelection();
    w.List()->selectRow(1);
    w.dlg->OnListClicked();
    EXPECT_TRUE(w.messages.shown.isEmpty()) << w.messages.shown.join('\n').toStdString();
    fs::last_write_time(kept, time + std::chrono::seconds(5));
    w.dlg->OnListClicked();
    EXPECT_EQ(w.messages.shown,
              QStringList({"File:" + QString::fromStdString(kept) + " invalid!"}));
}

TEST(MainWindow, ContextMenuActsOnTheSelectedRow) {
    Window w;
    w.Add({M("h264_aac.mp4"), M("audio_only.m4a")});
    const auto pick = [&](const QString& text, bool* enabled) {
        QTimer::singleShot(0, [text, enabled] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (menu == nullptr) {
                return;
            }
            for (QAction* action : menu->actions()) {
                if (action->text() == text) {
                    *enabled = action->isEnabled();
                    if (action->isEnabled()) {
                        // As the user picks it: the menu's own activation.
                        menu->setActiveAction(action);
                        QTest::keyClick(menu, Qt::Key_Return);
                        return;
                    }
                }
            }
            menu->close();
        });
        emit w.List()->customContextMenuRequested(QPoint(10, 10));
    };
    bool enabled = true;
    w.List()->clearSelection();
    pick("Remove", &enabled);
    EXPECT_FALSE(enabled) << "nothing selected";
    EXPECT_EQ(w.List()->rowCount(), 2);
    EXPECT_FALSE(w.Enabled(ids::kClip));
    w.List()->selectRow(1);
    pick("Remove", &enabled);
    EXPECT_TRUE(enabled);
    ASSERT_EQ(w.List()->rowCount(), 1);
    EXPECT_TRUE(w.Cell(0, column::kSource).endsWith("h264_aac.mp4"));
    pick("Clear All", &enabled);
    EXPECT_EQ(w.List()->rowCount(), 0);
}

// Opens the context menu on `row` and reads (and, with `pick` > 0, picks) its sound tracks.
QStringList SubMenu(Window& w, int row, int pick, const QString& title) {
    QStringList seen;
    w.Select(row);
    QTimer::singleShot(0, [&seen, pick, title] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr) {
            return;
        }
        for (QAction* action : menu->actions()) {
            if (action->text() == title && action->menu() != nullptr) {
                const QList<QAction*> tracks = action->menu()->actions();
                for (QAction* track : tracks) {
                    seen << (track->isChecked() ? "[x] " : "[ ] ") + track->text();
                }
                if (pick > 0) {
                    tracks[pick - 1]->trigger();
                }
            }
        }
        menu->close();
    });
    emit w.List()->customContextMenuRequested(QPoint(10, 10));
    return seen;
}

QStringList SoundTrackMenu(Window& w, int row, int pick) {
    return SubMenu(w, row, pick, "Sound track");
}

// The Channels menu: one channel alone (the row says which), and every channel to its own row
// and file, named by the channel.
TEST(MainWindow, ChannelsMenuPicksOneOrSplitsEvery) {
    Window w;
    w.Add({M("ac3_51.mkv"), M("audio_only.m4a")});
    const QStringList offered = SubMenu(w, 0, 4, "Channels");           // FC alone
    ASSERT_EQ(offered.size(), 9) << offered.join(" | ").toStdString();  // a separator too
    EXPECT_EQ(offered[0], "[x] All channels");
    EXPECT_EQ(offered[3], "[ ] FC alone");
    EXPECT_EQ(offered[8], "[ ] Every channel to its own file");
    EXPECT_EQ(w.dlg->Rows()[0].channel, 3);
    EXPECT_TRUE(w.List()->item(0, column::kSource)->toolTip().endsWith("Channel FC alone"));
    EXPECT_TRUE(SubMenu(w, 0, 0, "Channels")[3].startsWith("[x]")) << "the choice is marked";
    PickFormat(w.dlg->FormatBox(), 1);  // WAV
    w.List()->SetRowChecked(1, false);
    w.RunToEnd(ids::kConvert);
    EXPECT_EQ(Ffprobe((w.OutputFolder() + "/ac3_51.wav").toStdString()).channels, 1);

    SubMenu(w, 0, 9, "Channels");  // every channel
    ASSERT_EQ(w.List()->rowCount(), 7);
    for (int row = 0; row < 6; ++row) {
        EXPECT_EQ(w.dlg->Rows()[static_cast<std::size_t>(row)].channel, row + 1);
        EXPECT_TRUE(w.dlg->Rows()[static_cast<std::size_t>(row)].channelInName);
    }
    EXPECT_EQ(SubMenu(w, 6, 0, "Channels").size(), 5) << "a stereo file: all, FL, FR, every";
    w.RunToEnd(ids::kConvert);
    // (An AC-3 5.1 has its surrounds at the side.)
    for (const char* name : {"FL", "FR", "FC", "LFE", "SL", "SR"}) {
        const QString file = w.OutputFolder() + "/ac3_51." + name + ".wav";
        EXPECT_EQ(Ffprobe(file.toStdString()).channels, 1) << name;
    }
}

// The mix dialog's preview: seconds of the mix as Convert would write them (the list's format),
// played through a player of its own; a second press stops it.
TEST(MainWindow, MixDialogPreviewsTheMix) {
    Window w;
    w.Add({M("three_audio.mkv")});
    PickFormat(w.dlg->FormatBox(), 1);  // WAV
    QString file;
    QString failure = "not written";
    bool played = false;
    bool stopped = false;
    std::vector<std::int16_t> samples;  // what the preview wrote (gone with the dialog)
    QTimer::singleShot(300, [&] {
        auto* dialog = qobject_cast<CMixDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            return;
        }
        dialog->TrackBox(0)->setChecked(true);  // 440 Hz for 2 s
        dialog->TrackBox(2)->setChecked(true);  // 660 Hz for 4 s
        QSignalSpy started(dialog, &CMixDialog::PreviewStarted);
        dialog->PreviewButton()->click();
        if (started.wait(30000)) {
            file = dialog->PreviewFile();
            failure = dialog->PreviewFailure();
            played = dialog->PreviewPlaying();
            samples = DecodedSamples(file.toStdString());
            dialog->PreviewButton()->click();
            stopped = !dialog->PreviewPlaying();
        }
        dialog->reject();
    });
    SoundTrackMenu(w, 0, 5);  // Mix tracks…
    EXPECT_EQ(failure, "");
    EXPECT_TRUE(played);
    EXPECT_TRUE(stopped);
    ASSERT_TRUE(file.endsWith(".wav")) << file.toStdString();
    EXPECT_FALSE(w.dlg->Rows()[0].mix.Any()) << "a preview changes no row";
    // The whole 4 s (less than the preview's length), both tracks while both sound: the first
    // second louder than the last, where only the longer track goes on.
    EXPECT_NEAR(static_cast<double>(samples.size()) / 48000.0, 4.0, 0.05);
    const auto rms = [&](std::size_t from, std::size_t count) {
        double sum = 0.0;
        for (std::size_t i = from; i < from + count && i < samples.size(); ++i) {
            sum += static_cast<double>(samples[i]) * samples[i];
        }
        return std::sqrt(sum / static_cast<double>(count));
    };
    const double both = rms(4800, 38400);
    const double one = rms(samples.size() - 43200, 38400);
    EXPECT_GT(both, one * 1.2) << both << " against " << one;
    EXPECT_NEAR(Frequency({samples.end() - 43200, samples.end() - 4800}, 48000), 660.0, 3.0);
}

// A row's sound tracks mixed: the row says so, the run mixes them, a saved list keeps the mix,
// and picking one track again ends it.
TEST(MainWindow, MixedTracksRunAndAreKept) {
    Window w;
    w.Add({M("three_audio.mkv")});
    w.dlg->SetRowMix(0, {{1, 2}, {0.0, -6.0}, 1, 10.0, 0.0});
    EXPECT_TRUE(w.List()
                    ->item(0, column::kSource)
                    ->data(CCheckListCtrl::kShownTextRole)
                    .toString()
                    .endsWith(QString::fromUtf8("\u2014 Tracks 1+2")));
    // Its format cell says so too; the cell's text stays the format's entry.
    const QTableWidgetItem* format = w.List()->item(0, column::kFormat);
    EXPECT_EQ(format->data(CCheckListCtrl::kShownTextRole).toString(),
              format->text() + QString::fromUtf8(" \u2014 Tracks 1+2"));
    EXPECT_EQ(format->text(), w.dlg->FormatBox()->currentText());
    EXPECT_TRUE(SoundTrackMenu(w, 0, 0).last().startsWith("[x] Mix tracks"));
    PickFormat(w.dlg->FormatBox(), 1);  // WAV
    w.RunToEnd(ids::kConvert);
    ASSERT_EQ(w.Cell(0, column::kStatus), "Completed");
    EXPECT_TRUE(w.List()->item(0, column::kStatus)->toolTip().contains("mixed Tracks 1+2"));
    // The tracks last 2 and 3 seconds: the mix as long as the longer.
    EXPECT_NEAR(DecodedSeconds((w.OutputFolder() + "/three_audio.wav").toStdString()), 3.0, 0.05);
    const std::string saved = (w.program.Path() / "mix.tolvane-job").string();
    w.files.saveAs = QString::fromStdString(saved);
    w.dlg->OnSaveList();
    const JobRead read = ReadJobFile(saved);
    ASSERT_TRUE(read.job) << read.error;
    EXPECT_EQ(read.job->rows[0].mix, (tolvane::TrackMix{{1, 2}, {0.0, -6.0}, 1, 10.0, 0.0}));
    SoundTrackMenu(w, 0, 2);
    EXPECT_FALSE(w.dlg->Rows()[0].mix.Any()) << "one track picked: no mix";
}

TEST(MainWindow, SoundTrackSubMenuChoosesWhatARowConverts) {
    Window w;
    w.Add({M("three_audio.mkv"), M("three_audio.mkv"), M("audio_only.m4a")});
    const auto trackMenu = [&w](int row, int pick) { return SoundTrackMenu(w, row, pick); };
    EXPECT_EQ(trackMenu(0, 0),
              QStringList(
                  {QString::fromUtf8("[ ] 1: eng \u00b7 AAC stereo \u00b7 48 kHz"),
                   QString::fromUtf8("[ ] 2: eng \u00b7 AC-3 5.1 \u00b7 48 kHz \u00b7 Commentary"),
                   QString::fromUtf8("[x] 3: fra \u00b7 MP2 mono \u00b7 22.05 kHz"), "[ ] ",
                   QString::fromUtf8("[ ] Mix tracks\u2026")}))
        << "the last track, as ever";
    EXPECT_TRUE(trackMenu(2, 0).isEmpty()) << "a file of one sound track has no sub-menu";
    trackMenu(0, 2);
    EXPECT_TRUE(trackMenu(0, 0)[1].startsWith("[x] 2:")) << "the choice is marked";
    EXPECT_TRUE(w.List()
                    ->item(0, column::kSource)
                    ->toolTip()
                    .endsWith(QString::fromUtf8(
                        "Sound track 2: eng \u00b7 AC-3 5.1 \u00b7 48 kHz \u00b7 Commentary")));
    trackMenu(1, 1);

    w.List()->SetRowChecked(2, false);
    PickFormat(w.dlg->FormatBox(), 1);  // WAV
    w.RunToEnd(ids::kConvert);
    // The tracks last 2, 3 and 4 seconds.
    const QString out = w.OutputFolder();
    EXPECT_NEAR(DecodedSeconds((out + "/three_audio.wav").toStdString()), 3.0, 0.05);
    EXPECT_NEAR(DecodedSeconds((out + "/three_audio(0).wav").toStdString()), 2.0, 0.05);
    // A file of one sound track offers no choice.
    w.Add({M("audio_only.m4a")});
    EXPECT_TRUE(trackMenu(3, 0).isEmpty());
}

TEST(MainWindow, OriginalAudioCopiesEachRowsChosenTrackIntoItsOwnContainer) {
    Window w;
    w.Add({M("h264_aac.mp4"), M("ac3_51.mkv"), M("three_audio.mkv")});
    SoundTrackMenu(w, 2, 2);  // the AC-3 commentary
    PickFormat(w.dlg->FormatBox(), kOriginalAudioIndex);
    EXPECT_EQ(w.dlg->FormatBox()->currentText(), "Original audio (no re-encode)");
    EXPECT_FALSE(w.Enabled(ids::kSetting)) << "nothing to set when nothing is encoded";
    for (int row = 0; row < 3; ++row) {
        EXPECT_EQ(w.Cell(row, column::kFormat), "Original audio");
    }
    w.Add({M("audio_only.m4a")});  // later rows too
    EXPECT_EQ(w.Cell(3, column::kFormat), "Original audio");
    EXPECT_FALSE(w.Enabled(ids::kSetting));

    // File Information tells the chosen track's facts.
    w.List()->selectRow(2);
    QString track;
    QString channels;
    CloseNextModal<CFileInfomation>([&](CFileInfomation* d) {
        track = d->SoundTrackText();
        channels = d->BoxText(7);
    });
    w.Click(ids::kFileInfo);
    EXPECT_EQ(track, QString::fromUtf8("2: eng \u00b7 AC-3 5.1 \u00b7 48 kHz \u00b7 Commentary"));
    EXPECT_TRUE(channels.startsWith("6")) << channels.toStdString();

    w.RunToEnd(ids::kConvert);
    const QString out = w.OutputFolder();
    for (int row = 0; row < 4; ++row) {
        EXPECT_EQ(w.Cell(row, column::kStatus), "Completed") << row;
    }
    const std::string aac = (out + "/h264_aac.m4a").toStdString();
    EXPECT_EQ(Ffprobe(aac).codec, "aac");
    EXPECT_EQ(RunCommand("ffmpeg -nostdin -v error -i '" + aac + "' -c copy -f md5 -"),
              RunCommand("ffmpeg -nostdin -v error -i '" + M("h264_aac.mp4").toStdString() +
                         "' -map 0:a -c copy -f md5 -"))
        << "the packets as they were";
    EXPECT_EQ(Ffprobe((out + "/ac3_51.ac3").toStdString()).channels, 6);
    EXPECT_NEAR(DecodedSeconds((out + "/three_audio.ac3").toStdString()), 3.0, 0.05);
    EXPECT_NEAR(DecodedSeconds((out + "/audio_only.m4a").toStdString()), 5.0, 0.05);

    // Back to a format that encodes: the settings apply again.
    PickFormat(w.dlg->FormatBox(), 0);
    EXPECT_TRUE(w.Enabled(ids::kSetting));
    EXPECT_EQ(w.Cell(0, column::kFormat), "MP3-MPEG Layer-3 Audio(*.mp3)");
}

TEST(MainWindow, OriginalAudioMergesOnlySoundOfOneKind) {
    Window w;
    w.Add({M("merge_ac3_1.mkv"), M("merge_ac3_2.mkv"), M("h264_aac.mp4")});
    PickFormat(w.dlg->FormatBox(), kOriginalAudioIndex);
    w.dlg->OnMerge();
    ASSERT_EQ(w.messages.shown.size(), 1);
    EXPECT_TRUE(w.messages.shown[0].startsWith(
        "These files cannot be merged without re-encoding: row 3 (h264_aac.mp4) has AAC"))
        << w.messages.shown[0].toStdString();
    EXPECT_FALSE(w.dlg->WorkerRunning());
    EXPECT_TRUE(fs::is_empty(w.OutputFolder().toStdString())) << "nothing written";

    w.List()->SetRowChecked(2, false);
    w.RunToEnd(ids::kMerge);
    const std::string merged = (w.OutputFolder() + "/merge_ac3_1.ac3").toStdString();
    EXPECT_NEAR(DecodedSeconds(merged), 3.0, 0.05);
    EXPECT_EQ(w.Cell(0, column::kStatus), "Completed");
    EXPECT_EQ(w.Cell(1, column::kStatus), "Completed");
}

TEST(MainWindow, PressingAFreeSpotDragsTheWindow) {
    Window w;
    const QPoint before = w.dlg->pos();
    QTest::mousePress(w.dlg.get(), Qt::LeftButton, {}, QPoint(600, 20));
    QTest::mouseMove(w.dlg.get(), QPoint(650, 45));
    QTest::mouseRelease(w.dlg.get(), Qt::LeftButton, {}, QPoint(650, 45));
    if (w.dlg->windowHandle() != nullptr && QGuiApplication::platformName() != "offscreen") {
        GTEST_SKIP() << "the window manager moves it";
    }
    EXPECT_EQ(w.dlg->pos(), before + QPoint(50, 25));
}

TEST(MainWindow, ARunOfMoreThan9999RowsIsRefused) {
    Window w;
    ScratchDir scratch;
    JobDocument many;
    JobRow row;
    row.source = M("short_1s.mp4").toStdString();
    many.rows.assign(static_cast<std::size_t>(AVConvert::kMaxTasks) + 1, row);
    const std::string job = scratch.File("many.tolvane-job");
    ASSERT_EQ(WriteJobFile(job, many), "");
    ASSERT_TRUE(w.dlg->OpenList(QString::fromStdString(job)));
    w.Settle();
    ASSERT_EQ(w.List()->rowCount(), AVConvert::kMaxTasks + 1);
    w.Click(ids::kConvert);
    ASSERT_FALSE(w.messages.shown.isEmpty());
    EXPECT_EQ(w.messages.shown.back(), "A run holds at most 9999 files.");
    EXPECT_FALSE(w.dlg->WorkerRunning());
    EXPECT_EQ(w.Cell(0, column::kStatus), " Ready");
}

TEST(MainWindow, PipesAreRefusedAtAddAndDropWithoutOpeningThem) {
    Window w;
    ScratchDir dir;
    const std::string fifo = dir.File("pipe.mp4");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    w.Add({QString::fromStdString(fifo), M("short_1s.mp4")});
    w.dlg->DropFiles({QString::fromStdString(fifo)});
    w.Settle();
    EXPECT_EQ(w.List()->rowCount(), 1);
    EXPECT_EQ(w.messages.shown, QStringList({"File:pipe.mp4 is not a regular file!",
                                             "File:pipe.mp4 is not a regular file!"}));
}

TEST(MainWindow, SettingsNoFileCanBeWrittenWithAreSaidOnceBeforeTheRun) {
    Window w;
    w.Add({M("short_1s.mp4"), M("audio_only.m4a")});
    w.dlg->Settings().channels = 6;  // MP3 holds at most two
    w.Click(ids::kConvert);
    ASSERT_EQ(w.messages.shown.size(), 1);
    EXPECT_TRUE(w.messages.shown[0].startsWith("These settings cannot be converted: "))
        << w.messages.shown[0].toStdString();
    EXPECT_FALSE(w.dlg->WorkerRunning());
    EXPECT_EQ(w.Cell(0, column::kStatus), " Ready");
    EXPECT_FALSE(fs::exists(w.OutputFolder().toStdString() + "/short_1s.mp3"));
}

// What is easy to miss in a run: the current file's line while it runs, sources whose names
// have no dot (nothing starts, nothing changes), and a remembered folder that is gone (Convert
// refuses, Merge creates it).
TEST(MainWindow, TheCurrentFileLineNamesWithoutADotAndAFolderThatIsGone) {
    Window w;
    w.Add({M("long_60.m4a"), M("short_1s.mp4")});
    QStringList lines;
    QTimer sampler;
    QObject::connect(&sampler, &QTimer::timeout,
                     [&] { lines << w.dlg->ProgressDialog()->CurrentText(); });
    sampler.start(10);
    w.RunToEnd(ids::kConvert);
    sampler.stop();
    const QRegularExpression line(R"(^(long_60\.m4a|short_1s\.mp4)   \d{1,3}% has completed$)");
    int named = 0;
    for (const QString& text : lines) {
        if (text != "Converting...") {  // until the first file reports
            EXPECT_TRUE(line.match(text).hasMatch()) << text.toStdString();
            ++named;
        }
    }
    EXPECT_GT(named, 0);

    ScratchDir scratch;
    const std::string noDot = scratch.File("concert_recording");
    fs::copy_file(Media("short_1s.mp4"), noDot);
    w.Click(ids::kClearAll);
    w.Add({QString::fromStdString(noDot), M("short_1s.mp4")});
    ASSERT_EQ(w.List()->rowCount(), 2);
    for (int id : {ids::kConvert, ids::kMerge}) {
        w.Click(id);
        EXPECT_FALSE(w.dlg->ProgressDialog()->isVisible()) << id;
        EXPECT_EQ(w.Cell(0, column::kStatus), " Ready") << id;
        EXPECT_TRUE(w.List()->IsRowChecked(0)) << id;
    }
    EXPECT_TRUE(w.messages.shown.isEmpty());

    const std::string gone = scratch.File("gone/out");
    WriteSetting(w.dlg->SettingsFile().toStdString(), "Path", gone);
    w.Restart();
    EXPECT_EQ(w.dlg->FolderBox()->currentText().toStdString(), gone);
    w.Add({M("short_1s.mp4"), M("audio_only.m4a")});
    w.Click(ids::kConvert);
    EXPECT_EQ(w.messages.shown, QStringList({kFolderMissingMessage}));
    EXPECT_FALSE(fs::exists(gone));
    w.RunToEnd(ids::kMerge);
    EXPECT_TRUE(fs::is_directory(gone));
    EXPECT_EQ(w.Cell(0, column::kStatus), "Completed");
}

// Opens the context menu of the selected row; picks the entry `text` when it is there, and then
// runs `then` (on a dialog the entry opens). Returns the menu's entries.
QStringList PickInMenu(Window& w, const QString& text, const std::function<void()>& then = {}) {
    QStringList entries;
    QTimer::singleShot(0, [&entries, text, then] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr) {
            return;
        }
        QAction* wanted = nullptr;
        for (QAction* action : menu->actions()) {
            entries << action->text();
            if (action->text() == text && action->isEnabled()) {
                wanted = action;
            }
        }
        if (wanted == nullptr) {
            menu->close();
            return;
        }
        if (then) {
            QTimer::singleShot(0, then);
        }
        menu->setActiveAction(wanted);
        QTest::keyClick(menu, Qt::Key_Return);
    });
    emit w.List()->customContextMenuRequested(QPoint(10, 10));
    return entries;
}

// A recording split into its chapters, another at pasted times: a checked row per part, each
// clipped to it, converted under the part's name with its exact times.
TEST(MainWindow, SplitsARowByItsChaptersAndAtPastedTimes) {
    Window w;
    w.Add({M("chapters3.mkv"), M("short_1s.mp4")});
    w.Select(0);
    EXPECT_TRUE(PickInMenu(w, "Split by chapters").contains("Split by chapters"));
    ASSERT_EQ(w.List()->rowCount(), 4);
    EXPECT_EQ(w.Cell(1, column::kStart), "00:00:02");
    EXPECT_EQ(w.Cell(1, column::kEnd), "00:00:04");
    EXPECT_EQ(w.Cell(2, column::kEnd), "00:00:06");
    EXPECT_TRUE(w.List()->IsRowChecked(2));
    EXPECT_TRUE(w.List()->item(1, column::kSource)->toolTip().contains("Part 2 of 3: Second Song"));
    // The rows say which part they are.
    const auto shown = [&w](int row, int c) {
        return w.List()->item(row, c)->data(CCheckListCtrl::kShownTextRole).toString();
    };
    EXPECT_EQ(shown(1, column::kSource), "chapters3.mkv \u2014 02 Second Song");
    EXPECT_EQ(w.Cell(1, column::kSource), M("chapters3.mkv")) << "the path stays the text";
    // The format column shows the entry as the format box has it (its short name in the tip).
    EXPECT_TRUE(shown(1, column::kFormat).isEmpty()) << "nothing but the entry is drawn";
    EXPECT_EQ(w.Cell(1, column::kFormat), "MP3-MPEG Layer-3 Audio(*.mp3)");
    EXPECT_EQ(w.List()->item(1, column::kFormat)->toolTip(), "MP3-MPEG Layer-3 Audio(*.mp3) (MP3)");
    EXPECT_TRUE(shown(3, column::kSource).isEmpty()) << "a whole file shows its path";
    // The header's box follows the rows: one row unchecked clears it, that row gone sets it.
    w.List()->SetRowChecked(3, false);
    EXPECT_EQ(w.List()->Header()->BoxImage(), 1);
    w.Select(3);
    w.dlg->OnRemove();
    EXPECT_EQ(w.List()->Header()->BoxImage(), 2);
    w.Add({M("short_1s.mp4")});

    w.Select(3);
    QString understood;
    const QStringList entries = PickInMenu(w, "Split at times\u2026", [&understood] {
        auto* dialog = qobject_cast<CSplitDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            return;
        }
        dialog->Editor()->setPlainText("0:00 Intro\n0:00.5 - Rest\nnonsense");
        understood = dialog->Understood()->toPlainText();
        dialog->OkButton()->click();
    });
    EXPECT_FALSE(entries.contains("Split by chapters")) << "a file without chapters";
    EXPECT_TRUE(understood.startsWith("2 parts:")) << understood.toStdString();
    EXPECT_TRUE(understood.contains("Left out: line 3")) << understood.toStdString();
    ASSERT_EQ(w.List()->rowCount(), 5);

    w.RunToEnd(ids::kConvert);
    const QString out = w.OutputFolder();
    EXPECT_NEAR(DecodedSeconds((out + "/chapters3 - 02 - Second Song.mp3").toStdString()), 2.5,
                0.05)
        << "its exact times, not the row's whole seconds";
    EXPECT_NEAR(DecodedSeconds((out + "/short_1s - 02 - Rest.mp3").toStdString()), 0.5, 0.05);
    for (int row = 0; row < 5; ++row) {
        EXPECT_EQ(w.Cell(row, column::kStatus), "Completed") << row;
    }
}

// Tempo, night mode and fades chosen in Setting: the run applies them and its status says so,
// a saved list keeps them, and the next start has them again (a remembered value out of range
// is not taken).
TEST(MainWindow, ListeningChoicesRunSaveAndComeBack) {
    Window w;
    w.Add({M("h264_aac.mp4")});
    w.dlg->Settings().listen = {2.0, false, 0.5, 0.5, 0.0};
    w.RunToEnd(ids::kConvert);
    ASSERT_EQ(w.Cell(0, column::kStatus), "Completed");
    EXPECT_TRUE(w.List()
                    ->item(0, column::kStatus)
                    ->toolTip()
                    .contains(QString::fromUtf8("tempo 2\u00d7, fade in 0.5 s, fade out 0.5 s")))
        << w.List()->item(0, column::kStatus)->toolTip().toStdString();
    const std::string output = w.dlg->Rows()[0].output;
    EXPECT_NEAR(DecodedSeconds(output), SoundSeconds(M("h264_aac.mp4").toStdString()) / 2.0, 0.03);

    const std::string saved = (w.program.Path() / "listen.tolvane-job").string();
    w.files.saveAs = QString::fromStdString(saved);
    w.dlg->OnSaveList();
    const JobRead read = ReadJobFile(saved);
    ASSERT_TRUE(read.job) << read.error;
    const tolvane::ListenShape chosen{2.0, false, 0.5, 0.5, 0.0};
    EXPECT_EQ(read.job->settings.profile.listen, chosen);
    Window other;
    other.files.nextFiles = {QString::fromStdString(saved)};
    other.dlg->OnOpenList();
    other.Settle();
    EXPECT_EQ(other.dlg->Settings().listen, chosen) << "the list's own";

    const std::string file = w.dlg->SettingsFile().toStdString();
    ASSERT_TRUE(WriteSetting(file, "Tempo", "1.5"));
    ASSERT_TRUE(WriteSetting(file, "Night", "1"));
    ASSERT_TRUE(WriteSetting(file, "Crossfade", "3"));
    {
        CBrenvixDlg again(WindowServices{&w.messages, &w.files, &w.desktop, &w.power, {}},
                          QString::fromStdString(w.program.Path().string()));
        EXPECT_EQ(again.Settings().listen, (tolvane::ListenShape{1.5, true, 0.0, 0.0, 3.0}));
    }
    ASSERT_TRUE(WriteSetting(file, "Tempo", "9"));
    CBrenvixDlg again(WindowServices{&w.messages, &w.files, &w.desktop, &w.power, {}},
                      QString::fromStdString(w.program.Path().string()));
    EXPECT_EQ(again.Settings().listen, tolvane::ListenShape{}) << "out of range: none of it";
}

// The list as a file: saved and opened again it is the same list; one that names files that
// are gone names them once and keeps the rest.
TEST(MainWindow, SavedListsOpenAsTheyWereSaved) {
    Window w;
    w.Add({M("chapters3.mkv"), M("short_1s.mp4"), M("h264_aac.mp4")});
    w.Select(0);
    PickInMenu(w, "Split by chapters");
    w.List()->SetRowChecked(4, false);
    ASSERT_EQ(w.dlg->Rows().size(), 5U);
    const std::string saved = (w.program.Path() / "mine.tolvane-job").string();
    w.files.saveAs = QString::fromStdString(saved.substr(0, saved.size() - 12));  // no extension
    w.dlg->OnSaveList();
    const JobRead read = ReadJobFile(saved);
    ASSERT_TRUE(read.job) << read.error;
    EXPECT_EQ(read.job->rows.size(), 5U);
    EXPECT_EQ(read.job->rows[1].part.title, "Second Song");
    EXPECT_FALSE(read.job->rows[4].checked);

    Window other;
    other.files.nextFiles = {QString::fromStdString(saved)};
    other.dlg->OnOpenList();
    other.Settle();
    ASSERT_EQ(other.List()->rowCount(), 5);
    EXPECT_EQ(WriteJobText(other.dlg->ListAsJob()), WriteJobText(w.dlg->ListAsJob()));
    for (int row = 0; row < 5; ++row) {
        for (int c : {column::kSource, column::kStart, column::kEnd, column::kStatus}) {
            EXPECT_EQ(other.Cell(row, c), w.Cell(row, c)) << row << "," << c;
        }
    }

    // A list whose files moved: the missing one is named once, the others come in.
    JobDocument moved = *read.job;
    const std::string gone = (w.program.Path() / "gone.mkv").string();
    for (JobRow& row : moved.rows) {
        if (row.part.IsPart()) {
            row.source = gone;
        }
    }
    ASSERT_EQ(WriteJobFile(saved, moved), "");
    Window third;
    EXPECT_TRUE(third.dlg->OpenList(QString::fromStdString(saved)));
    third.Settle();
    EXPECT_EQ(third.List()->rowCount(), 2);
    ASSERT_EQ(third.messages.shown.size(), 1);
    EXPECT_EQ(third.messages.shown[0].count("gone.mkv"), 1)
        << third.messages.shown[0].toStdString();
    std::ofstream(saved) << "{\"format\": \"tolvane-job\", \"version\": 9, \"rows\": []}";
    EXPECT_FALSE(third.dlg->OpenList(QString::fromStdString(saved)));
    third.Settle();
    EXPECT_TRUE(third.messages.shown.last().contains("newer Tolvane"));
    EXPECT_EQ(third.List()->rowCount(), 2) << "nothing lost";
}

// A second start hands its files to the running window, which takes them as files opened with it;
// a socket left by a program that ended without closing it is taken over, and with nobody
// listening a start runs on its own.
TEST(MainWindow, ASecondStartHandsItsFilesToTheRunningWindow) {
    ScratchDir runtime;
    const std::string path = runtime.File("tolvane-test.socket");
    std::ofstream(path).close();  // left behind
    const QString socket = QString::fromStdString(path);
    Window w;
    SingleInstance instance(socket);
    ASSERT_TRUE(instance.Listen());
    QObject::connect(&instance, &SingleInstance::FilesArrived, w.dlg.get(),
                     [&w](const QStringList& paths) { w.dlg->TakeHandedOverFiles(paths); });
    SingleInstance::HandOverResult handed = SingleInstance::HandOverResult::NobodyListens;
    std::thread second([&] {
        handed = SingleInstance::HandOver(socket, {M("short_1s.mp4"), M("audio_only.m4a")});
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return w.List()->rowCount() == 2; }, 10000));
    second.join();
    EXPECT_EQ(handed, SingleInstance::HandOverResult::Taken);
    EXPECT_EQ(w.Cell(1, column::kSource), M("audio_only.m4a"));
    EXPECT_EQ(SingleInstance::HandOver(QString::fromStdString(runtime.File("none.socket")), {}),
              SingleInstance::HandOverResult::NobodyListens);
    // A window that is busy (it listens, but does not answer): the start learns so, and opens
    // a window of its own that keeps no list beside the busy one's.
    QLocalServer busy;
    ASSERT_TRUE(busy.listen(QString::fromStdString(runtime.File("busy.socket"))));
    EXPECT_EQ(SingleInstance::HandOver(QString::fromStdString(runtime.File("busy.socket")),
                                       {M("short_1s.mp4")}),
              SingleInstance::HandOverResult::NoAnswer);
}

// The single-instance socket lives only in a folder private to this user: without a runtime
// folder it makes one of its own in the temporary folder, and where another user made that
// first (or anyone may write in it) there is no socket at all: the program runs on its own. A
// connection from another user is never heard.
TEST(SingleInstance, OnlyThisUsersPrivateSocket) {
    ScratchDir scratch;
    const QString own = QString::fromStdString(scratch.File("own"));
    ASSERT_EQ(::mkdir(own.toUtf8().constData(), 0700), 0);
    EXPECT_TRUE(IsPrivateFolder(own));
    ::chmod(own.toUtf8().constData(), 0755);
    EXPECT_FALSE(IsPrivateFolder(own)) << "others may read it";
    ::chmod(own.toUtf8().constData(), 0700);
    fs::create_directory_symlink(own.toStdString(), scratch.File("link"));
    EXPECT_FALSE(IsPrivateFolder(QString::fromStdString(scratch.File("link"))));

    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    const QByteArray tmp = qgetenv("TMPDIR");
    qunsetenv("XDG_RUNTIME_DIR");
    qputenv("TMPDIR", QByteArray::fromStdString(scratch.Path().string()));
    const QString folder =
        QString::fromStdString(scratch.File("tolvane-" + std::to_string(::geteuid())));
    const QString path = InstanceSocketPath();
    EXPECT_TRUE(path.startsWith(folder + QStringLiteral("/"))) << path.toStdString();
    EXPECT_TRUE(IsPrivateFolder(folder));
    ::chmod(folder.toUtf8().constData(), 0777);  // taken over, or made by someone else
    EXPECT_EQ(InstanceSocketPath(), QString()) << "no socket in a shared folder";
    if (::geteuid() == 0) {
        ::chmod(folder.toUtf8().constData(), 0700);
        ASSERT_EQ(::chown(folder.toUtf8().constData(), 65534, 65534), 0);
        EXPECT_EQ(InstanceSocketPath(), QString()) << "another user made it first";
    }
    qputenv("XDG_RUNTIME_DIR", runtime);
    if (tmp.isNull()) {
        qunsetenv("TMPDIR");
    } else {
        qputenv("TMPDIR", tmp);
    }

    // The peer's user: this one through a pair of sockets; another through a socket that user
    // connects to (only root can be another user here).
    int pair[2];
    ASSERT_EQ(::socketpair(AF_UNIX, SOCK_STREAM, 0, pair), 0);
    EXPECT_TRUE(PeerIsThisUser(pair[0]));
    ::close(pair[0]);
    ::close(pair[1]);
    if (::geteuid() != 0) {
        return;
    }
    char shared[] = "/tmp/tolvane-peer-XXXXXX";
    ASSERT_NE(::mkdtemp(shared), nullptr);
    ::chmod(shared, 0777);
    const std::string socketPath = std::string(shared) + "/s";
    const int server = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::snprintf(address.sun_path, sizeof address.sun_path, "%s", socketPath.c_str());
    ASSERT_EQ(::bind(server, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ::chmod(socketPath.c_str(), 0777);
    ASSERT_EQ(::listen(server, 1), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        const int client = ::socket(AF_UNIX, SOCK_STREAM, 0);
        const bool ok =
            ::setgid(65534) == 0 && ::setuid(65534) == 0 &&
            ::connect(client, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
        char byte = 0;
        ::read(client, &byte, 1);  // until the server closes
        ::_exit(ok ? 0 : 1);
    }
    const int accepted = ::accept(server, nullptr, nullptr);
    ASSERT_GE(accepted, 0);
    EXPECT_FALSE(PeerIsThisUser(accepted)) << "another user's connection";
    ::close(accepted);
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    ::close(server);
    fs::remove_all(shared);
}

// Run by KilledWindowsComeBackWithTheirList in a process of its own, which it kills.
TEST(ListDriver, ConvertsUntilKilled) {
    const char* kept = std::getenv("TOLVANE_DRIVER_LIST");
    if (kept == nullptr) {
        GTEST_SKIP() << "only as a process of KilledWindowsComeBackWithTheirList";
    }
    Window w(QString::fromLocal8Bit(kept));
    w.dlg->FilesAtOnceBox()->setValue(1);
    w.Add({M("short_1s.mp4"), M("h264_aac.mp4"), M("long_60.m4a"), M("long_60.m4a"),
           M("long_60.m4a"), M("long_60.m4a")});
    w.RunToEnd(ids::kConvert);
    QTest::qWait(600000);  // killed before this ends
}

// A job written on the command line, opened in the window: the settings the window shows no
// control for and the members a newer program wrote stay, apply to its runs, are said under
// the list, and are saved back; Clear All leaves a list that asks for nothing more.
TEST(MainWindow, AnOpenedJobKeepsWhatTheWindowDoesNotShow) {
    ScratchDir work;
    const std::string job = work.File("cli.tolvane-job");
    int exitCode = -1;
    const std::string said =
        RunCommand(std::string(TOLVANE_CLI_PATH) + " -q -f ogg --replaygain=album " +
                       "--cover-from-video --skip-existing --keep-folders -o '" + work.File("out") +
                       "' --write-job '" + job + "' " + M("h264_aac.mp4").toStdString() + " " +
                       M("short_1s.mp4").toStdString(),
                   &exitCode);
    ASSERT_EQ(exitCode, 0) << said;
    std::string text = ReadFile(job);
    text.insert(text.find("\"rows\""), "\"fromTheFuture\": {\"x\": 1},\n  ");
    text.insert(text.find("\"keepFolders\""), "\"newSetting\": \"kept\",\n    ");
    const std::string peak = "\"truePeakCeiling\": -1";
    text.replace(text.find(peak), peak.size(), "\"truePeakCeiling\": -2");
    std::ofstream(job, std::ios::trunc) << text;
    const JobRead before = ReadJobFile(job);
    ASSERT_TRUE(before.job) << before.error;

    Window w;
    ASSERT_TRUE(w.dlg->OpenList(QString::fromStdString(job)));
    w.Settle();
    ASSERT_EQ(w.List()->rowCount(), 2);
    // The line stays once the list's files are checked (the check's count went over it).
    const QString note = w.dlg->ListNote();
    EXPECT_TRUE(note.contains("ReplayGain tags with the album's gain")) << note.toStdString();
    EXPECT_TRUE(note.contains("covers from the video")) << note.toStdString();
    const JobDocument kept = w.dlg->ListAsJob();
    const JobSettings& a = before.job->settings;
    const JobSettings& b = kept.settings;
    EXPECT_EQ(b.replayGain, GainTagChoice::Album);
    EXPECT_EQ(b.truePeakCeiling, -2.0);
    EXPECT_EQ(a.truePeakCeiling, -2.0);
    EXPECT_TRUE(b.coverFromVideo);
    EXPECT_TRUE(b.skipExisting);
    EXPECT_TRUE(b.keepFolders);
    EXPECT_EQ(b.formatEntry, a.formatEntry);
    ASSERT_EQ(b.unknown.size(), 1U);
    EXPECT_EQ(b.unknown[0].first, "newSetting");
    ASSERT_EQ(kept.unknown.size(), 1U);
    EXPECT_EQ(kept.unknown[0].first, "fromTheFuture");
    // Saved back by Save list as they came.
    const std::string saved = work.File("saved.tolvane-job");
    w.files.saveAs = QString::fromStdString(saved);
    w.dlg->OnSaveList();
    const std::string again = ReadFile(saved);
    for (const char* member : {"\"replayGain\": \"album\"", "\"newSetting\": \"kept\"",
                               "\"fromTheFuture\"", "\"keepFolders\": true"}) {
        EXPECT_NE(again.find(member), std::string::npos) << member << again;
    }
    w.dlg->OnClearAll();
    const JobSettings cleared = w.dlg->ListAsJob().settings;
    EXPECT_EQ(cleared.replayGain, GainTagChoice::Off);
    EXPECT_FALSE(cleared.skipExisting);
    EXPECT_TRUE(cleared.unknown.empty());
}

// A list that cannot be kept says so under the list (a crash would lose it), and the line goes
// once it is kept again; a kept list that cannot be read is set aside, named, never overwritten.
TEST(MainWindow, AListThatCannotBeKeptSaysSo) {
    ScratchDir state;
    std::ofstream(state.File("blocked")) << "a file where the folder should be";
    {
        Window w(QString::fromStdString(state.File("blocked/last-list.tolvane-job")));
        w.Add({M("short_1s.mp4")});
        EXPECT_TRUE(QTest::qWaitFor([&] { return w.dlg->ListNote().contains("a crash"); }, 5000))
            << w.dlg->ListNote().toStdString();
        EXPECT_TRUE(w.dlg->ListNote().contains(QString::fromStdString(state.File("blocked"))));
    }
    const std::string kept = state.File("kept/last-list.tolvane-job");
    fs::create_directories(state.File("kept"));
    std::ofstream(kept) << "{\"format\": \"tolvane-job\", \"version\": 1, \"rows\": [";
    Window w(QString::fromStdString(kept));
    EXPECT_TRUE(w.dlg->ListNote().contains("cannot be read")) << w.dlg->ListNote().toStdString();
    EXPECT_EQ(ReadFile(kept + ".unreadable"),
              "{\"format\": \"tolvane-job\", \"version\": 1, \"rows\": [");
    w.Add({M("short_1s.mp4")});
    w.dlg->Keeper()->Flush();
    EXPECT_TRUE(ReadJobFile(kept).job) << "a new list is kept beside it";
}

// A window killed during a conversion comes back with its list, the finished rows marked and
// unchecked, and that list runs on the command line; a Close ends with an empty list.
TEST(MainWindow, KilledWindowsComeBackWithTheirList) {
    ScratchDir state;
    const std::string kept = state.File("tolvane/last-list.tolvane-job");
    ::setenv("TOLVANE_DRIVER_LIST", kept.c_str(), 1);
    const pid_t child = ::fork();
    if (child == 0) {
        ::execl("/proc/self/exe", "main_window_test", "--gtest_filter=ListDriver.*",
                static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::unsetenv("TOLVANE_DRIVER_LIST");
    ASSERT_GT(child, 0);
    // Killed as soon as the kept list says that a row is done.
    bool converted = false;
    for (int i = 0; i < 1200 && !converted; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        std::ifstream in(kept);
        converted = std::string(std::istreambuf_iterator<char>(in), {}).find("\"converted\"") !=
                    std::string::npos;
    }
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    ASSERT_TRUE(converted) << "the list was never kept with a finished row";

    Window w(QString::fromStdString(kept));
    ASSERT_EQ(w.List()->rowCount(), 6);
    EXPECT_EQ(w.dlg->ListNote(), "Restored the list of 3 files");
    EXPECT_EQ(w.Cell(0, column::kStatus), "Completed");
    EXPECT_FALSE(w.List()->IsRowChecked(0)) << "Convert does only the rest";
    EXPECT_TRUE(w.List()->IsRowChecked(5));
    // The kept list runs on the command line: the rows that are left.
    w.dlg->Keeper()->Flush();
    int exitCode = -1;
    const std::string lines = RunCommand(std::string(TOLVANE_CLI_PATH) + " -q -f wav --job '" +
                                             kept + "' -o '" + state.File("cli") + "'",
                                         &exitCode);
    EXPECT_EQ(exitCode, 0) << lines;
    int left = 0;
    for (int row = 0; row < 6; ++row) {
        left += w.List()->IsRowChecked(row) ? 1 : 0;
    }
    EXPECT_EQ(std::count(lines.begin(), lines.end(), '\n'), left) << lines;
    // A clean Close: the next start has an empty list.
    w.dlg->OnClose();
    EXPECT_FALSE(std::filesystem::exists(kept));
    w.Restart();
    EXPECT_EQ(w.List()->rowCount(), 0);
    EXPECT_EQ(w.dlg->ListNote(), "");
}

// The keyboard and the window manager in a real X window: the focused button shows it, Tab
// walks the window in reading order and leaves the list, F1 opens the help, and the window
// manager's close (WM_DELETE_WINDOW) closes as the × does.
TEST(RealWindow, FocusShowsTabReadsInOrderF1HelpsAndTheWindowManagerCloses) {
    if (QGuiApplication::platformName() != "xcb") {
        GTEST_SKIP() << "needs a real X window";
    }
    Window w;
    w.Add({M("h264_aac.mp4"), M("audio_only.m4a")});
    w.Select(0);
    w.dlg->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.dlg.get()));
    const WId window = w.dlg->winId();

    // The focus ring of a bitmap button reaches the screen.
    const QRect add = w.B(ids::kAdd)->geometry();
    const auto shown = [&] {
        return AreaPixels(window, add.x(), add.y(), add.width(), add.height());
    };
    w.dlg->setFocus(Qt::OtherFocusReason);
    QTest::qWait(100);
    const std::vector<Rgb> plain = shown();
    ASSERT_FALSE(plain.empty());
    w.B(ids::kAdd)->setFocus(Qt::TabFocusReason);
    int changed = 0;
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            const std::vector<Rgb> now = shown();
            changed = 0;
            for (std::size_t i = 0; i < now.size() && i < plain.size(); ++i) {
                changed +=
                    now[i].r != plain[i].r || now[i].g != plain[i].g || now[i].b != plain[i].b;
            }
            return changed > add.width();
        },
        3000))
        << changed << " pixels changed";

    // Tab from Add around the window and back: the controls that can take the focus, in reading
    // order, the list once.
    const QList<QWidget*> reading = {w.B(ids::kAdd),          w.B(ids::kClip),
                                     w.B(ids::kHelp),         w.List(),
                                     w.B(ids::kRemove),       w.B(ids::kClearAll),
                                     w.B(ids::kMerge),        w.B(ids::kFileInfo),
                                     w.dlg->FilesAtOnceBox(), w.dlg->PositionSlider(),
                                     w.B(ids::kPlay),         w.B(ids::kStop),
                                     w.B(ids::kCheckVolume),  w.dlg->VolumeSlider(),
                                     w.dlg->FormatBox(),      w.B(ids::kSetting),
                                     w.dlg->FolderBox(),      w.B(ids::kBrowse),
                                     w.B(ids::kFindTarget),   w.B(ids::kConvert),
                                     w.B(ids::kAbout),        w.B(ids::kMinimize),
                                     w.B(ids::kClose)};
    QList<QWidget*> expected;
    for (QWidget* control : reading) {
        if (control->isEnabled() && control->isVisible()) {
            expected << control;
        }
    }
    QList<QWidget*> walked = {w.B(ids::kAdd)};
    for (int i = 0; i < 40; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* focus = QApplication::focusWidget();
        // A box that edits text has the focus in its line edit.
        if (!reading.contains(focus) && focus != nullptr &&
            reading.contains(focus->parentWidget())) {
            focus = focus->parentWidget();
        }
        if (focus == w.B(ids::kAdd)) {
            break;
        }
        walked << focus;
    }
    EXPECT_EQ(walked, expected);

    // F1 opens the help (this program folder has none: it says so).
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    EXPECT_EQ(w.messages.shown, QStringList({"Can not find help file!"}));

    ASSERT_TRUE(SendDeleteWindow(window));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !w.dlg->isVisible(); }, 5000));
}

// The skin on a 1600x1000 screen at 1x, 1.5x and 2x and on a 1280x720 one at 2x
// (tests/CMakeLists.txt runs it at each): the window and its dialogs fit the screen's free area,
// the window with its proportions, and its controls work at that size.
TEST(ScaledWindow, FitsTheScreenAndItsControlsWorkAtThatSize) {
    if (QGuiApplication::platformName() != "xcb") {
        GTEST_SKIP() << "needs a real X window";
    }
    Window w;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w.dlg.get()));
    const QRect free = w.dlg->screen()->availableGeometry();
    const double fit = std::min({1.0, free.width() / 880.0, free.height() / 540.0});
    EXPECT_DOUBLE_EQ(w.dlg->SkinScale(), fit);
    if (fit == 1.0) {
        EXPECT_EQ(w.dlg->size(), QSize(880, 540));
    }
    EXPECT_NEAR(static_cast<double>(w.dlg->width()) / w.dlg->height(), 880.0 / 540.0, 0.01);
    EXPECT_TRUE(QTest::qWaitFor([&] { return free.contains(w.dlg->frameGeometry()); }, 3000))
        << "window " << w.dlg->frameGeometry().width() << "x" << w.dlg->frameGeometry().height()
        << " at " << w.dlg->frameGeometry().x() << "," << w.dlg->frameGeometry().y();
    for (const int id : {ids::kClose, ids::kConvert, ids::kFindTarget}) {
        const QRect onScreen(w.B(id)->mapToGlobal(QPoint(0, 0)), w.B(id)->size());
        EXPECT_TRUE(free.contains(onScreen)) << id;
    }
    // The controls keep the skin's arrangement: the list and the preview side by side, the
    // sliders as wide as the preview, the list's columns inside it.
    EXPECT_LT(w.List()->geometry().right(), w.dlg->PreviewFrame()->geometry().left());
    EXPECT_NEAR(w.dlg->PositionSlider()->width(), 315 * fit, 1.0);
    EXPECT_LE(w.List()->horizontalHeader()->length(), w.List()->viewport()->width());
    // The list's text shrinks with it: a time fits its column.
    EXPECT_LE(w.List()->fontMetrics().horizontalAdvance("00:00:00") + 6,
              w.List()->columnWidth(column::kStart));
    EXPECT_LE(w.List()->horizontalHeader()->fontMetrics().horizontalAdvance("Start time"),
              w.List()->columnWidth(column::kStart));
    // A shaped button drawn smaller keeps its edge: no white from outside its shape.
    const QImage window = w.dlg->grab().toImage();
    for (const int id : {ids::kAdd, ids::kClip, ids::kBrowse}) {
        const QRect at = w.B(id)->geometry();
        const QRect corners[] = {QRect(at.topLeft(), QSize(4, 4)),
                                 QRect(at.topRight() - QPoint(3, 0), QSize(4, 4)),
                                 QRect(at.bottomLeft() - QPoint(0, 3), QSize(4, 4)),
                                 QRect(at.bottomRight() - QPoint(3, 3), QSize(4, 4))};
        const qreal ratio = window.devicePixelRatio();
        for (const QRect& corner : corners) {
            for (int y = corner.top(); y <= corner.bottom(); ++y) {
                for (int x = corner.left(); x <= corner.right(); ++x) {
                    const QColor c =
                        window.pixelColor(static_cast<int>(x * ratio), static_cast<int>(y * ratio));
                    EXPECT_LT(std::min({c.red(), c.green(), c.blue()}), 160)
                        << id << " at " << x << "," << y;
                }
            }
        }
    }

    // A click in the middle of a shaped button hits it; the volume slider follows the pointer.
    w.files.nextFiles = {M("h264_aac.mp4")};
    QTest::mouseClick(w.B(ids::kAdd), Qt::LeftButton, {}, w.B(ids::kAdd)->rect().center());
    EXPECT_TRUE(QTest::qWaitFor([&] { return w.List()->rowCount() == 1; }, 10000));
    CBitmapSlider* volume = w.dlg->VolumeSlider();
    QTest::mouseClick(volume, Qt::LeftButton, {},
                      QPoint(volume->width() - 1, volume->height() / 2));
    EXPECT_GT(volume->GetPos(), 90000);
    QTest::mouseClick(volume, Qt::LeftButton, {}, QPoint(0, volume->height() / 2));
    EXPECT_LT(volume->GetPos(), 10000);

    // Its dialogs fit the screen too: OK and the rest within reach.
    w.Select(0);
    const auto onScreen = [&](const char* title) {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) {
            ADD_FAILURE() << title << " did not open";
            return;
        }
        EXPECT_TRUE(QTest::qWaitFor([&] { return free.contains(modal->frameGeometry()); }, 3000))
            << title << " " << modal->frameGeometry().width() << "x"
            << modal->frameGeometry().height() << " on " << free.width() << "x" << free.height();
        for (QPushButton* button : modal->findChildren<QPushButton*>()) {
            if (button->isVisible() && button->text().contains("OK")) {
                const QRect reach(button->mapToGlobal(QPoint(0, 0)), button->size());
                EXPECT_TRUE(free.contains(reach)) << title << ": OK out of reach";
            }
        }
        modal->close();
    };
    QTimer::singleShot(600, [&] { onScreen("Clip"); });
    w.Click(ids::kClip);
    QTimer::singleShot(300, [&] { onScreen("File Information"); });
    w.Click(ids::kFileInfo);
    QTimer::singleShot(300, [&] { onScreen("Setting"); });
    w.Click(ids::kSetting);
}

// A whole conversion by the keyboard alone: Tab to Add and Enter (the file dialog), Space on a
// row to uncheck and check it, the Menu key for the row's menu, Tab on to Convert and Enter.
TEST(Keyboard, AConversionFromTheKeyboardAlone) {
    Window w;
    w.dlg->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.dlg.get()));
    const auto tabTo = [&](QWidget* target) {
        for (int i = 0; i < 40 && QApplication::focusWidget() != target; ++i) {
            QWidget* focus = QApplication::focusWidget();
            QTest::keyClick(focus != nullptr ? focus : w.dlg.get(), Qt::Key_Tab);
        }
        return QApplication::focusWidget() == target;
    };
    w.files.nextFiles = {M("short_1s.mp4")};
    ASSERT_TRUE(tabTo(w.B(ids::kAdd)));
    QTest::keyClick(w.B(ids::kAdd), Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.List()->rowCount() == 1; }, 10000));

    ASSERT_TRUE(tabTo(w.List()));
    w.List()->setCurrentCell(0, 0);
    QTest::keyClick(w.List(), Qt::Key_Space);
    EXPECT_FALSE(w.List()->IsRowChecked(0)) << "Space unchecks the row";
    QTest::keyClick(w.List(), Qt::Key_Space);
    EXPECT_TRUE(w.List()->IsRowChecked(0));
    bool menuShown = false;
    QTimer::singleShot(200, [&] {
        if (QWidget* menu = QApplication::activePopupWidget()) {
            menuShown = true;
            QTest::keyClick(menu, Qt::Key_Escape);
        }
    });
    QTest::keyClick(w.List(), Qt::Key_Menu);
    EXPECT_TRUE(QTest::qWaitFor([&] { return menuShown; }, 2000)) << "the Menu key opens it";

    ASSERT_TRUE(tabTo(w.B(ids::kConvert)));
    QEventLoop loop;
    QObject::connect(w.dlg.get(), &CBrenvixDlg::RunFinished, &loop, &QEventLoop::quit);
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);
    QTest::keyClick(w.B(ids::kConvert), Qt::Key_Return);
    loop.exec();
    w.dlg->WaitForWorker();
    EXPECT_EQ(w.Cell(0, column::kStatus), "Completed");
    EXPECT_TRUE(fs::exists(fs::path(w.OutputFolder().toStdString()) / "short_1s.mp3"));
}

// The window in each language it is translated into: its own texts and names, and Qt's for the
// standard dialogs; English again once the translators go.
TEST(Languages, TheWindowSpeaksTheUsersLanguage) {
    struct Expected {
        const char* language;
        const char* files;  // the list's name
        const char* add;    // the Add button's name
    };
    const Expected languages[] = {{"de", "Dateien", "Hinzufügen"},
                                  {"fr", "Fichiers", "Ajouter"},
                                  {"es", "Archivos", "Añadir"},
                                  {"pt_BR", "Arquivos", "Adicionar"},
                                  {"zh_CN", "文件", "添加"}};
    std::vector<QImage> translatedFaces;
    std::vector<QImage> translatedWindows;
    for (const Expected& expected : languages) {
        ASSERT_TRUE(LoadTranslations(*qApp, QStringLiteral(TOLVANE_PROGRAM_FOLDER),
                                     QString::fromLatin1(expected.language)))
            << expected.language;
        {
            Window w;
            EXPECT_EQ(w.List()->accessibleName(), QString::fromUtf8(expected.files));
            EXPECT_EQ(w.B(ids::kAdd)->accessibleName(), QString::fromUtf8(expected.add));
            EXPECT_NE(w.List()->horizontalHeaderItem(1)->text(), "Start time");
            EXPECT_NE(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Cancel")
                << "Qt's own texts in " << expected.language;
            // The faces show the translation, whole, and a screen reader says what they show.
            for (CControlButton* button : w.dlg->findChildren<CControlButton*>()) {
                if (!button->Label().isEmpty()) {
                    EXPECT_EQ(button->accessibleName(), button->Label());
                    EXPECT_TRUE(button->LabelFits())
                        << expected.language << ": " << button->Label().toStdString();
                }
            }
            EXPECT_EQ(w.B(ids::kAdd)->Label(), QString::fromUtf8(expected.add));
            for (const CBrenvixDlg::PaintedText& text : w.dlg->PaintedTexts()) {
                EXPECT_TRUE(skin::TextFits(text.spot, text.text))
                    << expected.language << ": " << text.text.toStdString();
            }
            translatedFaces.push_back(w.B(ids::kAdd)->grab().toImage());
            translatedWindows.push_back(w.dlg->grab().toImage());
        }
        UnloadTranslations(*qApp);
    }
    Window english;
    EXPECT_EQ(english.List()->accessibleName(), "Files");
    EXPECT_EQ(english.B(ids::kAdd)->Label(), "Add");
    const QImage englishFace = english.B(ids::kAdd)->grab().toImage();
    const QImage englishWindow = english.dlg->grab().toImage();
    for (size_t i = 0; i < translatedFaces.size(); ++i) {
        EXPECT_NE(translatedFaces[i], englishFace) << languages[i].language << ": Add is painted";
        // The faces and the background's texts differ; so does the whole window.
        EXPECT_NE(translatedWindows[i], englishWindow) << languages[i].language;
    }
}

// The text a screen reader gets from a widget: its name, and its text where it holds one.
QString ReadAloud(QWidget* widget) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    if (face == nullptr) {
        return {};
    }
    QString said = face->text(QAccessible::Name);
    if (QAccessibleTextInterface* text = face->textInterface()) {
        said += '\n' + text->text(0, text->characterCount());
    }
    return said;
}

// What a screen reader reads: the parts a split would make, each line; the clip's cut time as it
// changes; the seconds left before a power-off.
TEST(Accessibility, PartsCutTimeAndCountdownAreRead) {
    CSplitDialog split(600.0, nullptr);
    split.Editor()->setPlainText("0:00 Intro\n3:00 Second Song");
    const QString parts = ReadAloud(split.Understood());
    EXPECT_TRUE(parts.startsWith("Parts\n2 parts:")) << parts.toStdString();
    EXPECT_TRUE(parts.contains("02  00:03:00  (00:07:00)  Second Song")) << parts.toStdString();
    EXPECT_NE(split.Understood()->focusPolicy(), Qt::NoFocus) << "the keyboard reaches the list";

    Window w;
    w.Add({M("ten_1.mp4")});
    w.Select(0);
    QString cut;
    QTimer::singleShot(600, [&] {
        if (auto* clip = qobject_cast<CClipDialog*>(QApplication::activeModalWidget())) {
            for (QLabel* label : clip->findChildren<QLabel*>()) {
                if (label->text() == clip->CutText()) {
                    cut = ReadAloud(label);
                }
            }
            clip->close();
        }
    });
    w.Click(ids::kClip);
    EXPECT_EQ(cut.section('\n', 0, 0), "Cut time: 00:00:10") << cut.toStdString();

    CShutDownNotice notice(nullptr, 30);
    const QString countdown = ReadAloud(notice.findChild<QLabel*>());
    EXPECT_TRUE(countdown.contains("30 seconds")) << countdown.toStdString();
}

// Every text 40 % longer, with accents: what a long translation does to the windows.
class PseudoTranslator final : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override {
        QString text = QString::fromUtf8(source);
        text.replace('a', QChar(0xE1)).replace('e', QChar(0xE9)).replace('o', QChar(0xF6));
        const int extra = (text.size() * 2 + 4) / 5;
        return text + QString(extra, QChar('x'));
    }
};

// The texts that do not fit their place: a label's or a button's text wider than it is, unless
// it is elided with the whole text in its tooltip.
QStringList CutOffTexts(QWidget& window, bool elisionAllowed) {
    QStringList cut;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->isVisible() || widget->window() != &window) {
            continue;
        }
        QString text;
        bool fits = true;
        if (auto* label = qobject_cast<QLabel*>(widget); label != nullptr && !label->wordWrap()) {
            text = label->text();
            fits = text.contains('\n') ||
                   label->fontMetrics().horizontalAdvance(text) <= label->contentsRect().width();
        } else if (qobject_cast<QPushButton*>(widget) != nullptr ||
                   qobject_cast<QCheckBox*>(widget) != nullptr) {
            // A button or box whose text is wider than the room it has for it cuts its text.
            text = static_cast<QAbstractButton*>(widget)->text();
            fits = TextFitsButton(*static_cast<QAbstractButton*>(widget));
        }
        if (auto* button = qobject_cast<CControlButton*>(widget)) {
            // A skinned face's label: made smaller to fit, or cut short with the whole of it
            // in the tooltip.
            if (!button->LabelFits() &&
                (!elisionAllowed || !button->toolTip().startsWith(button->Label()))) {
                cut << button->Label();
            }
            continue;
        }
        // A text box or label lower than its line of text: only a part of it shows.
        const auto* box = qobject_cast<QLineEdit*>(widget);
        const auto* line = qobject_cast<QLabel*>(widget);
        const int room = box != nullptr    ? widget->height() - (box->hasFrame() ? 4 : 0)
                         : line != nullptr ? widget->contentsRect().height()
                                           : INT_MAX;
        if (room < widget->fontMetrics().height()) {
            cut << (text.isEmpty() ? widget->accessibleName() : text) + " (its lower part)";
            continue;
        }
        // Cut short on purpose, the whole text in the tooltip, is no loss.
        const QString plain = QString(text).remove('&');
        const bool elided = elisionAllowed && plain.endsWith(QChar(0x2026)) &&
                            widget->toolTip().startsWith(plain.chopped(1));
        if (!text.isEmpty() && !fits && !elided) {
            cut << text;
        }
    }
    return cut;
}

// What is cut off in the main window and in each dialog it opens.
QStringList CutOffInEveryWindow(bool elisionAllowed) {
    Window w;
    w.Add({M("chapters3.mkv")});
    w.Select(0);
    QStringList cut = CutOffTexts(*w.dlg, elisionAllowed);
    for (const CBrenvixDlg::PaintedText& text : w.dlg->PaintedTexts()) {
        if (!skin::TextFits(text.spot, text.text)) {
            cut << text.text;
        }
    }
    const auto check = [&](const char* title) {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) {
            ADD_FAILURE() << title << " did not open";
            return;
        }
        for (const QString& text : CutOffTexts(*modal, elisionAllowed)) {
            cut << QString::fromLatin1(title) + ": " + text;
        }
        modal->close();
    };
    QTimer::singleShot(300, [&] { check("Setting"); });
    w.Click(ids::kSetting);
    QTimer::singleShot(300, [&] { check("File Information"); });
    w.Click(ids::kFileInfo);
    QTimer::singleShot(300, [&] { check("About"); });
    w.Click(ids::kAbout);
    QTimer::singleShot(600, [&] { check("Clip"); });
    w.Click(ids::kClip);
    return cut;
}

TEST(Languages, LongTranslationsAreNotCutOff) {
    PseudoTranslator pseudo;
    QCoreApplication::installTranslator(&pseudo);
    const QStringList cut = CutOffInEveryWindow(true);
    EXPECT_TRUE(cut.isEmpty()) << cut.join(" | ").toStdString();
    QCoreApplication::removeTranslator(&pseudo);
}

// Every language (German has the longest words), Chinese in a Chinese font (taller lines, whose
// title in a group pushes what is under it down): nothing cut off, nothing cut short.
TEST(Languages, NoTranslationIsCutOff) {
    const QFont usual = QApplication::font();
    for (const char* language : {"de", "fr", "es", "pt_BR", "zh_CN"}) {
        ASSERT_TRUE(LoadTranslations(*qApp, QStringLiteral(TOLVANE_PROGRAM_FOLDER),
                                     QString::fromLatin1(language)));
        if (QByteArray(language) == "zh_CN") {
            // As a Chinese desktop sets it (the test machine has this font; another CJK font
            // stands in where it has not).
            QFont chinese(QStringLiteral("WenQuanYi Micro Hei"), usual.pointSize());
            chinese.setStyleHint(QFont::SansSerif);
            QApplication::setFont(chinese);
        }
        const QStringList cut = CutOffInEveryWindow(false);
        EXPECT_TRUE(cut.isEmpty()) << language << ": " << cut.join(" | ").toStdString();
        QApplication::setFont(usual);
        UnloadTranslations(*qApp);
    }
}

// The window as a Wayland client (tests/under_weston.sh runs it in a compositor of its own).
TEST(Desktop, RunsNativelyAddsPreviewsAndConverts) {
    const QByteArray platform = qgetenv("TOLVANE_EXPECT_PLATFORM");
    if (platform.isEmpty()) {
        GTEST_SKIP() << "runs under a compositor of its own";
    }
    EXPECT_EQ(QGuiApplication::platformName(), QString::fromLatin1(platform));
    Window w;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w.dlg.get()));
    w.Add({M("h264_aac.mp4")});
    ASSERT_EQ(w.List()->rowCount(), 1);
    w.Select(0);
    w.Click(ids::kPlay);
    EXPECT_TRUE(QTest::qWaitFor([&] { return w.dlg->PreviewFrame()->HasPicture(); }, 10000));
    w.Click(ids::kStop);
    w.RunToEnd(ids::kConvert);
    EXPECT_EQ(w.Cell(0, column::kStatus), "Completed");
    EXPECT_GT(DecodedSeconds((w.OutputFolder() + "/h264_aac.mp3").toStdString()), 0.5);
}

TEST(ProgressDialog, EnterAndEscapeDoNotCloseIt) {
    CAVConvertDlg dialog;
    AVConvert job;
    bool timerStopped = false;
    bool shutDown = false;
    dialog.Attach(
        &job, [&] { timerStopped = true; }, &shutDown);
    QImage focused;
    QImage unfocused;
    QTimer::singleShot(0, [&] {
        // Stop has the keyboard from the start, and shows it: a ring, not just the focus.
        dialog.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
        EXPECT_TRUE(dialog.StopButton()->hasFocus());
        focused = dialog.StopButton()->grab().toImage();
        dialog.ShutDownBox()->setFocus();
        unfocused = dialog.StopButton()->grab().toImage();
        dialog.StopButton()->setFocus();
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QTest::keyClick(&dialog, Qt::Key_Return);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_TRUE(dialog.PreviewWindow()->isHidden()) << "the preview window stays hidden";
        dialog.ShowPreviewBox()->setChecked(false);
        dialog.ShutDownBox()->setChecked(true);
        dialog.close();  // the close box stops like Stop
    });
    dialog.exec();
    EXPECT_TRUE(job.stopRequested);
    EXPECT_TRUE(job.previewHidden);
    EXPECT_TRUE(timerStopped);
    EXPECT_TRUE(shutDown);
    EXPECT_EQ(dialog.StopButton()->toolTip(), "Stop converting");
    ASSERT_FALSE(focused.isNull());
    EXPECT_NE(focused, unfocused) << "the focused Stop looks focused";
}

}  // namespace
}  // namespace tolvane::test
