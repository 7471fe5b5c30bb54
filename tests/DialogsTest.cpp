// The settings dialog with its preset table, the file information dialog and the About dialog.

#include <gtest/gtest.h>

#include <cmath>

#include <QtTest/qtestspontaneevent.h>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <thread>

#include "CAVConvertDlg.h"
#include "CAbout.h"
#include "CFileInfomation.h"
#include "CHyperLink.h"
#include "CMixDialog.h"
#include "CSettings.h"
#include "CSilenceDialog.h"
#include "FormatPresets.h"
#include "MessagePresenter.h"
#include "OutputSettings.h"
#include "PreviewSink.h"
#include "SkinColours.h"
#include "TestSupport.h"
#include "WidgetFakes.h"
#include "WindowPixels.h"

namespace {

using tolvane::test::FakeMessages;

QStringList Items(QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i) {
        items << box->itemText(i);
    }
    return items;
}

struct Settings {
    OutputSettings profile;
    FakeMessages messages;
    Settings(int presetId) {
        ApplyStartupValues(profile);
        profile.presetId = presetId;
    }
    // Opens the dialog, lets `act` work on it while shown, then presses OK (or not).
    void Open(const std::function<void(CSettings&)>& act, bool ok = true) {
        CSettings dialog(profile, messages);
        dialog.show();
        act(dialog);
        if (ok) {
            dialog.OnOk();
        } else {
            dialog.reject();
        }
    }
};

// The mean grey of what a widget shows.
int MeanGrey(QWidget& widget) {
    const QImage image = widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
    long long sum = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            sum += qGray(image.pixel(x, y));
        }
    }
    return static_cast<int>(sum /
                            std::max(1LL, static_cast<long long>(image.width()) * image.height()));
}

TEST(Look, DialogsAndMessageBoxesWearTheDarkSkin) {
    QMessageBox box(QMessageBox::NoIcon, "Tolvane", "Please select at least one task to convert!",
                    QMessageBox::Ok);
    box.show();
    EXPECT_LT(MeanGrey(box), 90);
    CAVConvertDlg progress;
    progress.show();
    EXPECT_LT(MeanGrey(progress), 90);
    // Its text is light on that background.
    EXPECT_GT(qGray(progress.palette().color(QPalette::WindowText).rgb()), 200);

    // What must stand out reads at 4.5:1 or more on its ground: the About dialog's links in
    // each state, and the Setting dialog's red preset title.
    const auto contrast = [](const QColor& a, const QColor& b) {
        const auto luminance = [](const QColor& c) {
            const auto linear = [](double v) {
                return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
            };
            return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) +
                   0.0722 * linear(c.blueF());
        };
        const double la = luminance(a);
        const double lb = luminance(b);
        return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
    };
    FakeMessages messages;
    CAbout about(&messages);
    CHyperLink* link = about.HomeLink();
    const QColor ground = about.palette().color(QPalette::Window);
    EXPECT_GE(contrast(link->CurrentColour(), ground), 4.5) << "not yet opened";
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(link, &enter);
    EXPECT_GE(contrast(link->CurrentColour(), ground), 4.5) << "under the pointer";
    link->SetOpener([](const QString&) { return 42; });
    link->OpenLink();
    ASSERT_TRUE(link->Visited());
    EXPECT_GE(contrast(link->CurrentColour(), ground), 4.5) << "opened";
    Settings s(90106);
    CSettings settings(s.profile, s.messages);
    const auto* title = settings.findChild<QPushButton*>("presetName");
    ASSERT_NE(title, nullptr);
    EXPECT_GE(contrast(title->palette().color(QPalette::Disabled, QPalette::ButtonText),
                       title->palette().color(QPalette::Disabled, QPalette::Button)),
              4.5);
    EXPECT_GT(title->palette().color(QPalette::Disabled, QPalette::ButtonText).red(), 200)
        << "still red";
}

