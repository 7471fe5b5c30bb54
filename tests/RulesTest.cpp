// Time texts, file information texts and preset list numbers.

#include <gtest/gtest.h>

#include <unistd.h>

#include <clocale>
#include <cmath>
#include <filesystem>
#include <fstream>

#include <algorithm>

#include "FileInfoText.h"
#include "FileInfoValues.h"
#include "FormatPresets.h"
#include "JobFile.h"
#include "Json.h"
#include "Paths.h"
#include "Silences.h"
#include "SoundTracks.h"
#include "SplitParts.h"
#include "TimeText.h"

namespace tolvane::test {
namespace {

TEST(TimeText, FormatsAndReadsBack) {
    EXPECT_EQ(FormatTimeText(0), "00:00:00");
    EXPECT_EQ(FormatTimeText(3725), "01:02:05");
    EXPECT_EQ(FormatTimeText(100 * 3600 + 61), "100:01:01");
    EXPECT_EQ(FormatTimeText(-4), "00:00:00");
    EXPECT_EQ(ParseTimeText("01:02:05"), 3725);
    EXPECT_EQ(ParseTimeText("100:01:01"), 360061);
    EXPECT_EQ(ParseTimeText("00:00:00"), 0);
    for (std::int64_t s : {0, 59, 60, 3599, 3600, 86399, 400000}) {
        EXPECT_EQ(ParseTimeText(FormatTimeText(s)), s);
    }
    EXPECT_EQ(FormatCompactTime(365), "6:05");
    EXPECT_EQ(FormatCompactTime(3599), "59:59");
    EXPECT_EQ(FormatCompactTime(3725), "1:02:05");
    EXPECT_EQ(FormatCompactTime(-4), "0:00");
}

TEST(TimeText, ElapsedAndTimeLeftOfARun) {
    EXPECT_EQ(RunTimeText(60.0, 0.25), "Elapsed 00:01:00 \u00b7 Time left 00:03:00");
    EXPECT_EQ(RunTimeText(3.0, 0.0), "Elapsed 00:00:03 \u00b7 Time left --:--:--");
    EXPECT_EQ(TimeLeftText(100.0, 0.005), "--:--:--") << "too early to say";
    EXPECT_EQ(TimeLeftText(100.0, 1.0), "00:00:00");
    EXPECT_EQ(TimeLeftText(100.0, 1.5), "00:00:00") << "never below zero";
    EXPECT_EQ(TimeLeftText(-1.0, 0.5), "--:--:--");
    EXPECT_EQ(TimeLeftText(7200.0, 0.5), "02:00:00");
}

TEST(Paths, DataFilesBesideTheProgramOrUnderItsInstallPrefix) {
    namespace fs = std::filesystem;
    const fs::path root =
        fs::temp_directory_path() / ("tolvane-data-" + std::to_string(::getpid()));
    fs::create_directories(root / "usr/bin");
    fs::create_directories(root / "usr/share/tolvane");
    std::ofstream(root / "usr/share/tolvane/help.html") << "installed";
    EXPECT_EQ(DataFilePath(root / "usr/bin", "help.html"), root / "usr/share/tolvane/help.html");
    std::ofstream(root / "usr/bin/help.html") << "build folder";
    EXPECT_EQ(DataFilePath(root / "usr/bin", "help.html"), root / "usr/bin/help.html");
    fs::remove_all(root);
}

TEST(SoundTracks, LabelsSayWhatAPersonPicksBy) {
    EXPECT_EQ(SoundTrackLabel(2, {"eng", "ac3", 6, 48000, "Commentary"}),
              "2: eng \u00b7 AC-3 5.1 \u00b7 48 kHz \u00b7 Commentary");
    EXPECT_EQ(SoundTrackLabel(1, {"", "aac", 2, 44100, ""}), "1: AAC stereo \u00b7 44.1 kHz");
    EXPECT_EQ(SoundTrackLabel(3, {"fra", "mp2", 1, 22050, ""}),
              "3: fra \u00b7 MP2 mono \u00b7 22.05 kHz");
    EXPECT_EQ(SoundTrackLabel(4, {"", "pcm_s24le", 3, 0, ""}), "4: PCM 3 ch");
    EXPECT_EQ(SoundTrackLabel(5, {"", "nellymoser", 0, 8000, ""}), "5: NELLYMOSER \u00b7 8 kHz");
    EXPECT_EQ(SoundTrackLabel(6, {"", "amr_nb", 1, 8000, ""}), "6: AMR-NB mono \u00b7 8 kHz");
    EXPECT_EQ(SoundTrackSound({"eng", "ac3", 6, 48000, "Commentary"}), "AC-3 5.1 \u00b7 48 kHz");
}

TEST(FileInfoValues, TheChosenSoundTrackOfAFileOfSeveral) {
    MediaProbeResult probe;
    probe.srcChannels = 1;  // the last track, as probed
    probe.srcSampleRate = 22050;
    probe.soundTracks = {{"eng", "aac", 2, 48000, "", 128000, 86018},
                         {"fra", "mp2", 1, 22050, "", 64000, 86016}};
    FileInfoValues values = MakeFileInfoValues(probe, "/f.mkv", "00:00:04");
    EXPECT_EQ(values.infoSoundTrack, "2: fra \u00b7 MP2 mono \u00b7 22.05 kHz");
    EXPECT_EQ(values.infoChannels, "1");
    values = MakeFileInfoValues(probe, "/f.mkv", "00:00:04", 1);
    EXPECT_EQ(values.infoSoundTrack, "1: eng \u00b7 AAC stereo \u00b7 48 kHz");
    EXPECT_EQ(values.infoChannels, "2");
    EXPECT_EQ(values.infoSampleRate, "48000");
    EXPECT_EQ(values.infoAudioBitRate, "128000");
    probe.soundTracks.resize(1);
    EXPECT_EQ(MakeFileInfoValues(probe, "/f.mkv", "00:00:04").infoSoundTrack, "")
        << "one track: nothing to choose, nothing more shown";
}

TEST(FileInfoText, BitRatesAreTruncatedKilobits) {
    EXPECT_EQ(BitRateText("128000"), "128 Kbps");
    EXPECT_EQ(BitRateText("127999"), "127 Kbps");
    EXPECT_EQ(BitRateText("0"), "0 Kbps");
    EXPECT_EQ(BitRateText(""), "");
}

TEST(FileInfoText, DisplayRules) {
    MediaProbeResult probe;
    probe.srcVideoCodecId = 27;
    probe.srcWidth = 640;
    probe.srcHeight = 480;
    probe.srcFrameRateNum = 30000;
    probe.srcFrameRateDen = 1001;
    probe.srcVideoBitRate = 1500000;
    probe.srcAudioCodecId = 86018;
    probe.srcAudioBitRate = 128000;
    probe.srcSampleRate = 44100;
    probe.srcChannels = 6;
    FileInfoTexts t = MakeFileInfoTexts(MakeFileInfoValues(probe, "/clips/talk.avi", "00:01:05"));
    EXPECT_EQ(t.fileName, "talk.avi");
    EXPECT_EQ(t.length, "00:01:05");
    EXPECT_EQ(t.resolution, "640*480");
    EXPECT_EQ(t.frameRate, "29.97 fps");
    EXPECT_EQ(t.videoBitRate, "1500 Kbps");
    EXPECT_EQ(t.audioBitRate, "128 Kbps");
    EXPECT_EQ(t.samples, "44100 Hz");
    EXPECT_EQ(t.channel, "6 Channel stereo");

    probe.srcChannels = 4;
    probe.srcVideoCodecId = 0;
    t = MakeFileInfoTexts(MakeFileInfoValues(probe, "talk.avi", "x"));
    EXPECT_EQ(t.fileName, "talk.avi") << "a path without a separator is the file name";
    EXPECT_EQ(t.channel, "4");
    EXPECT_EQ(t.resolution, "");
    EXPECT_EQ(t.frameRate, "");
    EXPECT_EQ(t.videoBitRate, "");

    probe.srcVideoCodecId = 27;
    probe.srcAudioCodecId = 0;
    probe.srcChannels = 1;
    t = MakeFileInfoTexts(MakeFileInfoValues(probe, "/clips/back\\slash.avi", "x"));
    EXPECT_EQ(t.fileName, "back\\slash.avi") << "a backslash is part of a Linux name";
    EXPECT_EQ(t.samples, "");
    EXPECT_EQ(t.channel, "");
    EXPECT_EQ(t.audioBitRate, "");
    EXPECT_EQ(t.resolution, "640*480");

    FileInfoValues bare;
    bare.infoChannels = "2";
    bare.infoAudioCodec = "1";
    EXPECT_EQ(MakeFileInfoTexts(bare).channel, "2 Channel stereo");
    EXPECT_EQ(MakeFileInfoTexts(bare).samples, "");
}

TEST(FormatPresets, NumbersOfListTexts) {
    EXPECT_EQ(NumberOfText("128 kbps"), 128000);
    EXPECT_EQ(NumberOfText("4.75 kbps"), 4750);
    EXPECT_EQ(NumberOfText("10.2 kbps"), 10200);
    EXPECT_EQ(NumberOfText("5.15 kbps"), 5150);
    EXPECT_EQ(NumberOfText("44100 Hz"), 44100);
    EXPECT_EQ(NumberOfText("128kbps"), 0);
    EXPECT_EQ(NumberOfText(""), 0);
    EXPECT_EQ(ChannelsOfText("5.1 Channel"), 6);
    EXPECT_EQ(ChannelsOfText("2 Channel stereo"), 0) << "only the exact texts count";
}

TEST(FormatPresets, AudioPresetsAreComplete) {
    int audio = 0;
    for (const PresetRow& row : AllPresets()) {
        if (!row.audioOnly) {
            continue;
        }
        ++audio;
        EXPECT_TRUE(row.videoEncoders.empty()) << row.presetId;
        EXPECT_NE(std::find(row.audioEncoders.begin(), row.audioEncoders.end(), row.audioEncoder),
                  row.audioEncoders.end())
            << row.presetId;
        EXPECT_NE(std::find(row.audioBitRates.begin(), row.audioBitRates.end(), row.audioBitRate),
                  row.audioBitRates.end())
            << row.presetId;
        EXPECT_NE(std::find(row.sampleRates.begin(), row.sampleRates.end(), row.sampleRate),
                  row.sampleRates.end())
            << row.presetId;
    }
    EXPECT_EQ(audio, 17);  // the sixteen, then Opus
    ASSERT_NE(FindPreset(90106), nullptr);
    EXPECT_EQ(FindPreset(90106)->title, "MP3 - MPEG Layer-3 Audio(*.MP3)");
    EXPECT_EQ(FindPreset(90107)->channels.size(), 1u);
    EXPECT_EQ(FindPreset(12345), nullptr);
}

TEST(Rules, NumbersAreTheSameInEveryLocale) {
    // The windows run under the desktop's locale; a comma-decimal one changes nothing.
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr) << "scripts/install-deps.sh makes it";
    EXPECT_EQ(BitRateText("127999"), "127 Kbps");
    MediaProbeResult probe;
    probe.srcFrameRateNum = 30000;
    probe.srcFrameRateDen = 1001;
    EXPECT_EQ(MakeFileInfoValues(probe, "/v/a.mp4", "00:00:01").infoFrameRate, "29.97 fps");
    probe.srcFrameRateNum = 5;
    probe.srcFrameRateDen = 1;
    EXPECT_EQ(MakeFileInfoValues(probe, "/v/a.mp4", "00:00:01").infoFrameRate, " 5.00 fps");
    EXPECT_EQ(NumberOfText("4.75 kbps"), 4750);
    EXPECT_EQ(NumberOfText("5.15 kbps"), 5150);
    // A pasted time's fraction (a cut at 12.5 s, not 12).
    EXPECT_EQ(ParseSplitTime("0:12.5"), 12.5);
    EXPECT_EQ(ParseSplitTime("1:02:03.25"), 3723.25);
    std::setlocale(LC_ALL, previous.c_str());
}

// The parts of a split: a pasted list in each accepted form, with the lines it cannot take
// reported; a CUE sheet; chapters past the end or overlapping; and the parts' names.
TEST(Split, ListsSheetsAndChaptersGiveThePartsOrSayWhyNot) {
    const SplitParse list = ParseSplitList(
        "00:00 Overture\n"
        "\n"
        "Second Song - 17:24\n"
        "21:14.5 - Encore\n"
        "1:02:03 \u2013 Finale\n"
        "just words\n"
        "20:00 Too early\n"
        "3:00:00 Too late\n",
        2 * 3600.0);
    ASSERT_EQ(list.parts.size(), 4u);
    EXPECT_EQ(list.parts[0].title, "Overture");
    EXPECT_EQ(list.parts[0].end, 17 * 60 + 24);
    EXPECT_EQ(list.parts[1].title, "Second Song");
    EXPECT_DOUBLE_EQ(list.parts[2].start, 21 * 60 + 14.5);
    EXPECT_EQ(list.parts[2].title, "Encore");
    EXPECT_EQ(list.parts[3].start, 3723);
    EXPECT_EQ(list.parts[3].title, "Finale");
    EXPECT_TRUE(list.parts[3].toEnd);
    EXPECT_EQ(list.parts[3].end, 7200);
    ASSERT_EQ(list.problems.size(), 3u);
    EXPECT_NE(list.problems[0].find("line 6"), std::string::npos) << list.problems[0];
    EXPECT_NE(list.problems[1].find("not after"), std::string::npos) << list.problems[1];
    EXPECT_NE(list.problems[2].find("past the end"), std::string::npos) << list.problems[2];
    EXPECT_LT(ParseSplitTime("1:60"), 0.0);
    EXPECT_LT(ParseSplitTime("12:3"), 0.0);

    const SplitParse cue = ParseSplitList(
        "PERFORMER \"Band\"\nTITLE \"Live\"\nFILE \"live.wav\" WAVE\n"
        "  TRACK 01 AUDIO\n    TITLE \"Intro\"\n    INDEX 00 00:00:00\n    INDEX 01 00:00:00\n"
        "  TRACK 02 AUDIO\n    TITLE \"Song\"\n    INDEX 01 03:10:37\n",
        600.0);
    ASSERT_EQ(cue.parts.size(), 2u);
    EXPECT_EQ(cue.parts[0].title, "Intro");
    EXPECT_DOUBLE_EQ(cue.parts[1].start, 190 + 37 / 75.0);
    EXPECT_EQ(cue.parts[1].title, "Song");

    const SplitParse chapters = PartsFromChapters(
        {{0, 100, "A"}, {90, 200, "Overlaps"}, {100, 300, "B"}, {400, 500, "Past"}}, 300.0);
    ASSERT_EQ(chapters.parts.size(), 2u);
    EXPECT_EQ(chapters.parts[1].title, "B");
    EXPECT_TRUE(chapters.parts[1].toEnd);
    EXPECT_EQ(chapters.problems.size(), 2u);

    EXPECT_EQ(PartFileStem("Concert", 3, 12, "Encore / Reprise", ".mp3"),
              "Concert - 03 - Encore _ Reprise");
    EXPECT_EQ(PartFileStem("Book", 7, 120, "", ".ogg"), "Book - 007 - Part 7");
    // Cut short at a character's start: a naive cut would leave half a character at either
    // parity of the cut.
    const auto wholeUtf8 = [](const std::string& text) {
        for (std::size_t i = 0; i < text.size();) {
            const auto lead = static_cast<unsigned char>(text[i]);
            const std::size_t length = lead < 0x80         ? 1
                                       : (lead >> 5) == 6  ? 2
                                       : (lead >> 4) == 14 ? 3
                                                           : 4;
            if (i + length > text.size()) {
                return false;
            }
            for (std::size_t k = 1; k < length; ++k) {
                if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) {
                    return false;
                }
            }
            i += length;
        }
        return true;
    };
    std::string accents;
    for (int i = 0; i < 150; ++i) {
        accents += "\u00e9";
    }
    for (const std::string& stem : {std::string("x"), std::string("xy")}) {
        const std::string longName = PartFileStem(stem, 1, 1, accents, ".mp3");
        EXPECT_LE(longName.size() + 4 + 4, 255u);
        EXPECT_GT(longName.size() + 4 + 4, 240u) << "cut no shorter than it must be";
        EXPECT_TRUE(wholeUtf8(longName)) << "not cut in a character: " << stem;
    }

