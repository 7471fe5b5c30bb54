// The main window's preview player and the clip dialog, driven through their controls on
// generated media (SDL's dummy sound driver).

#include <gtest/gtest.h>

#include <QtTest/qtestspontaneevent.h>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <cstdlib>

#include "CBitmapSlider.h"
#include "CBrenvixDlg.h"
#include "CCheckListCtrl.h"
#include "CClipDialog.h"
#include "CControlButton.h"
#include "MainWindowFixture.h"
#include "MessagePresenter.h"
#include "PictureFrame.h"
#include "PreviewEngine.h"
#include "TestSupport.h"
#include "WaveformStrip.h"
#include "WidgetFakes.h"

namespace tolvane::test {
namespace {

using namespace std::chrono_literals;

// Runs the event loop until `done` holds or the time is up.
bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds limit = 5000ms) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!done() && std::chrono::steady_clock::now() < end) {
        QTest::qWait(10);
    }
    return done();
}

float EnginePos() {
    float f = 0;
    PreviewEngine_GetPos(&f);
    return f;
}

void Track(QWidget* parent, CBitmapSlider* slider, int position) {
    slider->SetPos(position);
    QCoreApplication::sendEvent(
        parent, new SliderEvent(SliderEvent::kTracking, slider->ControlId(), position));
}

TEST(MainPreview, PlayPausesAndResumesWithoutReopening) {
    Window w;
    w.dlg->AddFiles({M("h264_aac.mp4"), M("audio_only.m4a")});
    w.Settle();
    w.Select(0);
    w.B(ids::kPlay)->click();
    EXPECT_TRUE(w.dlg->Playing());
    EXPECT_TRUE(w.dlg->PlayerOpened());
    EXPECT_EQ(w.dlg->ToolTipFor(ids::kPlay), "Pause");
    EXPECT_TRUE(w.dlg->PositionSlider()->isEnabled());
    ASSERT_TRUE(WaitUntil([&] { return w.dlg->PreviewFrame()->HasPicture(); }));
    EXPECT_EQ(w.dlg->PreviewFrame()->Picture().size(), QSize(320, 240));
    ASSERT_TRUE(WaitUntil([&] { return w.dlg->PositionSlider()->GetPos() > 60; }));

    w.B(ids::kPlay)->click();
    EXPECT_FALSE(w.dlg->Playing());
    EXPECT_EQ(w.dlg->ToolTipFor(ids::kPlay), "Play");
    const float paused = EnginePos();
    QTest::qWait(250);
    EXPECT_NEAR(EnginePos(), paused, 0.01f);
    w.B(ids::kPlay)->click();  // resumes where it was
    EXPECT_TRUE(w.dlg->Playing());
    QTest::qWait(50);
    EXPECT_GE(EnginePos(), paused);
    EXPECT_LT(EnginePos(), paused + 0.2f) << "not from the start";

    // Seeking while paused plays again, and the button follows: it offers Pause.
    w.B(ids::kPlay)->click();
    EXPECT_EQ(w.dlg->ToolTipFor(ids::kPlay), "Play");
    Track(w.dlg.get(), w.dlg->PositionSlider(), 800);
    EXPECT_TRUE(w.dlg->Playing());
    EXPECT_EQ(w.dlg->ToolTipFor(ids::kPlay), "Pause");
    EXPECT_NEAR(EnginePos(), 0.8f, 0.02f);
    EXPECT_TRUE(WaitUntil([] { return EnginePos() > 0.83f; })) << "playback resumed";

    // A key moves the place and keeps the player as it was: paused stays paused there.
    w.B(ids::kPlay)->click();
    ASSERT_FALSE(w.dlg->Playing());
    const int before = w.dlg->PositionSlider()->GetPos();
    QTest::keyClick(w.dlg->PositionSlider(), Qt::Key_Home);
    ASSERT_TRUE(WaitUntil([&] { return EnginePos() < 0.05f; })) << "the key seeks";
    EXPECT_LT(w.dlg->PositionSlider()->GetPos(), before);
    EXPECT_FALSE(w.dlg->Playing());
    EXPECT_EQ(w.dlg->ToolTipFor(ids::kPlay), "Play");
    const float placed = EnginePos();
    QTest::qWait(250);
    EXPECT_NEAR(EnginePos(), placed, 0.01f) << "still paused";

    // Volume above 65535 of 100000 sends 65535.
    Track(w.dlg.get(), w.dlg->VolumeSlider(), 90000);
    EXPECT_EQ(w.dlg->PreviewVolume(), 65535);
    int volume = 0;
    PreviewEngine_GetVolume(&volume);
    EXPECT_EQ(volume, 65535);
    Track(w.dlg.get(), w.dlg->VolumeSlider(), 1000);
    EXPECT_EQ(w.dlg->PreviewVolume(), 1000);
}