TEST(Settings, Mp3OpeningShowsTheEncoderRuleAndOkStoresIt) {
    Settings s(90106);
    s.Open([](CSettings& d) {
        EXPECT_EQ(d.PresetName()->text(), "MP3 - MPEG Layer-3 Audio(*.MP3)");
        EXPECT_EQ(d.ListBox(CSettings::kAudioEncoder)->currentText(), "MP3");
        EXPECT_EQ(Items(d.ListBox(CSettings::kAudioBitRate)),
                  QStringList({"64 kbps", "96 kbps", "128 kbps", "160 kbps", "192 kbps", "256 kbps",
                               "320 kbps"}));
        EXPECT_EQ(d.ListBox(CSettings::kAudioBitRate)->currentText(), "192 kbps");
        EXPECT_EQ(Items(d.ListBox(CSettings::kSampleRate)),
                  QStringList({"44100 Hz", "48000 Hz", "22050 Hz", "32000 Hz"}));
        // The settings in force (the start-up 48000 Hz), not the rule's first choice.
        EXPECT_EQ(d.ListBox(CSettings::kSampleRate)->currentText(), "48000 Hz");
        EXPECT_EQ(Items(d.ListBox(CSettings::kChannel)),
                  QStringList({"1 Channel Mono", "2 Channel Stereo"}));
        EXPECT_EQ(d.ListBox(CSettings::kChannel)->currentText(), "2 Channel Stereo");
        EXPECT_FALSE(d.ListBox(CSettings::kFrameSize)->isVisible());
        EXPECT_EQ(d.PresetName()->palette().color(QPalette::Disabled, QPalette::ButtonText),
                  QColor(skin::colour::kAlert));
        EXPECT_EQ(d.DefaultButton()->toolTip(), "Default setting");
    });
    EXPECT_EQ(s.profile.audioBitRate, 192000);
    EXPECT_EQ(s.profile.sampleRate, 48000) << "OK without a change changes nothing";
    EXPECT_EQ(s.profile.channels, 2);
    EXPECT_EQ(s.profile.audioEncoderName, "MP3");
    EXPECT_TRUE(s.profile.audioOnly);
    // An audio preset stores no video.
    EXPECT_EQ(s.profile.frameRateText, "");
    EXPECT_EQ(s.profile.videoEncoderName, "");
    EXPECT_EQ(s.profile.videoBitRate, 0);
    EXPECT_EQ(s.profile.savedPresetId, 90106);
    EXPECT_EQ(s.profile.savedAudioBitRateText, "192 kbps");
}

TEST(Settings, OggOffersOnlyStereoAndWavRebuildsForAnotherEncoder) {
    Settings ogg(90107);
    ogg.Open(
        [](CSettings& d) {
            EXPECT_EQ(Items(d.ListBox(CSettings::kChannel)), QStringList({"2 Channel Stereo"}));
        },
        false);

    Settings wav(90109);
    wav.Open([](CSettings& d) {
        QComboBox* encoders = d.ListBox(CSettings::kAudioEncoder);
        EXPECT_EQ(Items(encoders), QStringList({"PCM_S16LE", "PCM_ALAW", "PCM_MULAW"}));
        encoders->setCurrentIndex(1);
        d.ApplyEncoderRule();
        EXPECT_EQ(Items(d.ListBox(CSettings::kChannel)),
                  QStringList({"1 Channel Mono", "2 Channel Stereo"}));
        EXPECT_EQ(d.ListBox(CSettings::kAudioBitRate)->currentText(), "192 kbps");
    });
    EXPECT_EQ(wav.profile.audioEncoderName, "PCM_ALAW");
}

TEST(Settings, Ac3SurroundStoresSixChannelsAndAmrStoresItsRates) {
    Settings ac3(90101);
    ac3.Open([](CSettings& d) {
        QComboBox* channels = d.ListBox(CSettings::kChannel);
        EXPECT_EQ(Items(channels),
                  QStringList({"1 Channel Mono", "2 Channel Stereo", "5.1 Channel"}));
        channels->setCurrentIndex(2);
    });
    EXPECT_EQ(ac3.profile.channels, 6);

    Settings mobile(90800);
    mobile.Open([](CSettings& d) {
        EXPECT_EQ(d.ListBox(CSettings::kAudioBitRate)->currentText(), "6.7 kbps");
        d.ListBox(CSettings::kAudioBitRate)->setCurrentIndex(0);
    });
    EXPECT_EQ(mobile.profile.audioBitRate, 4750);
    EXPECT_EQ(mobile.profile.sampleRate, 8000);
    EXPECT_EQ(mobile.profile.channels, 1);
    EXPECT_EQ(mobile.profile.frameWidth, 352);
    EXPECT_EQ(mobile.profile.frameHeight, 288);
    EXPECT_EQ(mobile.profile.videoEncoderName, "H.263");
    EXPECT_EQ(mobile.profile.frameRateText, "15.0 fps");
    EXPECT_EQ(mobile.profile.videoBitRate, 512000);
    EXPECT_FALSE(mobile.profile.audioOnly);
}