    // A sheet of several recordings is refused; a list that starts after 0:00 says what it
    // leaves out.
    const SplitParse two = ParseSplitList(
        "FILE \"a.wav\" WAVE\n TRACK 01 AUDIO\n  INDEX 01 00:00:00\nFILE \"b.wav\" WAVE\n"
        " TRACK 02 AUDIO\n  INDEX 01 00:00:00\n",
        600.0);
    EXPECT_TRUE(two.parts.empty());
    ASSERT_EQ(two.problems.size(), 1u);
    EXPECT_NE(two.problems[0].find("several FILE entries"), std::string::npos) << two.problems[0];
    const SplitParse late = ParseTimeList("0:12.5 Second\n1:00 Third", 120.0);
    ASSERT_EQ(late.parts.size(), 2u);
    EXPECT_EQ(late.parts[0].start, 12.5);
    ASSERT_EQ(late.problems.size(), 1u);
    EXPECT_NE(late.problems[0].find("in no part"), std::string::npos) << late.problems[0];
}

// A job file keeps what it is given exactly (a name that is not UTF-8 too), passes over what it
// does not know, and refuses what it cannot read with the reason.
// Levels of 10 ms windows: sound at -20 dBFS, pauses at -70, for the given seconds in turn.
SoundLevels Levels(const std::vector<std::pair<bool, double>>& stretches, double start = 0.0) {
    SoundLevels levels;
    levels.start = start;
    for (const auto& [sound, seconds] : stretches) {
        levels.decibels.insert(levels.decibels.end(),
                               static_cast<std::size_t>(std::llround(seconds * 100)),
                               sound ? -20.0F : -70.0F);
    }
    return levels;
}