// The keys move the sliders and the player follows, as it follows a drag.
TEST(MainPreview, TheSlidersFollowTheKeys) {
    Window w;
    w.dlg->AddFiles({M("h264_aac.mp4")});
    w.Settle();
    w.Select(0);
    w.B(ids::kPlay)->click();
    ASSERT_TRUE(WaitUntil([] { return EnginePos() > 0.2f; }));
    QTest::keyClick(w.dlg->PositionSlider(), Qt::Key_Home);
    EXPECT_TRUE(WaitUntil([] { return EnginePos() < 0.1f; })) << EnginePos();
    EXPECT_TRUE(w.dlg->Playing());
    // (The slider posts its notice: it arrives with the next events.)
    QTest::keyClick(w.dlg->VolumeSlider(), Qt::Key_Home);
    QCoreApplication::processEvents();
    EXPECT_EQ(w.dlg->PreviewVolume(), 0);
    QTest::keyClick(w.dlg->VolumeSlider(), Qt::Key_End);
    QCoreApplication::processEvents();
    EXPECT_EQ(w.dlg->PreviewVolume(), 65535);
}

TEST(MainPreview, ClickingAnotherRowStopsAndPlayOpensTheNewSelection) {
    Window w;
    w.dlg->AddFiles({M("odd_5.72.mp4"), M("short_1s.mp4")});
    w.Settle();
    w.Select(0);
    w.B(ids::kPlay)->click();
    ASSERT_TRUE(w.dlg->Playing());
    w.Select(1);
    w.dlg->OnListClicked();
    EXPECT_FALSE(w.dlg->Playing());
    EXPECT_EQ(w.dlg->PositionSlider()->GetPos(), 0);
    EXPECT_FALSE(w.dlg->PositionSlider()->isEnabled());
    EXPECT_FALSE(w.dlg->PreviewFrame()->HasPicture());
    w.B(ids::kPlay)->click();
    ASSERT_TRUE(WaitUntil([&] { return w.dlg->PreviewFrame()->HasPicture(); }));
    EXPECT_EQ(w.dlg->PreviewFrame()->Picture().width(), 320) << "the newly selected file";
    // The end of the file stops the preview and puts the slider back.
    ASSERT_TRUE(WaitUntil([&] { return !w.dlg->Playing(); }, 6000ms));
    EXPECT_EQ(w.dlg->PositionSlider()->GetPos(), 0);
    EXPECT_TRUE(w.B(ids::kPlay)->isEnabled());
}

TEST(MainPreview, RemovingTheLastRowStopsAndGreysTheTransport) {
    Window w;
    w.dlg->AddFiles({M("audio_only.m4a")});
    w.Settle();
    w.Select(0);
    w.B(ids::kPlay)->click();
    ASSERT_TRUE(w.dlg->Playing());
    w.B(ids::kRemove)->click();
    EXPECT_FALSE(w.dlg->Playing());
    EXPECT_FALSE(w.B(ids::kPlay)->isEnabled());
    EXPECT_FALSE(w.B(ids::kStop)->isEnabled());
}

TEST(MainPreview, DroppedRowsPreviewAsAddedOnesDo) {
    Window w;
    w.dlg->DropFiles({M("h264_aac.mp4")});
    w.Settle();
    EXPECT_TRUE(w.B(ids::kPlay)->isEnabled());
    EXPECT_TRUE(w.B(ids::kStop)->isEnabled());
    w.B(ids::kPlay)->click();
    EXPECT_TRUE(w.dlg->Playing());
    EXPECT_TRUE(WaitUntil([&] { return w.dlg->PreviewFrame()->HasPicture(); }));
}