TEST(Settings, RememberedTextsLoadFirstThenTheEncoderRuleGivesTheListsAndTheSettingsInForceShow) {
    Settings s(90110);
    s.Open([](CSettings& d) {
        d.ListBox(CSettings::kAudioEncoder)->setCurrentIndex(0);  // WMA7
        d.ApplyEncoderRule();
        d.ListBox(CSettings::kAudioBitRate)->setCurrentIndex(2);  // 128 kbps
        d.ListBox(CSettings::kChannel)->setCurrentIndex(0);       // mono
    });
    EXPECT_EQ(s.profile.audioBitRate, 128000);
    EXPECT_EQ(s.profile.channels, 1);
    s.Open([](CSettings& d) {
        EXPECT_EQ(d.ValueText(CSettings::kAudioBitRate), "128 kbps");
        EXPECT_EQ(d.ListBox(CSettings::kAudioEncoder)->currentText(), "WMA7") << "remembered";
        // Reopened, it shows what is in force, not the rule's first choices.
        EXPECT_EQ(d.ListBox(CSettings::kAudioBitRate)->currentText(), "128 kbps");
        EXPECT_EQ(d.ListBox(CSettings::kChannel)->currentText(), "1 Channel Mono");
    });
    EXPECT_EQ(s.profile.audioBitRate, 128000) << "OK without a change changes nothing";
    EXPECT_EQ(s.profile.channels, 1);
    EXPECT_EQ(s.profile.audioEncoderName, "WMA7");
}

TEST(Settings, UnknownPresetOpensEmptyAndOkStoresEmptyValues) {
    Settings s(12345);
    s.profile.frameWidth = 320;
    s.profile.channels = 6;
    s.Open([](CSettings& d) {
        EXPECT_EQ(d.PresetName()->text(), "");
        EXPECT_EQ(d.ListBox(CSettings::kAudioEncoder)->count(), 0);
    });
    EXPECT_EQ(s.profile.audioEncoderName, "");
    EXPECT_EQ(s.profile.audioBitRate, 0);
    EXPECT_EQ(s.profile.sampleRate, 0);
    EXPECT_EQ(s.profile.channels, 6) << "unchanged";
    EXPECT_EQ(s.profile.frameWidth, 320) << "unchanged";
    EXPECT_EQ(s.profile.savedPresetId, 12345);
}

TEST(Settings, FrameSizeWithoutStarIsReportedAndTheRestStored) {
    Settings s(90001);
    s.Open([](CSettings& d) {
        QComboBox* sizes = d.ListBox(CSettings::kFrameSize);
        EXPECT_EQ(sizes->currentText(), "320*240") << "the video encoder rule's third item";
        sizes->addItem("640");
        sizes->setCurrentIndex(sizes->count() - 1);
        d.ListBox(CSettings::kAudioEncoder)->setCurrentIndex(3);  // AC3
        d.ApplyEncoderRule();
    });
    EXPECT_EQ(s.messages.shown, QStringList({QString::fromUtf8("转化失败!")}));
    EXPECT_EQ(s.profile.frameWidth, 0);
    EXPECT_EQ(s.profile.audioEncoderName, "AC3");
    EXPECT_EQ(s.profile.videoEncoderName, "MPEG4");
}

// The loudness choice: as recorded unless chosen, shown as chosen, stored by OK only.
TEST(Settings, LoudnessIsAsRecordedUnlessChosen) {
    Settings s(90106);
    {
        CSettings dialog(s.profile, s.messages);
        EXPECT_EQ(dialog.LoudnessBox()->currentText(), "As recorded");
        dialog.LoudnessBox()->setCurrentIndex(dialog.LoudnessBox()->findData(-23.0));
        dialog.reject();
    }
    EXPECT_EQ(s.profile.loudnessTarget, 0.0) << "Cancel keeps it";
    CSettings dialog(s.profile, s.messages);
    dialog.LoudnessBox()->setCurrentIndex(dialog.LoudnessBox()->findData(-16.0));
    dialog.OnOk();
    EXPECT_EQ(s.profile.loudnessTarget, -16.0);
    CSettings again(s.profile, s.messages);
    EXPECT_EQ(again.LoudnessBox()->currentText(), "-16 LUFS (spoken word, podcasts)");
}