// Pauses: cuts in their middle and never near sound, parts back to back over the whole span, a
// bit of sound too short for a part of its own joined to the neighbour across the shorter pause,
// and the recordings without a pause, without sound, or with only a click.
TEST(Silences, CutsLieInPausesAndPartsCoverTheWholeSpan) {
    const SoundLevels levels = Levels({{false, 1.0},
                                       {true, 3.0},
                                       {false, 2.0},  // 4.0 to 6.0
                                       {true, 0.5},   // too short for a part
                                       {false, 1.6},  // 6.5 to 8.1: the shorter pause
                                       {true, 4.0},
                                       {false, 0.8},  // no pause by the rule
                                       {true, 2.0},
                                       {false, 1.0}},
                                      10.0);
    const std::vector<TimeSpan> silences = FindSilences(levels, {});
    ASSERT_EQ(silences.size(), 2u) << "1.5 s or longer";
    EXPECT_NEAR(silences[0].start, 14.0, 1e-9);
    EXPECT_NEAR(silences[0].end, 16.0, 1e-9);
    SilenceSplit split = SplitAtSilences(levels, {});
    ASSERT_EQ(split.parts.size(), 2u) << split.note;
    EXPECT_NEAR(split.parts[0].start, 10.0, 1e-9);
    EXPECT_NEAR(split.parts[0].end, 15.0, 1e-9) << "in the middle of the longer pause";
    EXPECT_EQ(split.parts[1].start, split.parts[0].end);
    EXPECT_TRUE(split.parts[1].toEnd);
    EXPECT_NEAR(split.parts[1].end, levels.End(), 1e-9);
    EXPECT_EQ(split.note, "2 parts at pauses of at least 1.5 s under -50 dBFS");
    // A shorter rule takes the 0.8 s pause too; a pause too short for two margins is no cut.
    split = SplitAtSilences(levels, {-50.0, 0.7});
    EXPECT_EQ(split.parts.size(), 3u) << split.note;
    split = SplitAtSilences(Levels({{true, 2}, {false, 0.3}, {true, 2}}), {-50.0, 0.2});
    EXPECT_EQ(split.parts.size(), 1u) << "0.3 s leaves no 0.2 s on both sides";

    // No pause, no sound, a click alone: whole, and a line that says why.
    split = SplitAtSilences(Levels({{true, 30}}), {});
    EXPECT_EQ(split.parts.size(), 1u);
    EXPECT_NE(split.note.find("no pause"), std::string::npos) << split.note;
    split = SplitAtSilences(Levels({{false, 30}}), {});
    EXPECT_EQ(split.parts.size(), 1u);
    EXPECT_NE(split.note.find("silent throughout"), std::string::npos) << split.note;
    const SoundLevels click = Levels({{false, 5}, {true, 0.01}, {false, 5}});
    EXPECT_EQ(SplitAtSilences(click, {}).parts.size(), 1u);
    SilenceTrim trim = TrimSilence(click, -50.0);
    EXPECT_TRUE(trim.trimmed);
    EXPECT_NEAR(trim.clip.start, 4.7, 1e-9);
    EXPECT_NEAR(trim.clip.end, 5.31, 1e-9);
    trim = TrimSilence(Levels({{false, 3}}), -50.0);
    EXPECT_FALSE(trim.trimmed);
    EXPECT_NE(trim.note.find("silent throughout"), std::string::npos) << trim.note;
    trim = TrimSilence(levels, -50.0, 0.5);
    EXPECT_NEAR(trim.clip.start, 10.5, 1e-9);
    EXPECT_NEAR(trim.clip.end, levels.End() - 0.5, 1e-9);

    // Every 30 s: the nearest pause within 4.5 s of each multiple, else the multiple itself;
    // none so near the end that the last part would be a scrap.
    const SoundLevels talk = Levels({{true, 26.0},
                                     {false, 0.6},  // 26.0: 4.0 s early
                                     {true, 2.0},
                                     {false, 0.6},  // 28.6: nearer
                                     {true, 32.0},
                                     {false, 0.6},    // 61.2
                                     {true, 36.6}});  // to 98.0
    split = SplitEvery(talk, 30.0, -50.0);
    ASSERT_EQ(split.parts.size(), 4u) << split.note;
    EXPECT_NEAR(split.parts[0].end, 29.0, 1e-9) << "the pause's end less the margin";
    EXPECT_NEAR(split.parts[1].end, 61.4, 1e-9);
    EXPECT_NEAR(split.parts[2].end, 90.0, 1e-9) << "no pause: at the multiple";
    EXPECT_NE(split.note.find("2 of 3 cuts in a pause"), std::string::npos) << split.note;
    EXPECT_EQ(SplitEvery(Levels({{true, 33}}), 30.0, -50.0).parts.size(), 1u);
    EXPECT_NE(split.note.find("of about 00:00:30"), std::string::npos) << split.note;
}