TEST(MainPreview, AClickOnTheEmptyAreaStopsAndGreysTheRowCommands) {
    Window w;
    w.dlg->AddFiles({M("h264_aac.mp4"), M("audio_only.m4a"), M("mpeg4_mp3.avi")});
    w.Settle();
    w.Select(0);
    w.dlg->OnListClicked();
    w.B(ids::kPlay)->click();
    ASSERT_TRUE(w.dlg->Playing());
    QWidget* viewport = w.dlg->TaskList()->viewport();
    QTest::mouseClick(viewport, Qt::LeftButton, {}, QPoint(60, viewport->height() - 10));
    EXPECT_TRUE(WaitUntil([&] { return !w.dlg->Playing(); }, 2000ms));
    for (int id : {ids::kClip, ids::kRemove, ids::kMerge, ids::kFileInfo}) {
        EXPECT_FALSE(w.B(id)->isEnabled()) << id;
    }
    EXPECT_TRUE(w.B(ids::kConvert)->isEnabled());
}

TEST(MainPreview, FilesAddedWhileADropArrivesGoToTheEnd) {
    Window w;
    QTimer::singleShot(0, [&] { w.dlg->DropFiles({M("short_1s.mp4")}); });
    w.dlg->AddFiles({M("h264_aac.mp4"), M("audio_only.m4a")});
    w.Settle();
    ASSERT_EQ(w.dlg->TaskList()->rowCount(), 3);
    EXPECT_TRUE(w.dlg->TaskList()->item(0, 0)->text().endsWith("short_1s.mp4"));
    EXPECT_TRUE(w.dlg->TaskList()->item(1, 0)->text().endsWith("h264_aac.mp4"));
    EXPECT_TRUE(w.dlg->TaskList()->item(2, 0)->text().endsWith("audio_only.m4a"));
}

TEST(MainPreview, AfterClipCancelThePreviewEndsAndKeepsTheVolume) {
    Window w;
    w.dlg->AddFiles({M("h264_aac.mp4"), M("short_1s.mp4")});
    w.Settle();
    w.Select(1);
    Track(w.dlg.get(), w.dlg->VolumeSlider(), 1000);
    QTimer::singleShot(50, [] {
        if (auto* clip = qobject_cast<CClipDialog*>(QApplication::activeModalWidget())) {
            clip->Button("Cancel")->click();
        }
    });
    w.dlg->OnClip();
    EXPECT_EQ(w.dlg->PreviewVolume(), 1000);
    w.B(ids::kPlay)->click();
    ASSERT_TRUE(w.dlg->Playing());
    int volume = 0;
    PreviewEngine_GetVolume(&volume);
    EXPECT_EQ(volume, 1000) << "the sound follows the slider";
    EXPECT_TRUE(WaitUntil([&] { return !w.dlg->Playing(); }, 6000ms))
        << "the main window takes the end of the file again";
    EXPECT_EQ(w.dlg->ToolTipFor(ids::kPlay), "Play");
}

// ---- Clip dialog ----

class FakeHost final : public ClipHost {
public:
    QString path;
    ClipRow row;
    bool selected = true;
    int writes = 0;
    int previewSetUps = 0;
    QString LastSelectedPath() const override { return path; }
    bool AnyRowSelected() const override { return selected; }
    ClipRow ClipRowTexts() const override { return row; }
    void WriteClipRow(const QString& start, const QString& end) override {
        ++writes;
        row.start = start.toStdString();
        row.end = end.toStdString();
    }
    void SetUpPreview() override { ++previewSetUps; }
    std::shared_ptr<const tolvane::LevelsRead> kept;
    int keeps = 0;
    std::shared_ptr<const tolvane::LevelsRead> KnownLevels(const QString&, int) const override {
        return kept;
    }
    void KeepLevels(const QString&, int,
                    std::shared_ptr<const tolvane::LevelsRead> levels) override {
        kept = std::move(levels);
        ++keeps;
    }
};