// Tempo, night mode and fades: none unless chosen, each control named for a screen reader,
// stored by OK only; a list's own tempo, not among the choices, is shown as it is.
TEST(Settings, ListeningChangesNothingUnlessChosen) {
    Settings s(90106);
    {
        CSettings dialog(s.profile, s.messages);
        EXPECT_EQ(dialog.TempoBox()->currentText(), "As recorded");
        EXPECT_FALSE(dialog.NightBox()->isChecked());
        for (QDoubleSpinBox* box :
             {dialog.FadeInBox(), dialog.FadeOutBox(), dialog.CrossfadeBox()}) {
            EXPECT_EQ(box->text(), "None");
            EXPECT_FALSE(box->accessibleName().isEmpty());
        }
        EXPECT_FALSE(dialog.TempoBox()->accessibleName().isEmpty());
        dialog.OnOk();
    }
    EXPECT_EQ(s.profile.listen, tolvane::ListenShape{}) << "OK without a change changes nothing";
    {
        CSettings dialog(s.profile, s.messages);
        dialog.TempoBox()->setCurrentIndex(dialog.TempoBox()->findData(1.5));
        dialog.NightBox()->setChecked(true);
        dialog.reject();
    }
    EXPECT_EQ(s.profile.listen, tolvane::ListenShape{}) << "Cancel keeps it";
    {
        CSettings dialog(s.profile, s.messages);
        dialog.TempoBox()->setCurrentIndex(dialog.TempoBox()->findData(1.5));
        dialog.NightBox()->setChecked(true);
        dialog.FadeInBox()->setValue(2.0);
        dialog.FadeOutBox()->setValue(3.5);
        dialog.CrossfadeBox()->setValue(4.0);
        dialog.OnOk();
    }
    EXPECT_EQ(s.profile.listen, (tolvane::ListenShape{1.5, true, 2.0, 3.5, 4.0}));
    s.profile.listen.tempo = 1.3;  // a list's own
    CSettings again(s.profile, s.messages);
    EXPECT_EQ(again.TempoBox()->currentData().toDouble(), 1.3);
    EXPECT_TRUE(again.TempoBox()->currentText().startsWith(QLocale().toString(1.3)));
    EXPECT_EQ(again.FadeOutBox()->value(), 3.5);
}

// The centre's level in a fold-down: -3 dB unless chosen, offered only for fewer channels than
// 5.1, stored by OK.
TEST(Settings, CentreLevelWhereAFoldDownCanBe) {
    Settings ac3(90101);
    ac3.Open([](CSettings& d) {
        EXPECT_EQ(d.CenterMixBox()->value(), -3.0);
        EXPECT_FALSE(d.CenterMixBox()->accessibleName().isEmpty());
        QComboBox* channels = d.ListBox(CSettings::kChannel);
        channels->setCurrentIndex(1);  // stereo
        EXPECT_TRUE(d.CenterMixBox()->isEnabled());
        d.CenterMixBox()->setValue(-9.0);
        channels->setCurrentIndex(2);  // 5.1: nothing folded
        EXPECT_FALSE(d.CenterMixBox()->isEnabled());
        channels->setCurrentIndex(1);
    });
    EXPECT_EQ(ac3.profile.centerMixDb, -9.0);
}