TEST(JobFiles, KeepRowsExactlyAndRefuseWhatTheyCannotRead) {
    JobDocument job;
    job.settings.formatEntry = "OGG-OGG Vorbis Audio(*.ogg)";
    job.settings.profile.audioBitRate = 96000;
    job.settings.outputFolder = "/home/Zoë/Musik";
    job.settings.filesAtOnce = 3;
    job.settings.replayGain = GainTagChoice::Album;
    JobRow part;
    part.source = std::string("/films/caf\xe9 \"live\"\n.mkv");  // Latin-1: not UTF-8
    part.startMs = 65432;
    part.endMs = 3723004;
    part.toEnd = false;
    part.soundTrack = 2;
    part.part = {2, 12, "Zweiter Satz \u2013 Adagio", "Konzert"};
    part.state = JobRowState::Converted;
    part.status = "Completed";
    part.output = "/out/x.ogg";
    JobRow whole;
    whole.source = "/films/a.mp4";
    whole.checked = false;
    job.rows = {part, whole};
    std::string text = WriteJobText(job);
    JobRead read = ReadJobText(text);
    ASSERT_TRUE(read.job) << read.error;
    EXPECT_EQ(WriteJobText(*read.job), text);
    const JobRow& back = read.job->rows[0];
    EXPECT_EQ(back.source, part.source);
    EXPECT_EQ(back.endMs, 3723004);
    EXPECT_EQ(back.part.title, part.part.title);
    EXPECT_EQ(back.state, JobRowState::Converted);
    EXPECT_FALSE(read.job->rows[1].checked);
    EXPECT_EQ(read.job->settings.replayGain, GainTagChoice::Album);
    EXPECT_EQ(read.job->settings.outputFolder, "/home/Zoë/Musik");

    // Members it does not know are passed over, wherever they are...
    std::string extended = text;
    extended.insert(extended.find("\"rows\""), "\"comment\": {\"by\": [1, 2.5e3, null]},\n  ");
    extended.insert(extended.find("\"checked\""), "\"colour\": \"red\", ");
    read = ReadJobText(extended);
    ASSERT_TRUE(read.job) << read.error;
    EXPECT_EQ(read.job->rows.size(), 2U);
    // ...and written back as they came.
    const std::string again = WriteJobText(*read.job);
    EXPECT_NE(again.find("\"colour\": \"red\""), std::string::npos) << again;
    EXPECT_NE(again.find("2500"), std::string::npos) << again;
    EXPECT_EQ(WriteJobText(*ReadJobText(again).job), again);

    // What cannot be read is refused, never half-read.
    const std::pair<std::string, std::string> bad[] = {
        {text.substr(0, text.size() - 3), "not a whole job file"},
        {"{\"format\": \"other\", \"version\": 1, \"rows\": []}", "not a Tolvane job file"},
        {"{\"format\": \"tolvane-job\", \"version\": 3, \"rows\": []}", "version 3"},
        {"{\"format\": \"tolvane-job\", \"version\": 1, \"rows\": [{\"startMs\": 5}]}",
         "row 1: source is missing"},
        {"{\"format\": \"tolvane-job\", \"version\": 1, \"rows\": [{\"source\": \"a\", "
         "\"endMs\": 1.5}]}",
         "row 1: endMs is not a whole number"},
        {"{\"format\": \"tolvane-job\", \"version\": 1, \"rows\": [{\"source\": \"a\", \"part\": "
         "{\"number\": 3, \"count\": 2}}]}",
         "row 1: part has a number outside"},
        {"{\"format\": \"tolvane-job\", \"format\": \"tolvane-job\", \"version\": 1}", "twice"},
        {std::string(100, '['), "nesting too deep"},
        {"{\"format\": \"tolvane-job\", \"version\": 1, \"rows\": [], \"x\": \"\xff\"}",
         "not UTF-8"},
    };
    for (const auto& [document, reason] : bad) {
        read = ReadJobText(document);
        EXPECT_FALSE(read.job) << document;
        EXPECT_NE(read.error.find(reason), std::string::npos) << read.error;
    }
    // JSON's own forms: escapes, surrogate pairs, numbers in every locale.
    const JsonParse parsed = ParseJson("[\"\\u00e9\\ud83c\\udfb5\\t\", -0.5e1, 1E2, true]");
    ASSERT_TRUE(parsed.value) << parsed.error;
    EXPECT_EQ(*parsed.value->Items()[0].AsString(), "\u00e9\U0001F3B5\t");
    EXPECT_EQ(parsed.value->Items()[1].AsNumber(), -5.0);
    EXPECT_EQ(parsed.value->Items()[2].AsInteger(), 100);
    for (const char* wrong :
         {"[01]", "[1.]", "[.5]", "[+1]", "[\"\\ud800\"]", "[1,]", "{\"a\" 1}"}) {
        EXPECT_FALSE(ParseJson(wrong).value) << wrong;
    }
}