// Shows the dialog as the Clip command does; `act` runs while it is open.
void RunClip(FakeHost& host, const std::function<void(CClipDialog&)>& act,
             MessagePresenter* messages = nullptr) {
    ::setenv("SDL_AUDIODRIVER", "dummy", 1);
    CClipDialog dialog(host, nullptr, messages);
    QTimer::singleShot(0, [&] { act(dialog); });
    dialog.exec();
}

TEST(ClipDialog, ShowingPlaysAndPlacesTheMarks) {
    FakeHost host;
    host.path = M("long_60.m4a");
    host.row = {"00:01:00", "00:03:00", 300};
    RunClip(host, [&](CClipDialog& d) {
        EXPECT_TRUE(d.Playing()) << "plays at once";
        EXPECT_EQ(d.windowTitle(), "Clip");
        EXPECT_EQ(d.BeginText(), "00:01:00");
        EXPECT_EQ(d.EndText(), "00:03:00");
        EXPECT_EQ(d.CutText(), "00:02:00");
        EXPECT_EQ(d.PositionSlider()->SelectionStart(), 200);
        EXPECT_EQ(d.PositionSlider()->SelectionEnd(), 600);
        EXPECT_EQ(d.PositionSlider()->SelectionMode(), 2);
        EXPECT_EQ(d.PlayButton()->toolTip(), "Pause");
        EXPECT_TRUE(WaitUntil([] { return EnginePos() > 0.01f; })) << "under way";
        d.OnPlay();  // pauses
        EXPECT_FALSE(d.Playing());
        EXPECT_EQ(d.PlayButton()->toolTip(), "Play");
        const float paused = EnginePos();
        d.OnPlay();  // resumes without reopening
        EXPECT_TRUE(d.Playing());
        EXPECT_GE(EnginePos(), paused) << "not from the start again";

        // Set Begin Time at 42 s of a row of length 300.
        Track(&d, d.PositionSlider(), 705);  // (the file is a hair under a minute)
        EXPECT_EQ(d.CurrentTime(), 42);
        d.OnSetBegin();
        EXPECT_EQ(d.BeginText(), "00:00:42");
        EXPECT_EQ(d.EndText(), "00:05:00");
        EXPECT_EQ(d.CutText(), "00:04:18");
        EXPECT_EQ(d.PositionSlider()->SelectionMode(), 1);

        // Set End Time at 30 s after a begin of 00:01:00: the labels swap.
        d.OnReset();
        EXPECT_EQ(d.EndText(), "00:05:00");
        host.row.start = "00:01:00";
        d.findChildren<QLineEdit*>()[0]->setText("00:01:00");  // the begin
        Track(&d, d.PositionSlider(), 505);
        EXPECT_EQ(d.CurrentTime(), 30);
        d.OnSetEnd();
        EXPECT_EQ(d.BeginText(), "00:00:30");
        EXPECT_EQ(d.EndText(), "00:01:00");
        EXPECT_EQ(d.CutText(), "00:00:30");
        d.Button("Cancel")->click();
    });
    EXPECT_EQ(host.writes, 0) << "Cancel writes nothing";
    EXPECT_EQ(host.previewSetUps, 0) << "Cancel does not hand the player back";
}