// Mix tracks: each track checked, with a gain; only a mixed track is the voice; the voice's
// lead and the ducking only with a voice; fewer than two tracks is no mix.
TEST(MixDialog, GivesTheMixItShows) {
    const QStringList tracks = {"1: eng \u00b7 AAC stereo", "2: AAC mono", "3: fra \u00b7 MP2"};
    CMixDialog none("", tracks, {});
    EXPECT_FALSE(none.TrackBox(0)->isChecked());
    EXPECT_TRUE(none.NoVoiceButton()->isChecked());
    EXPECT_FALSE(none.LeadBox()->isEnabled());
    EXPECT_FALSE(none.GainBox(1)->isEnabled()) << "not mixed";
    EXPECT_FALSE(none.TrackBox(2)->accessibleName().isEmpty());
    none.TrackBox(0)->setChecked(true);
    EXPECT_FALSE(none.Mix().Any()) << "one track is no mix";
    none.TrackBox(2)->setChecked(true);
    none.GainBox(2)->setValue(6.0);
    none.VoiceButton(0)->setChecked(true);
    EXPECT_TRUE(none.DuckBox()->isEnabled());
    none.DuckBox()->setChecked(true);
    EXPECT_EQ(none.Mix(), (tolvane::TrackMix{{1, 3}, {0.0, 6.0}, 1, 10.0, 9.0}));
    none.TrackBox(0)->setChecked(false);  // the voice's track taken out: no voice
    EXPECT_TRUE(none.NoVoiceButton()->isChecked());
    EXPECT_FALSE(none.DuckBox()->isEnabled());

    CMixDialog again("", tracks, {{2, 3}, {-3.0, 0.0}, 3, 12.0, 6.0});
    EXPECT_TRUE(again.TrackBox(1)->isChecked());
    EXPECT_EQ(again.GainBox(1)->value(), -3.0);
    EXPECT_TRUE(again.VoiceButton(2)->isChecked());
    EXPECT_EQ(again.Mix(), (tolvane::TrackMix{{2, 3}, {-3.0, 0.0}, 3, 12.0, 6.0}));
}

// Each track's loudness, measured in the background when asked, shown beside it; a dialog
// closed while it measures waits for nothing and loses nothing.
TEST(MixDialog, MeasuresEachTracksLoudnessWhenAsked) {
    const std::string file = tolvane::test::Media("three_audio.mkv").string();
    const QStringList tracks = {"1", "2", "3"};
    {
        CMixDialog dialog(file, tracks, {});
        EXPECT_EQ(dialog.LoudnessText(0), QString::fromUtf8("\u2014")) << "not unasked";
        QSignalSpy measured(&dialog, &CMixDialog::Measured);
        dialog.MeasureButton()->click();
        EXPECT_FALSE(dialog.MeasureButton()->isEnabled());
        ASSERT_TRUE(measured.wait(30000));
        for (int i = 0; i < 3; ++i) {
            EXPECT_TRUE(dialog.LoudnessText(i).endsWith(" LUFS"))
                << dialog.LoudnessText(i).toStdString();
            EXPECT_TRUE(dialog.LoudnessText(i).startsWith(QString::fromUtf8("\u2212")));
        }
    }
    CMixDialog closing(file, tracks, {});
    closing.MeasureButton()->click();  // and gone at once: the reading stops
}

TEST(Settings, EnterDoesNotCloseAndPrefixMatchingIgnoresCase) {
    Settings s(90106);
    CSettings dialog(s.profile, s.messages);
    dialog.show();
    QTest::keyClick(&dialog, Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible());
    QComboBox box;
    box.addItems({"128 kbps", "1 Channel Mono", "2 Channel Stereo"});
    CSettings::SelectByPrefix(&box, "2 channel");
    EXPECT_EQ(box.currentIndex(), 2);
    CSettings::SelectByPrefix(&box, "nothing");
    EXPECT_EQ(box.currentIndex(), 2);
}

TEST(Settings, EnterNeverPressesOkEvenWithOkFocused) {
    Settings s(90106);
    CSettings dialog(s.profile, s.messages);
    dialog.show();
    QPushButton* ok = nullptr;
    for (QPushButton* b : dialog.findChildren<QPushButton*>()) {
        if (b->text() == "OK") {
            ok = b;
        }
    }
    ASSERT_NE(ok, nullptr);
    int clicks = 0;
    QObject::connect(ok, &QPushButton::clicked, [&] { ++clicks; });
    ok->setFocus();
    QTest::keyClick(ok, Qt::Key_Return);
    QTest::keyClick(ok, Qt::Key_Enter);
    EXPECT_EQ(clicks, 0);
    EXPECT_TRUE(dialog.isVisible());
}