// A recording with 5,000 pauses splits at every one of them, its short bits joined as they are
// with a few (the parts are joined through a heap: this is where its order of joins shows).
// Its time, and the JSON reader's with 200,000 members, are in bench/rules_scaling.sh.
TEST(LargeInputs, ManyPausesKeepEveryOne) {
    // 5,000 stretches of 2 s of sound between pauses of 1.6 s, every tenth stretch only 0.5 s
    // long: it joins its neighbour across the shorter pause (every other pause is 1.8 s).
    std::vector<std::pair<bool, double>> stretches;
    for (int i = 0; i < 5000; ++i) {
        stretches.emplace_back(true, i % 10 == 5 ? 0.5 : 2.0);
        stretches.emplace_back(false, i % 2 == 0 ? 1.6 : 1.8);
    }
    stretches.emplace_back(true, 2.0);
    const SoundLevels levels = Levels(stretches);
    const SilenceSplit split = SplitAtSilences(levels, {});
    ASSERT_EQ(split.parts.size(), 5001U - 500U) << split.note;
    EXPECT_DOUBLE_EQ(split.parts.front().start, levels.start);
    EXPECT_DOUBLE_EQ(split.parts.back().end, levels.End());
    for (std::size_t p = 1; p < split.parts.size(); ++p) {
        ASSERT_DOUBLE_EQ(split.parts[p].start, split.parts[p - 1].end);
    }
    // The first short bit (stretch 5, after a pause of 1.6 s and before one of 1.8 s) joins
    // the stretch before it: the part holding it runs from the middle of the pause before that
    // stretch to the middle of the pause after the bit.
    const double shortStart = 5 * 2.0 + 3 * 1.6 + 2 * 1.8;
    const auto holding = std::find_if(split.parts.begin(), split.parts.end(),
                                      [&](const SplitPart& part) { return part.end > shortStart; });
    ASSERT_NE(holding, split.parts.end());
    EXPECT_NEAR(holding->start, shortStart - 1.6 - 2.0 - 0.9, 1e-6);
    EXPECT_NEAR(holding->end, shortStart + 0.5 + 0.9, 1e-6);
    // Every 60 s near a pause, over the same 5,000 pauses.
    const SilenceSplit every = SplitEvery(levels, 60.0, -50.0);
    EXPECT_NE(every.note.find(" cuts in a pause"), std::string::npos) << every.note;
    EXPECT_GT(every.parts.size(), 250U);
}

}  // namespace
}  // namespace tolvane::test