TEST(ClipDialog, ResetOkAndTheEdgesOfTheTimes) {
    FakeHost host;
    host.path = M("h264_aac.mp4");
    host.row = {"00:00:00", "01:02:05", 3725};
    RunClip(host, [&](CClipDialog& d) {
        d.OnReset();
        EXPECT_EQ(d.BeginText(), "00:00:00");
        EXPECT_EQ(d.EndText(), "01:02:05");
        EXPECT_EQ(d.CutText(), "01:02:05");
        EXPECT_EQ(d.PositionSlider()->SelectionMode(), 0);
        // Seeking while paused resumes playback.
        d.OnPlay();
        ASSERT_FALSE(d.Playing());
        Track(&d, d.PositionSlider(), 500);
        EXPECT_TRUE(WaitUntil([] { return EnginePos() > 0.53f; })) << "playing again";
        d.OnOk();
    });
    EXPECT_EQ(host.writes, 1);
    EXPECT_EQ(host.row.start, "00:00:00");
    EXPECT_EQ(host.row.end, "01:02:05");
    EXPECT_EQ(host.previewSetUps, 1);

    // A row of length 0 places its marks at the start; a cut below zero shows 00:00:00.
    FakeHost empty;
    empty.path = M("h264_aac.mp4");
    empty.row = {"00:00:00", "00:00:00", 0};
    RunClip(empty, [&](CClipDialog& d) {
        EXPECT_EQ(d.PositionSlider()->SelectionStart(), 0);
        Track(&d, d.PositionSlider(), 600);
        EXPECT_EQ(d.CurrentTime(), 3);
        d.OnSetBegin();
        EXPECT_EQ(d.CutText(), "00:00:00");
        d.close();  // the close box hands the player back
    });
    EXPECT_EQ(empty.previewSetUps, 1);
    EXPECT_EQ(empty.writes, 0);
}

TEST(ClipDialog, RestoringAfterAMinimiseKeepsTheClipAndItsMarks) {
    FakeHost host;
    host.path = M("long_60.m4a");
    host.row = {"00:00:00", "00:01:00", 60};
    RunClip(host, [&](CClipDialog& d) {
        Track(&d, d.PositionSlider(), 700);
        d.OnSetBegin();
        const QString begin = d.BeginText();
        EXPECT_NE(begin, "00:00:00");
        QShowEvent restored;
        QSpontaneKeyEvent::setSpontaneous(&restored);
        qApp->notify(&d, &restored);  // sendEvent would clear the mark
        EXPECT_EQ(d.BeginText(), begin) << "the marks stay";
        EXPECT_TRUE(d.Playing());
        EXPECT_GT(EnginePos(), 0.6f) << "the clip does not start again from 0";
        d.Button("Cancel")->click();
    });
}

TEST(ClipDialog, EscapeOnTheFocusedSliderDoesNotCancel) {
    FakeHost host;
    host.path = M("h264_aac.mp4");
    host.row = {"00:00:00", "00:00:05", 5};
    bool stillOpen = false;
    RunClip(host, [&](CClipDialog& d) {
        d.PositionSlider()->setFocus();
        QTest::keyClick(d.PositionSlider(), Qt::Key_Escape);
        stillOpen = d.isVisible();
        d.Button("Cancel")->click();
    });
    EXPECT_TRUE(stillOpen);
}

// The keyboard starts on Play with Enter as OK; the position shows beside the slider and is
// what Set Begin and Set End take, also after a stop; a clip that begins where it ends is
// refused.
TEST(ClipDialog, KeysThePositionShownAndAClipOfNothing) {
    FakeHost host;
    host.path = M("long_60.m4a");
    host.row = {"00:00:10", "00:00:50", 60};
    FakeMessages messages;
    RunClip(
        host,
        [&](CClipDialog& d) {
            EXPECT_EQ(d.focusWidget(), d.PlayButton());
            Track(&d, d.PositionSlider(), 500);
            const QString half = d.PositionText();
            EXPECT_TRUE(half == "00:00:29" || half == "00:00:30") << half.toStdString();
            EXPECT_TRUE(WaitUntil([&] { return d.PositionText() > half; })) << "it follows";
            d.OnStop();
            EXPECT_EQ(d.PositionSlider()->GetPos(), 0);
            EXPECT_EQ(d.PositionText(), "00:00:00");
            d.OnSetBegin();
            EXPECT_EQ(d.BeginText(), "00:00:00") << "where the slider shows, not where it was";
            d.OnSetEnd();
            EXPECT_EQ(d.EndText(), "00:00:00");
            QTest::keyClick(&d, Qt::Key_Return);  // OK
            ASSERT_EQ(messages.shown.size(), 1);
            EXPECT_TRUE(messages.shown[0].contains("00:00:00")) << messages.shown[0].toStdString();
            EXPECT_TRUE(d.isVisible()) << "still open to choose again";
            d.OnReset();
            QTest::keyClick(d.PlayButton(), Qt::Key_Return);
        },
        &messages);
    EXPECT_EQ(host.writes, 1);
    EXPECT_EQ(host.row.start, "00:00:00");
    EXPECT_EQ(host.row.end, "00:01:00");
    EXPECT_EQ(messages.shown.size(), 1);
}