TEST(Settings, RestoringAfterAMinimiseKeepsTheUsersChoices) {
    Settings s(90106);
    s.Open([](CSettings& d) {
        QComboBox* rates = d.ListBox(CSettings::kSampleRate);
        ASSERT_GT(rates->count(), 1);
        const int picked = rates->currentIndex() == 0 ? 1 : 0;
        rates->setCurrentIndex(picked);
        // What the window system sends when the minimised dialog comes back.
        QShowEvent restored;
        QSpontaneKeyEvent::setSpontaneous(&restored);
        qApp->notify(&d, &restored);  // sendEvent would clear the mark
        EXPECT_EQ(rates->currentIndex(), picked);
    });
}

TEST(Settings, EveryPresetLoadsAndOffersOnlyWhatTheTablesKnow) {
    int rows = 0;
    int audio = 0;
    int portable = 0;
    for (const PresetRow& row : AllPresets()) {
        ++rows;
        audio += row.audioOnly ? 1 : 0;
        portable += row.portablePlayer ? 1 : 0;
        for (std::string_view encoder : row.audioEncoders) {
            EXPECT_TRUE(AudioCodecForName(encoder).has_value()) << row.presetId << " " << encoder;
        }
        for (std::string_view encoder : row.videoEncoders) {
            EXPECT_TRUE(VideoCodecForName(encoder).has_value()) << row.presetId << " " << encoder;
        }
        for (std::string_view rate : row.frameRates) {
            // Two texts are offered but not in the frame-rate table: the mobile lists' bare
            // "10" and the NDS lists' "18.0 fps"; choosing them keeps the job's rate.
            if (rate != "10" && rate != "18.0 fps") {
                EXPECT_TRUE(FrameRateForText(rate).has_value()) << row.presetId << " " << rate;
            }
        }
        OutputSettings profile;
        ApplyStartupValues(profile);
        profile.presetId = row.presetId;
        FakeMessages messages;
        CSettings dialog(profile, messages);
        dialog.show();
        EXPECT_EQ(dialog.PresetName()->text().toStdString(), row.title);
        EXPECT_GE(dialog.ListBox(CSettings::kAudioEncoder)->currentIndex(), 0) << row.presetId;
        if (!row.audioOnly) {
            EXPECT_GE(dialog.ListBox(CSettings::kFrameSize)->currentIndex(), 0) << row.presetId;
            EXPECT_GE(dialog.ListBox(CSettings::kVideoEncoder)->currentIndex(), 0) << row.presetId;
            EXPECT_GE(dialog.ListBox(CSettings::kFrameRate)->currentIndex(), 0) << row.presetId;
            EXPECT_GE(dialog.ListBox(CSettings::kVideoBitRate)->currentIndex(), 0) << row.presetId;
        }
        if (row.audioEncoder == "OPUS") {
            // Only what Opus takes: 48000 Hz, mono to 5.1, 6 to 510 kbps.
            EXPECT_EQ(dialog.ListBox(CSettings::kSampleRate)->count(), 1);
            EXPECT_EQ(dialog.ListBox(CSettings::kChannel)->count(), 3);
            EXPECT_EQ(dialog.ListBox(CSettings::kAudioBitRate)->itemText(0), "6 kbps");
        }
        dialog.OnOk();
        EXPECT_TRUE(messages.shown.isEmpty()) << row.presetId;
        EXPECT_EQ(profile.pspPreset, row.portablePlayer);
    }
    EXPECT_EQ(rows, 125);
    EXPECT_EQ(audio, 17);
    EXPECT_EQ(portable, 4);
    EXPECT_EQ(FindPreset(91402)->title, FindPreset(91403)->title);
}