// The strip under the picture draws the sound of the whole file as it is (silent first, then
// loud) and a click on it plays from there.
TEST(ClipDialog, TheWaveformShowsTheSoundAndAClickSeeks) {
    FakeHost host;
    host.path = M("silence_then_tone.mp4");
    host.row = {"00:00:00", "00:00:05", 5};
    RunClip(host, [&](CClipDialog& d) {
        ASSERT_TRUE(WaitUntil([&] { return d.WaveformDone(); }));
        // The lit rows of a column of the strip as drawn, in the preview's black.
        QImage drawn;
        int h = 0;
        // (Counted in the strip's middle half: the time scale is drawn under it.)
        const auto lit = [&](double share) {
            const int x = static_cast<int>(share * drawn.width());
            int rows = 0;
            for (int y = h / 4; y < 3 * h / 4; ++y) {
                rows += qGray(drawn.pixel(x, y)) > 60;
            }
            return rows;
        };
        // The whole sound reaches the strip on the dialog's polls after the reading ends (later
        // under a sanitizer).
        WaitUntil(
            [&] {
                drawn = d.Waveform()->grab().toImage();
                h = drawn.height();
                return lit(0.8) >= h / 3;
            },
            10s);
        EXPECT_LE(lit(0.2), 2) << "silent: flat";
        EXPECT_GE(lit(0.8), h / 3) << "a sine at half scale: high";
        // Speech at -22 dBFS fills most of the height; -60 dBFS and below nothing.
        EXPECT_NEAR(WaveformStrip::ShareOfHeight(0.0794f), 0.633, 0.01);
        EXPECT_EQ(WaveformStrip::ShareOfHeight(0.0005f), 0.0);
        EXPECT_EQ(WaveformStrip::ShareOfHeight(1.0f), 1.0);
        // A 65-minute recording on 800 px: a tick every five minutes; 5 s on 400 px: every second.
        EXPECT_EQ(WaveformStrip::TickSeconds(3900.0, 800), 300.0);
        EXPECT_EQ(WaveformStrip::TickSeconds(5.0, 400), 1.0);
        // A chapter mark names its chapter on hover.
        WaveformStrip* strip = d.Waveform();
        strip->SetMarks(-1.0, -1.0, -1.0, {0.5});
        strip->SetChapterTitles({QStringLiteral("Second Song")});
        strip->SetLength(130.0);
        EXPECT_EQ(strip->ToolTipAt(strip->width() / 2 + 2), "Chapter 1: Second Song (1:05)");
        EXPECT_FALSE(strip->ToolTipAt(5).startsWith("Chapter"));
        QTest::mouseClick(d.Waveform(), Qt::LeftButton, {},
                          QPoint(d.Waveform()->width() * 7 / 10, h / 2));
        EXPECT_TRUE(d.Playing());
        EXPECT_NEAR(EnginePos(), 0.7f, 0.03f);
        d.Button("Cancel")->click();
    });
}