// The pauses of a row's sound, read once: the parts the numbers make, recounted as they change.
TEST(SilenceSplit, ThePartsFollowTheNumbers) {
    tolvane::test::ScratchDir work;
    const std::string talk = work.File("talk.wav");
    tolvane::test::WriteSpeechLikeWav(
        talk, {{true, 3.0}, {false, 2.0}, {true, 3.0}, {false, 1.0}, {true, 3.0}});
    CSilenceDialog dialog({talk, 0, 0.0, 12.0, true, 12.0}, 2);
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return dialog.Read() && dialog.OkButton()->isEnabled(); }, 10000));
    EXPECT_EQ(dialog.Parts().parts.size(), 2u) << dialog.Understood()->toPlainText().toStdString();
    EXPECT_TRUE(
        dialog.Understood()->toPlainText().startsWith("2 parts at pauses of at least 1.5 s"));
    dialog.PauseBox()->setValue(0.8);
    EXPECT_EQ(dialog.Parts().parts.size(), 3u);
    dialog.PauseBox()->setValue(2.5);
    EXPECT_EQ(dialog.Parts().parts.size(), 1u);
    EXPECT_FALSE(dialog.OkButton()->isEnabled()) << "one part is no split";
    EXPECT_EQ(dialog.PauseBox()->text(), "2.5 s") << "the same in every language";
    // Typed as German writes it, "2,5" is two and a half seconds, never 25.
    dialog.PauseBox()->setValue(1.5);
    dialog.PauseBox()->selectAll();
    QTest::keyClicks(dialog.PauseBox(), "2,5");
    dialog.PauseBox()->interpretText();
    EXPECT_DOUBLE_EQ(dialog.PauseBox()->value(), 2.5);
    dialog.PauseBox()->selectAll();
    QTest::keyClicks(dialog.PauseBox(), "0.8");
    dialog.PauseBox()->interpretText();
    EXPECT_DOUBLE_EQ(dialog.PauseBox()->value(), 0.8);
}

TEST(FileInformation, ShowsTheDisplayTexts) {
    FileInfoValues values;
    values.infoPath = "/clips/talk.avi";
    values.infoLength = "00:01:05";
    values.infoFrameRate = "25.00 fps";
    values.infoWidth = "640";
    values.infoHeight = "480";
    values.infoVideoCodec = "13";
    values.infoVideoBitRate = "127999";
    values.infoAudioCodec = "0";
    values.infoAudioBitRate = "128000";
    values.infoSampleRate = "44100";
    values.infoChannels = "2";
    CFileInfomation dialog(values);
    EXPECT_EQ(dialog.windowTitle(), "File Information");
    const QStringList expected = {"talk.avi", "00:01:05", "640*480", "25.00 fps",
                                  "127 Kbps", "",         "",        ""};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(dialog.BoxText(i), expected[i]) << i;
    }
    EXPECT_TRUE(dialog.ChaptersText().isEmpty()) << "nothing for a file without chapters";

    // A file with chapters: their number, and the list where the pointer rests.
    MediaProbeResult probe;
    probe.chapters = {{0, 2, "Overture"}, {2, 4.5, "Second Song"}, {4.5, 6, "Encore"}};
    const FileInfoValues withChapters = MakeFileInfoValues(probe, "/clips/concert.mkv", "00:00:06");
    CFileInfomation chaptered(withChapters);
    EXPECT_EQ(chaptered.ChaptersText(), "3");
    EXPECT_EQ(
        chaptered.ChaptersList(),
        "01  00:00:00.000  Overture\n02  00:00:02.000  Second Song\n03  00:00:04.500  Encore");

    // The loudness, measured only when asked for while the dialog shows, then remembered for
    // the file; a dialog closed while it measures ends it.
    LoudnessMemory memory;
    FileInfoValues real;
    real.infoPath = tolvane::test::Media("h264_aac.mp4").string();
    {
        CFileInfomation measuring(real, nullptr, &memory);
        EXPECT_EQ(measuring.LoudnessText(), "") << "nothing is read before it is asked for";
        ASSERT_NE(measuring.MeasureButton(), nullptr);
        EXPECT_EQ(measuring.MeasureButton()->text(), "Measure loudness");
        QTest::mouseClick(measuring.MeasureButton(), Qt::LeftButton);
        EXPECT_EQ(measuring.LoudnessText(), "measuring\u2026");
        EXPECT_TRUE(
            QTest::qWaitFor([&] { return measuring.LoudnessText() != "measuring\u2026"; }, 10000));
        EXPECT_EQ(measuring.LoudnessText(), "\u221221.8 LUFS \u00b7 peak \u221220.7 dBTP");
    }
    CFileInfomation again(real, nullptr, &memory);
    EXPECT_EQ(again.LoudnessText(), "\u221221.8 LUFS \u00b7 peak \u221220.7 dBTP");
    EXPECT_EQ(again.MeasureButton(), nullptr) << "remembered: not measured again";
    FileInfoValues longer;
    longer.infoPath = tolvane::test::Media("long_60.m4a").string();
    {
        CFileInfomation closedAtOnce(longer, nullptr, &memory);
        QTest::mouseClick(closedAtOnce.MeasureButton(), Qt::LeftButton);
    }
    EXPECT_EQ(memory.size(), 1u) << "a measure ended early is not remembered";
}

TEST(About, BannerVersionAndAlwaysUnderlinedLinks) {
    FakeMessages messages;
    CAbout about(&messages);
    about.show();
    EXPECT_EQ(about.windowTitle(), "About");
    bool version = false;
    bool banner = false;
    for (QLabel* label : about.findChildren<QLabel*>()) {
        version = version || label->text() == "Version 2.10";
        banner = banner || (!label->pixmap().isNull() && label->pixmap().width() == 408);
    }
    EXPECT_TRUE(version);
    EXPECT_TRUE(banner);
    EXPECT_TRUE(about.SupportLink()->Underlined());
    EXPECT_TRUE(about.HomeLink()->Underlined());
    EXPECT_EQ(about.SupportLink()->font().pointSize(), 10);
    EXPECT_EQ(about.HomeLink()->text(), CAbout::kHomeAddress);
    about.SupportLink()->SetOpener([](const QString&) { return 2; });
    about.SupportLink()->OpenLink();
    EXPECT_EQ(messages.shown,
              QStringList({"Unable to open hyperlink:\n\nThe specified file was not found."}));
}

// The live preview draws into the progress dialog's own window (skipped off a real X display).
// The bars move with every message; only while a screen reader listens do they move at most
// once a second (at once to their ends and back), so that it is not flooded.
TEST(ProgressDialog, BarsMoveWithEveryMessageUnlessAScreenReaderListens) {
    CAVConvertDlg dialog;
    const bool wasActive = QAccessible::isActive();
    QAccessible::setActive(false);
    for (const int percent : {10, 20, 31}) {
        dialog.SetCurrentProgress(percent);
        dialog.SetTotalProgress(percent);
        EXPECT_EQ(dialog.CurrentProgress(), percent);
        EXPECT_EQ(dialog.TotalProgress(), percent);
    }
    CAVConvertDlg listened;
    QAccessible::setActive(true);  // as the accessibility bridge says when a reader starts
    listened.SetCurrentProgress(40);
    listened.SetCurrentProgress(50);
    EXPECT_EQ(listened.CurrentProgress(), 40) << "held back a moment for the screen reader";
    listened.SetCurrentProgress(100);
    EXPECT_EQ(listened.CurrentProgress(), 100) << "its end at once";
    listened.SetCurrentProgress(0);
    EXPECT_EQ(listened.CurrentProgress(), 0) << "and back";
    QAccessible::setActive(wasActive);
}

TEST(ProgressDialogPreview, DrawsIntoTheDialogsOwnWindow) {
    if (QGuiApplication::platformName() != "xcb") {
        GTEST_SKIP() << "needs a real X display";
    }
    CAVConvertDlg dialog;
    dialog.show();
    QWidget* window = dialog.PreviewWindow();
    EXPECT_EQ(window->size(), QSize(160, 120)) << "the preview's own size";
    window->move(10, 10);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    dialog.PublishPreviewWindow();
    QTest::qWait(50);  // the window system has the window's size before SDL asks for it
    // As a conversion hands them over: from the worker's thread, drawn on this one.
    tolvane::PreviewSink* sink = dialog.PreviewSink();
    ASSERT_NE(sink, nullptr);
    std::thread worker([sink] {
        tolvane::FramePtr red = tolvane::test::SolidPicture(320, 240, 81, 90, 240);
        sink->Begin();
        for (int i = 0; i < 3; ++i) {
            sink->Picture(*red);
        }
    });
    worker.join();
    QTest::qWait(100);  // the wake-up reaches the dialog, which draws
    // Read near the corner: on the virtual display the dialog's other rows cover parts of the
    // window that X reads back.
    const tolvane::test::Rgb shown = tolvane::test::MiddlePixel(window->winId(), 10, 10);
    const bool started = shown.r > 0 || shown.g > 0 || shown.b > 0;
    sink->End();
    QTest::qWait(20);
    EXPECT_TRUE(started);
    EXPECT_GT(shown.r, 180);
    EXPECT_LT(shown.b, 80);
}

}  // namespace