// The pauses are found in the background and drawn; "Trim silence at the ends" moves the clip
// in to the sound (whole seconds around it), and back when unticked.
TEST(ClipDialog, TrimsTheSilenceAtTheEndsAndDrawsThePauses) {
    ScratchDir work;
    FakeHost host;
    host.path = QString::fromStdString(work.File("padded.wav"));
    WriteSpeechLikeWav(host.path.toStdString(), {{false, 2.0}, {true, 3.0}, {false, 1.6}});
    host.row = {"00:00:00", "00:00:06", 6};
    RunClip(host, [&](CClipDialog& d) {
        // The whole sound is read for its pauses only when asked.
        ASSERT_TRUE(WaitUntil([&] { return d.WaveformDone(); }, 10s));
        EXPECT_FALSE(d.SilencesKnown());
        EXPECT_FALSE(d.FindingPauses()) << "nothing read unasked";
        ASSERT_EQ(d.Waveform()->actions().size(), 1);
        EXPECT_EQ(d.Waveform()->actions()[0]->text(), "Show pauses");
        d.Waveform()->actions()[0]->trigger();
        ASSERT_TRUE(WaitUntil([&] { return d.SilencesKnown() && d.WaveformDone(); }, 10s));
        ASSERT_TRUE(WaitUntil([&] { return d.Waveform()->Silences().size() == 2; }));
        EXPECT_NEAR(d.Waveform()->Silences()[0].second, 2.0 / 6.6, 0.02);
        d.TrimBox()->setChecked(true);
        EXPECT_EQ(d.BeginText(), "00:00:01");
        EXPECT_EQ(d.EndText(), "00:00:06");
        EXPECT_TRUE(d.TrimBox()->toolTip().startsWith("trimmed to the sound"))
            << d.TrimBox()->toolTip().toStdString();
        d.TrimBox()->setChecked(false);
        EXPECT_EQ(d.BeginText(), "00:00:00");
        // Alt+S belongs to Set Begin Time and Set End Time: it moves the keyboard between them
        // and presses neither.
        d.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
        QTest::keyClick(&d, Qt::Key_S, Qt::AltModifier);
        QWidget* first = QApplication::focusWidget();
        QTest::keyClick(&d, Qt::Key_S, Qt::AltModifier);
        QWidget* second = QApplication::focusWidget();
        ASSERT_NE(first, nullptr);
        EXPECT_NE(first, second);
        EXPECT_TRUE(first == d.Button("Set Begin Time") || first == d.Button("Set End Time"));
        EXPECT_EQ(d.BeginText(), "00:00:00") << "nothing pressed";
        d.Button("Cancel")->click();
    });
    // Found once: the next opening of the file has them at once, and the trim box works on
    // them without reading the sound again.
    EXPECT_EQ(host.keeps, 1);
    RunClip(host, [&](CClipDialog& d) {
        EXPECT_TRUE(d.SilencesKnown());
        EXPECT_FALSE(d.FindingPauses());
        d.TrimBox()->setChecked(true);
        EXPECT_EQ(d.BeginText(), "00:00:01");
        EXPECT_FALSE(d.FindingPauses());
        d.Button("Cancel")->click();
    });
    EXPECT_EQ(host.keeps, 1);
}

TEST(ClipDialog, AFileThatDoesNotOpenLeavesNothingPolling) {
    FakeHost host;
    host.path = M("not_media.mp4");
    host.row = {"00:00:10", "00:00:20", 30};
    ::setenv("SDL_AUDIODRIVER", "dummy", 1);
    CClipDialog dialog(host);
    QTimer::singleShot(0, [&] { dialog.Button("Cancel")->click(); });
    dialog.exec();
    EXPECT_FALSE(dialog.Polling());
}

TEST(ClipDialog, AFileThatDoesNotOpenLeavesTheLabelsWorking) {
    FakeHost host;
    host.path = M("not_media.mp4");
    host.row = {"00:00:10", "00:00:20", 30};
    RunClip(host, [&](CClipDialog& d) {
        EXPECT_FALSE(d.Playing());
        EXPECT_EQ(d.CutText(), "00:00:10");
        d.OnStop();
        d.OnOk();
    });
    EXPECT_EQ(host.writes, 1);
}

TEST(MainPreview, ClipShowsTheDialogOncePerSelectedRowAndOkWritesTheRow) {
    Window w;
    w.dlg->AddFiles({M("h264_aac.mp4"), M("audio_only.m4a"), M("mpeg4_mp3.avi")});
    w.Settle();
    w.dlg->TaskList()->clearSelection();
    w.dlg->TaskList()->setSelectionMode(QAbstractItemView::MultiSelection);
    w.dlg->TaskList()->selectRow(0);
    w.dlg->TaskList()->selectRow(2);
    int shown = 0;
    std::function<void()> answer = [&] {
        auto* clip = qobject_cast<CClipDialog*>(QApplication::activeModalWidget());
        if (clip == nullptr) {
            QTimer::singleShot(10, answer);
            return;
        }
        ++shown;
        Track(clip, clip->PositionSlider(), 200);
        clip->OnSetBegin();
        clip->OnOk();
        if (shown < 2) {
            QTimer::singleShot(10, answer);
        }
    };
    QTimer::singleShot(10, answer);
    w.dlg->OnClip();
    EXPECT_EQ(shown, 2);
    EXPECT_EQ(w.dlg->TaskList()->item(0, 1)->text(), "00:00:01");
    EXPECT_EQ(w.dlg->TaskList()->item(1, 1)->text(), "00:00:00") << "not selected";
    EXPECT_EQ(w.dlg->TaskList()->item(2, 1)->text(), "00:00:01");

    // Set Begin Time on a part of a split: its end goes back to the part's own end, not the
    // file's, so that it never runs over the parts after it.
    w.dlg->OnClearAll();
    w.dlg->AddFiles({M("chapters3.mkv")});
    w.Settle();
    w.Select(0);
    w.dlg->SplitSelectedRowByChapters();
    ASSERT_EQ(w.dlg->TaskList()->rowCount(), 3);
    w.Select(1);
    answer = [&] {
        auto* clip = qobject_cast<CClipDialog*>(QApplication::activeModalWidget());
        if (clip == nullptr) {
            QTimer::singleShot(10, answer);
            return;
        }
        Track(clip, clip->PositionSlider(), 500);
        clip->OnSetBegin();
        clip->OnOk();
    };
    QTimer::singleShot(10, answer);
    w.dlg->OnClip();
    EXPECT_EQ(w.dlg->TaskList()->item(1, 1)->text(), "00:00:03");
    EXPECT_EQ(w.dlg->TaskList()->item(1, 2)->text(), "00:00:04");
    EXPECT_EQ(w.dlg->Rows()[1].endMs, 4500) << "the part keeps its exact end";

    // Begin and end typed to the millisecond reach the row exactly; a time past the file's end
    // or no time at all puts back what the field showed.
    w.dlg->OnClearAll();
    w.dlg->AddFiles({M("h264_aac.mp4")});
    w.Settle();
    w.Select(0);
    answer = [&] {
        auto* clip = qobject_cast<CClipDialog*>(QApplication::activeModalWidget());
        if (clip == nullptr) {
            QTimer::singleShot(10, answer);
            return;
        }
        QLineEdit* begin = nullptr;
        QLineEdit* end = nullptr;
        for (QLineEdit* field : clip->findChildren<QLineEdit*>()) {
            (field->accessibleName() == "Start time" ? begin : end) = field;
        }
        ASSERT_TRUE(begin != nullptr && end != nullptr);
        QApplication::setActiveWindow(clip);
        const auto type = [](QLineEdit* field, const QString& text) {
            field->setFocus();
            field->selectAll();
            QTest::keyClicks(field, text);
            QTest::keyClick(field, Qt::Key_Tab);
        };
        type(end, "00:00:02.5");
        EXPECT_EQ(end->text(), "00:00:02.500");
        type(begin, "1.25");
        EXPECT_EQ(begin->text(), "00:00:01.250");
        type(begin, "99:00:00");
        EXPECT_EQ(begin->text(), "00:00:01.250") << "past the end";
        type(end, "::");
        EXPECT_EQ(end->text(), "00:00:02.500") << "no time";
        EXPECT_EQ(clip->CutText(), "00:00:01");
        clip->OnOk();
    };
    QTimer::singleShot(10, answer);
    w.dlg->OnClip();
    EXPECT_EQ(w.dlg->TaskList()->item(0, 1)->text(), "00:00:01.250");
    EXPECT_EQ(w.dlg->Rows()[0].startMs, 1250);
    EXPECT_EQ(w.dlg->Rows()[0].endMs, 2500);
    EXPECT_FALSE(w.dlg->Rows()[0].toEnd);
}

}  // namespace
}  // namespace tolvane::test
