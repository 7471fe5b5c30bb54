// tolvane-cli, run as a process on generated media, and its argument rules.

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <thread>
#include <vector>

#include "CliOptions.h"
#include "CliRun.h"
#include "FFmpegHandles.h"
#include "JobFile.h"
#include "JobPlanner.h"
#include "Numbers.h"
#include "OutputFile.h"
#include "TestSupport.h"

namespace tolvane::test {
namespace {

namespace fs = std::filesystem;

struct CliResult {
    int exitCode;
    std::string output;  // standard output and error
};

constexpr const char* kCli = TOLVANE_CLI_PATH;

// In `language` (Qt's name for it; empty: English, whatever the machine's language is).
CliResult Cli(const std::string& arguments, const std::string& language = {}) {
    CliResult result{};
    const std::string speaking = "env LC_ALL=C.UTF-8 LANGUAGE=" + language + " ";
    result.output = RunCommand(speaking + kCli + " " + arguments, &result.exitCode);
    return result;
}

std::string M(const std::string& name) {
    return Media(name).string();
}

TEST(CliArguments, TimesAndBitRates) {
    EXPECT_EQ(ParseCliTime("90"), 90.0);
    EXPECT_EQ(ParseCliTime("90.5"), 90.5);
    EXPECT_EQ(ParseCliTime("1:30"), 90.0);
    EXPECT_EQ(ParseCliTime("01:02:05"), 3725.0);
    EXPECT_FALSE(ParseCliTime("1:2:3:4"));
    EXPECT_FALSE(ParseCliTime("a"));
    EXPECT_FALSE(ParseCliTime(""));
    EXPECT_FALSE(ParseCliTime("-5"));
    EXPECT_FALSE(ParseCliTime("1.5:00"));
    EXPECT_EQ(ParseCliBitRate("128k"), 128000);
    EXPECT_EQ(ParseCliBitRate("128000"), 128000);
    EXPECT_EQ(ParseCliBitRate("12.2k"), 12200);
    EXPECT_FALSE(ParseCliBitRate("k"));
    EXPECT_FALSE(ParseCliBitRate("0"));
}

// The options as GNU tools take them: short options combined and with attached values, "--opt
// value" and "--opt=value", "--" ending the options, options after files.
TEST(CliArguments, OptionsAsGnuToolsTakeThem) {
    CliParse parse = ParseCliArguments({"-qj1", "-oDIR", "-fwav", "a.mp4", "--rate=22050",
                                        "--channels", "1", "--", "-b.mp4", "--json"});
    ASSERT_EQ(parse.error, "");
    EXPECT_TRUE(parse.options.quiet);
    EXPECT_EQ(parse.options.jobs, 1);
    EXPECT_EQ(parse.options.outputFolder, "DIR");
    EXPECT_EQ(parse.options.format, "wav");
    EXPECT_EQ(parse.options.sampleRate, 22050);
    EXPECT_EQ(parse.options.channels, 1);
    EXPECT_FALSE(parse.options.json) << "after --, a file";
    EXPECT_EQ(parse.options.files, (std::vector<std::string>{"a.mp4", "-b.mp4", "--json"}));
    parse = ParseCliArguments({"--normalize", "a.mp4", "--true-peak", "-2", "--replaygain=album",
                               "-", "--cover-from-video=0:05"});
    ASSERT_EQ(parse.error, "");
    EXPECT_EQ(parse.options.normalize, -16.0);
    EXPECT_EQ(parse.options.truePeak, -2.0);
    EXPECT_EQ(parse.options.replayGain, JobInput::ReplayGain::Album);
    EXPECT_EQ(parse.options.coverFromVideoSeconds, 5.0);
    EXPECT_EQ(parse.options.files, (std::vector<std::string>{"a.mp4", "-"}));
    EXPECT_NE(ParseCliArguments({"-qx", "a.mp4"}).error.find("'-x'"), std::string::npos);
    EXPECT_NE(ParseCliArguments({"a.mp4", "-o"}).error.find("needs a value"), std::string::npos);
    EXPECT_FALSE(ParseCliBitRate("0.0001k")) << "refused once rounded, not before";
}

TEST(CliArguments, ProfilesFollowTheWindowsRules) {
    std::string error;
    CliOptions options;
    CliProfile profile = ResolveCliProfile(options, error);
    EXPECT_TRUE(error.empty());
    EXPECT_EQ(profile.settings.audioBitRate, 192000) << "start-up values without a format";
    EXPECT_EQ(profile.settings.sampleRate, 48000);

    options.format = "WAV";
    profile = ResolveCliProfile(options, error);
    EXPECT_EQ(profile.settings.audioEncoderName, "PCM_S16LE");
    EXPECT_EQ(profile.settings.audioBitRate, 128000);
    EXPECT_EQ(profile.settings.sampleRate, 44100);
    EXPECT_EQ(profile.entryText, "WAV-Waveform Audio(*.wav)");

    options.format = "m4a";
    options.bitRate = 96000;
    profile = ResolveCliProfile(options, error);
    EXPECT_EQ(profile.settings.presetId, 90104);
    EXPECT_EQ(profile.settings.audioEncoderName, "AAC");
    EXPECT_EQ(profile.settings.sampleRate, 48000);
    EXPECT_EQ(profile.settings.audioBitRate, 96000);

    // Opus: 48000 Hz, its bit rate from the channels unless one is given.
    options = CliOptions{};
    options.format = "opus";
    options.channels = 1;
    profile = ResolveCliProfile(options, error);
    EXPECT_EQ(profile.settings.audioEncoderName, "OPUS");
    EXPECT_EQ(profile.settings.sampleRate, 48000);
    EXPECT_EQ(profile.settings.audioBitRate, 64000);
    options.channels = 2;
    EXPECT_EQ(ResolveCliProfile(options, error).settings.audioBitRate, 128000);
    options.bitRate = 24000;
    options.opusApplication = "voip";
    profile = ResolveCliProfile(options, error);
    EXPECT_EQ(profile.settings.audioBitRate, 24000);
    EXPECT_EQ(profile.settings.opusApplication, "voip");
    EXPECT_TRUE(error.empty()) << error;

    options = CliOptions{};
    options.format = "mkv";
    ResolveCliProfile(options, error);
    EXPECT_NE(error.find("unknown format"), std::string::npos);
    error.clear();
    options.format.reset();
    options.encoder = "mp3";
    ResolveCliProfile(options, error);
    EXPECT_NE(error.find("unknown encoder"), std::string::npos);
}

struct CliFormat {
    const char* format;
    const char* extension;
    const char* codec;
};

class CliFormatTest : public ::testing::TestWithParam<CliFormat> {};

TEST_P(CliFormatTest, ConvertsToTheFormat) {
    const CliFormat& c = GetParam();
    ScratchDir out;
    const CliResult r = Cli(std::string("-q -f ") + c.format + " -o " + out.Path().string() + " " +
                            M("h264_aac.mp4"));
    EXPECT_EQ(r.exitCode, 0) << r.output;
    const std::string written = out.File(std::string("h264_aac") + c.extension);
    EXPECT_NE(r.output.find("Completed\t" + M("h264_aac.mp4") + "\t" + written), std::string::npos)
        << r.output;
    EXPECT_EQ(Ffprobe(written).codec, c.codec);
    EXPECT_NEAR(AudioPacketsEnd(written), 5.0, 0.1);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, CliFormatTest,
    ::testing::Values(CliFormat{"mp3", ".mp3", "mp3"}, CliFormat{"wav", ".wav", "pcm_s16le"},
                      CliFormat{"wma", ".wma", "wmav2"}, CliFormat{"ogg", ".ogg", "vorbis"},
                      CliFormat{"aac", ".aac", "aac"}, CliFormat{"flac", ".flac", "flac"},
                      CliFormat{"au", ".au", "pcm_s16be"}, CliFormat{"ac3", ".ac3", "ac3"},
                      CliFormat{"opus", ".opus", "opus"}),
    [](const auto& info) { return std::string(info.param.format); });

TEST(Cli, OverridesClipAndDefaults) {
    ScratchDir out;
    const std::string dir = out.Path().string();
    CliResult r = Cli("-q -o " + dir + " " + M("audio_only.m4a"));
    ASSERT_EQ(r.exitCode, 0) << r.output;
    ProbedStream p = Ffprobe(out.File("audio_only.mp3"));
    EXPECT_EQ(p.sampleRate, 48000) << "start-up values";

    r = Cli("-q -f wav -e PCM_ALAW -r 8000 -c 1 -s 1 -t 00:00:03 -o " + dir + " " +
            M("audio_only.m4a"));
    ASSERT_EQ(r.exitCode, 0) << r.output;
    p = Ffprobe(out.File("audio_only.wav"));
    EXPECT_EQ(p.codec, "pcm_alaw");
    EXPECT_EQ(p.sampleRate, 8000);
    EXPECT_EQ(p.channels, 1);
    EXPECT_NEAR(p.duration, 2.0, 0.1);
}

TEST(Cli, ExistingOutputsAreKeptAndNewNamesNumbered) {
    ScratchDir out;
    std::ofstream(out.File("audio_only.ogg")) << "mine";
    const CliResult r = Cli("-q -f ogg -o " + out.Path().string() + " " + M("audio_only.m4a") +
                            " " + M("audio_only.m4a"));
    EXPECT_EQ(r.exitCode, 0) << r.output;
    EXPECT_EQ(ReadFile(out.File("audio_only.ogg")), "mine");
    EXPECT_TRUE(fs::exists(out.File("audio_only(0).ogg")));
    EXPECT_TRUE(fs::exists(out.File("audio_only(1).ogg")));
    EXPECT_NE(r.output.find(out.File("audio_only(1).ogg")), std::string::npos);
}

TEST(Cli, UnreadableFileIsReportedAndTheOthersConvert) {
    ScratchDir out;
    const CliResult r = Cli("-q -o " + out.File("new/folder") + " " + M("h264_aac.mp4") + " " +
                            M("not_media.mp4") + " " + M("audio_only.m4a"));
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.output.find("File:not_media.mp4 is invalid!"), std::string::npos) << r.output;
    EXPECT_TRUE(fs::exists(out.File("new/folder/h264_aac.mp3"))) << "the folder is created";
    EXPECT_TRUE(fs::exists(out.File("new/folder/audio_only.mp3")));
}

TEST(Cli, ReadsThatFailAreFailuresAndDamagedSourcesSayWhereTheirSoundEnds) {
    ScratchDir out;
    // The file system fails midway through the source: the task fails with the library's
    // reason, converting and copying alike, and leaves nothing.
    const std::string source = out.File("talk.m4a");
    fs::copy_file(M("long_60.m4a"), source);
    const std::string preload = std::string("env LD_PRELOAD=") + TOLVANE_READ_FAIL_SHIM +
                                " ASAN_OPTIONS=verify_asan_link_order=0:detect_leaks=0" +
                                " TOLVANE_FAIL_READ_PATH=" + source + " TOLVANE_FAIL_READ_AFTER=" +
                                std::to_string(fs::file_size(source) / 2) + " ";
    const std::string reason = "cannot read the source: " + AvErrorText(AVERROR(EIO));
    for (const char* format : {"mp3", "copy"}) {
        CliResult r;
        r.output = RunCommand(
            preload + kCli + " -q -f " + format + " -o " + out.File("eio") + " " + source,
            &r.exitCode);
        EXPECT_EQ(r.exitCode, 1) << r.output;
        EXPECT_NE(r.output.find("Failure\t" + source + "\t-\t" + reason), std::string::npos)
            << format << ": " << r.output;
        EXPECT_TRUE(fs::is_empty(out.File("eio"))) << format;
    }

    // A recording cut short: what could be read is kept, and the report says where it ends,
    // in the status line and in JSON.
    const std::string cut = out.File("cut.mkv");
    {
        const std::string whole = ReadFile(M("copy_vorbis.mkv"));
        std::ofstream(cut, std::ios::binary).write(whole.data(), whole.size() * 6 / 10);
    }
    CliResult r = Cli("-q -f mp3 -o " + out.File("damaged") + " " + cut);
    EXPECT_EQ(r.exitCode, 0) << r.output;
    EXPECT_NE(r.output.find("Completed\t" + cut + "\t" + out.File("damaged/cut.mp3") +
                            "\tthe source is damaged after 00:00:01 of 00:00:03"),
              std::string::npos)
        << r.output;
    EXPECT_GT(DecodedSeconds(out.File("damaged/cut.mp3")), 1.0);
    // Quiet is quiet: the status line and nothing else.
    EXPECT_EQ(std::count(r.output.begin(), r.output.end(), '\n'), 1) << r.output;
    // Otherwise the library's lines come once each, with the file they concern in front.
    r = Cli("-f wav -o " + out.File("damaged") + " " + cut);
    EXPECT_EQ(r.output.find(" @ 0x"), std::string::npos) << r.output;
    EXPECT_NE(r.output.find("tolvane: " + cut + ": "), std::string::npos) << r.output;
    std::istringstream lines(r.output);
    std::set<std::string> seen;
    for (std::string line; std::getline(lines, line);) {
        EXPECT_TRUE(line.rfind("tolvane: ", 0) != 0 || seen.insert(line).second) << line;
    }
    r = Cli("--json -f wav -o " + out.File("damaged") + " " + cut);
    EXPECT_NE(r.output.find("\"note\": \"the source is damaged after"), std::string::npos)
        << r.output;
}

// ffprobe's chapters of a file, "start end title" a line each (seconds to the millisecond).
std::string Chapters(const std::string& path) {
    return RunCommand(
        "ffprobe -v error -show_entries chapter=start_time,end_time:chapter_tags=title "
        "-of csv=p=0 '" +
        path + "'");
}

// A recording in parts: at its chapters and at a list of times, to MP3, OGG, WAV and copies;
// parts named, tagged and back to back; chapters kept where the output holds them, and made
// by a merge.
TEST(Cli, SplitsKeepsAndMakesChapters) {
    ScratchDir out;
    const std::string source = M("chapters3.mkv");
    CliResult r = Cli("--info " + source);
    EXPECT_NE(r.output.find("Chapters\n  01  00:00:00.000  Overture\n  02  00:00:02.000  Second "
                            "Song\n  03  00:00:04.500  Encore"),
              std::string::npos)
        << r.output;

    for (const char* format : {"mp3", "ogg", "copy"}) {
        r = Cli(std::string("-q --split-chapters -f ") + format + " -o " + out.File(format) + " " +
                source);
        EXPECT_EQ(r.exitCode, 0) << r.output;
        EXPECT_EQ(std::count(r.output.begin(), r.output.end(), '\n'), 3) << r.output;
    }
    const std::string second = out.File("mp3/chapters3 - 02 - Second Song.mp3");
    const std::string tags =
        RunCommand("ffprobe -v error -show_entries format_tags=title,track,album -of csv=p=0 '" +
                   second + "'");
    EXPECT_NE(tags.find("Second Song,2/3,Evening Concert"), std::string::npos) << tags;
    EXPECT_NEAR(DecodedSeconds(second), 2.5, 0.05);
    EXPECT_NEAR(DecodedSeconds(out.File("ogg/chapters3 - 03 - Encore.ogg")), 1.5, 0.03);
    EXPECT_TRUE(fs::exists(out.File("copy/chapters3 - 01 - Overture.wav")));

    // Chapters that cannot be parts (one past the end, one overlapping the one before) are
    // reported and left out; the others split.
    const std::string odd = out.File("odd_chapters.mkv");
    std::ofstream(out.File("odd.txt"))
        << ";FFMETADATA1\n[CHAPTER]\nTIMEBASE=1/1000\nSTART=0\nEND=3000\ntitle=One\n"
           "[CHAPTER]\nTIMEBASE=1/1000\nSTART=2000\nEND=4000\ntitle=Overlaps\n"
           "[CHAPTER]\nTIMEBASE=1/1000\nSTART=3000\nEND=6000\ntitle=Two\n"
           "[CHAPTER]\nTIMEBASE=1/1000\nSTART=9000\nEND=9500\ntitle=Past\n";
    RunCommand("ffmpeg -nostdin -v error -y -f lavfi -i sine=sample_rate=44100:duration=6 -i '" +
               out.File("odd.txt") + "' -map 0:a -map_chapters 1 -c:a flac '" + odd + "'");
    r = Cli("-q --split-chapters -f wav -o " + out.File("odd") + " " + odd);
    EXPECT_NE(r.output.find("chapter 2: overlaps"), std::string::npos) << r.output;
    EXPECT_NE(r.output.find("chapter 4: starts past the end"), std::string::npos) << r.output;
    EXPECT_TRUE(fs::exists(out.File("odd/odd_chapters - 02 - Two.wav"))) << r.output;

    // Back to back: the parts joined again are the source's sound, sample for sample.
    const std::string list = out.File("times.txt");
    std::ofstream(list) << "0:00 First\nbad line\nSecond - 0:02.5\n";
    r = Cli("-q -f wav -r 44100 -c 1 --split-at " + list + " -o " + out.File("wav") + " " + source);
    EXPECT_NE(r.output.find("line 2: no time"), std::string::npos) << r.output;
    std::vector<std::int16_t> joined =
        DecodedSamples(out.File("wav/chapters3 - 01 - First.wav"), 44100);
    const std::vector<std::int16_t> rest =
        DecodedSamples(out.File("wav/chapters3 - 02 - Second.wav"), 44100);
    EXPECT_EQ(joined.size(), 110250u);
    joined.insert(joined.end(), rest.begin(), rest.end());
    EXPECT_TRUE(joined == DecodedSamples(source, 44100)) << "no sample lost or doubled";

    // Kept: a whole conversion keeps the source's chapters, also as Ogg and FLAC comments.
    for (const char* format : {"mp3", "m4a", "ogg", "flac"}) {
        Cli(std::string("-q -f ") + format + " -o " + out.File("whole") + " " + source);
        const std::string chapters = Chapters(out.File("whole/chapters3." + std::string(format)));
        EXPECT_NE(chapters.find("2.000000,4.500000,Second Song"), std::string::npos)
            << format << ":\n"
            << chapters;
    }
    // Made: a merge of three files has a chapter of each, at their places.
    Cli("-q -m -o " + out.File("merge") + " " + M("short_1s.mp4") + " " + M("audio_only.m4a") +
        " " + M("tagged_cover.mp4"));
    const std::string merged = Chapters(out.File("merge/short_1s.mp3"));
    EXPECT_NE(merged.find("0.000000,1.000000,short_1s\n1.000000,6.000000,audio_only\n"
                          "6.000000,9.000000,Night Song"),
              std::string::npos)
        << merged;
}

// ReplayGain 2.0 tags leave the sound as it is: each output's gain brings its measured loudness
// to -18 LUFS (MP3, OGG, FLAC and M4A's freeform atoms); album tags are the run's together;
// copies are tagged where the container holds tags.
TEST(Cli, ReplayGainTagsTellTheGainToMinus18) {
    ScratchDir out;
    for (const char* format : {"mp3", "ogg", "flac", "m4a", "copy"}) {
        const CliResult r =
            Cli(std::string("-q --replaygain=album -f ") + format + " -o " + out.File(format) +
                " " + M("speech_quiet.wav") + " " + M("sine_8.wav"));
        ASSERT_EQ(r.exitCode, 0) << r.output;
        const std::string extension = std::string(format) == "copy" ? "wav" : format;
        for (const char* name : {"speech_quiet", "sine_8"}) {
            const std::string path = out.File(std::string(format) + "/" + name + "." + extension);
            std::string tags = RunCommand(
                "ffprobe -v error -show_entries format_tags:stream_tags -of flat '" + path + "'");
            // M4A's freeform atoms come in lower case.
            std::transform(tags.begin(), tags.end(), tags.begin(),
                           [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
            const std::size_t at = tags.find("REPLAYGAIN_TRACK_GAIN=\"");
            if (extension == "wav") {
                EXPECT_EQ(at, std::string::npos) << "WAV keeps no such tags";
                continue;
            }
            ASSERT_NE(at, std::string::npos) << format << " " << name << ":\n" << tags;
            const double gain = std::atof(tags.c_str() + at + 23);
            const std::string measured =
                RunCommand("ffmpeg -nostdin -v info -i '" + path + "' -af ebur128 -f null - 2>&1");
            const double loudness = std::atof(measured.c_str() + measured.rfind("I:") + 2);
            EXPECT_NEAR(gain + loudness, -18.0, 0.3) << format << " " << name;
            EXPECT_NE(tags.find("REPLAYGAIN_ALBUM_GAIN=\"-"), std::string::npos) << tags;
            EXPECT_NE(tags.find("REPLAYGAIN_TRACK_PEAK=\"0."), std::string::npos) << tags;
            EXPECT_GT(DecodedSeconds(path), 5.9) << "the file plays whole";
        }
    }
}

// No ReplayGain placeholder is ever published: every container that keeps the tags gets the
// measured values in place, found by the container's structure (a title that reads like a tag
// stays as it was), Ogg pages keep valid checksums, and formats without such tags say so.
TEST(Cli, ReplayGainNeverPublishesAPlaceholder) {
    ScratchDir out;
    const std::string titled = out.File("titled.wav");
    const std::string title = "REPLAYGAIN_TRACK_GAIN=+99.99 dB";
    RunCommand(
        "ffmpeg -nostdin -v error -y -f lavfi -i sine=frequency=330:duration=3 -metadata 'title=" +
        title + "' '" + titled + "'");
    struct Case {
        std::string source;
        const char* format;
        const char* output;  // its name in the output folder
    };
    const std::vector<Case> cases = {
        {titled, "mp3", "titled.mp3"},
        {titled, "ogg", "titled.ogg"},
        {titled, "flac", "titled.flac"},
        {titled, "wma", "titled.wma"},
        {titled, "m4a", "titled.m4a"},
        {M("copy_mp3.mkv"), "copy", "copy_mp3.mp3"},
        {M("copy_vorbis.mkv"), "copy", "copy_vorbis.ogg"},
        {M("copy_opus.mkv"), "copy", "copy_opus.opus"},
        {M("copy_flac.mkv"), "copy", "copy_flac.flac"},
        {M("copy_wma.wmv"), "copy", "copy_wma.wma"},
        {M("copy_wavpack.mkv"), "copy", "copy_wavpack.mka"},
        {M("copy_alac.mov"), "copy", "copy_alac.m4a"},
    };
    for (const Case& c : cases) {
        const std::string folder = out.File(std::string("o-") + c.output);
        const CliResult r = Cli(std::string("-q --replaygain -f ") + c.format + " -o " + folder +
                                " '" + c.source + "'");
        const std::string path = folder + "/" + c.output;
        ASSERT_EQ(r.exitCode, 0) << c.output << ": " << r.output;
        std::string tags = RunCommand(
            "ffprobe -v error -show_entries format_tags:stream_tags -of "
            "default=nw=1 '" +
            path + "'");
        std::string upper = tags;
        std::transform(upper.begin(), upper.end(), upper.begin(),
                       [](unsigned char ch) { return static_cast<char>(std::toupper(ch)); });
        // Opus takes R128 gains instead.
        const bool r128 = fs::path(c.output).extension() == ".opus";
        EXPECT_NE(upper.find(r128 ? "TAG:R128_TRACK_GAIN=" : "TAG:REPLAYGAIN_TRACK_GAIN="),
                  std::string::npos)
            << c.output << "\n"
            << tags;
        EXPECT_EQ(upper.find("TAG:R128_TRACK_GAIN=+99999"), std::string::npos) << tags;
        EXPECT_EQ(upper.find("TAG:REPLAYGAIN_TRACK_GAIN=+99.99 DB"), std::string::npos)
            << c.output << "\n"
            << tags;
        EXPECT_EQ(upper.find("TAG:REPLAYGAIN_TRACK_PEAK=9.999999"), std::string::npos)
            << c.output << "\n"
            << tags;
        if (c.source == titled && std::string(c.format) != "m4a") {
            EXPECT_NE(tags.find("=" + title + "\n"), std::string::npos) << c.output << "\n" << tags;
        }
        int decoded = 0;
        RunCommand("ffmpeg -nostdin -v error -xerror -i '" + path + "' -f null - 2>&1", &decoded);
        EXPECT_EQ(decoded, 0) << c.output << " does not decode cleanly";
    }
    for (const auto& [source, format] :
         {std::pair{titled, "wav"}, std::pair{M("copy_ac3.mkv"), "copy"}}) {
        const CliResult r = Cli(std::string("-q --replaygain -f ") + format + " -o " +
                                out.File("untagged") + " '" + source + "'");
        EXPECT_EQ(r.exitCode, 0) << r.output;
        EXPECT_NE(r.output.find("keeps no ReplayGain tags"), std::string::npos) << r.output;
    }
}

// An M4A of 70 MiB (lossless sound copied whole) gets its tags too: the header is found wherever
// the file is long.
TEST(Cli, ALargeM4AIsTaggedToo) {
    ScratchDir out;
    const std::string big = out.File("big.m4a");
    RunCommand(
        "ffmpeg -nostdin -v error -y -f lavfi -i anoisesrc=d=400:c=white:a=0.5:r=48000 -ac 2 "
        "-c:a alac '" +
        big + "'");
    ASSERT_GT(fs::file_size(big), 70u << 20);
    const CliResult r = Cli("-q --replaygain -f copy -o " + out.File("big") + " '" + big + "'");
    ASSERT_EQ(r.exitCode, 0) << r.output;
    std::string tags = RunCommand("ffprobe -v error -show_entries format_tags -of default=nw=1 '" +
                                  out.File("big/big.m4a") + "'");
    EXPECT_NE(tags.find("replaygain_track_gain=-"), std::string::npos) << tags;
}

// A merge takes every file whole, and each file's chapter starts where its sound does: the
// sound's own length (not the picture's, not whole seconds), without an AAC encoder's padding
// between them; in ID3 frames, MP4 chapters and Ogg comments alike. A clip does not go with it.
TEST(Cli, MergedChaptersStartWhereEachSoundStarts) {
    ScratchDir out;
    const std::vector<std::string> sources = MakeMergeSources(out.Path());
    const std::string files = "'" + sources[0] + "' '" + sources[1] + "' '" + sources[2] + "'";
    for (const char* format : {"mp3", "m4a", "ogg"}) {
        const std::string folder = out.File(std::string("merge-") + format);
        const CliResult r = Cli(std::string("-q -m -f ") + format + " -o " + folder + " " + files);
        ASSERT_EQ(r.exitCode, 0) << r.output;
        const std::string merged = folder + "/a." + format;
        const std::string chapters = RunCommand(
            "ffprobe -v error -show_entries chapter=start_time -of csv=p=0 '" + merged + "'");
        std::vector<double> starts;
        for (const char* at = chapters.c_str(); *at != '\0';) {
            double value = 0.0;
            const auto [end, error] = std::from_chars(at, at + std::strlen(at), value);
            if (error != std::errc()) {
                break;
            }
            starts.push_back(value);
            at = *end == '\n' ? end + 1 : end;
        }
        ASSERT_EQ(starts.size(), 3u) << format << ":\n" << chapters;
        EXPECT_NEAR(starts[0], 0.0, 0.002) << format;
        EXPECT_NEAR(starts[1], 2.6, 0.002) << format;
        EXPECT_NEAR(starts[2], 5.9, 0.002) << format;
    }
    // Gapless to the sample: no padding after the AAC sounds.
    const CliResult wav = Cli("-q -m -f wav -r 44100 -o " + out.File("wav") + " " + files);
    ASSERT_EQ(wav.exitCode, 0) << wav.output;
    EXPECT_EQ(DecodedSamples(out.File("wav/a.wav"), 44100).size(), 441000u);
    const CliResult clipped = Cli("-m -s 1 -t 2 -o " + out.File("clip") + " " + files);
    EXPECT_EQ(clipped.exitCode, 2);
    EXPECT_NE(clipped.output.find("takes every file whole"), std::string::npos) << clipped.output;
    EXPECT_FALSE(fs::exists(out.File("clip")));
}

TEST(Cli, MergeWritesOneFileNamedAfterTheFirst) {
    ScratchDir out;
    const CliResult r =
        Cli("-q -m -f wav -o " + out.Path().string() + " " + M("ten_1.mp4") + " " + M("ten_2.mp4"));
    EXPECT_EQ(r.exitCode, 0) << r.output;
    EXPECT_NEAR(Ffprobe(out.File("ten_1.wav")).duration, 20.0, 0.2);
    EXPECT_FALSE(fs::exists(out.File("ten_2.wav")));
    EXPECT_NE(r.output.find(M("ten_2.mp4") + "\t" + out.File("ten_1.wav")), std::string::npos);
}

TEST(Cli, BadUsageExitsWithTwo) {
    const char* cases[] = {"",
                           "-x a.mp4",
                           "-c 3 a.mp4",
                           "-b fast a.mp4",
                           "-f mkv a.mp4",
                           "-e mp3 a.mp4",
                           "-s 5 -t 2 a.mp4",
                           "-j 0 a.mp4",
                           "-a 0 a.mp4",
                           "-a all2 a.mp4",
                           "-a all -m a.mp4 b.mp4",
                           "-j two a.mp4",
                           "-j 65 a.mp4",
                           "-j 1e20 a.mp4",  // past int: refused, never converted
                           "-a 1e300 a.mp4",
                           "-r 1e20 a.mp4",
                           "-f copy -e MP3 a.mp4",
                           "--cover-from-video=soon a.mp4",
                           "-m --skip-existing a.mp4",
                           "-f copy --normalize -m a.mp4 b.mp4",
                           "--opus-application talk -f opus a.mp4",
                           "--opus-application voip a.mp4",
                           "--normalize=-3 a.mp4",
                           "--normalize=loud a.mp4",
                           "--true-peak 5 a.mp4",
                           "--loudness a.mp4",
                           "--split-chapters -m a.mp4 b.mp4",
                           "-f COPY --normalize -m a.mp4 b.mp4",
                           "-f Original --normalize=-20 -m a.mp4 b.mp4",
                           "-m -s 1 -t 2 a.mp4 b.mp4",
                           "-b 0.0001k a.mp4",
                           "--replaygain=loud a.mp4",
                           "-o"};
    for (const char* arguments : cases) {
        const CliResult r = Cli(arguments);
        EXPECT_EQ(r.exitCode, 2) << arguments;
        EXPECT_NE(r.output.find("--help"), std::string::npos) << arguments;
    }
    EXPECT_EQ(Cli("--help").exitCode, 0);
    EXPECT_EQ(Cli("--version").exitCode, 0);
}

// The help, the messages and the rules' refusals in each shipped language; the option names,
// the status lines and JSON (for programs) stay as they are.
TEST(Cli, SpeaksTheUsersLanguage) {
    const std::string help = Cli("--help").output;
    const std::string invalid = " " + M("not_media.mp4");
    const std::string refused = "-m -s 1 a.mp4 b.mp4";
    const std::string english = Cli(invalid).output;
    for (const char* language : {"de", "fr", "es", "pt_BR", "zh_CN"}) {
        const std::string translated = Cli("--help", language).output;
        EXPECT_NE(translated, help) << language;
        for (const char* option : {"--output", "--split-silence", "--slice", "--version"}) {
            EXPECT_NE(translated.find(option), std::string::npos) << language << option;
        }
        const CliResult bad = Cli(invalid, language);
        EXPECT_EQ(bad.exitCode, 1);
        EXPECT_EQ(bad.output.find("File:not_media.mp4 is invalid!"), std::string::npos) << language;
        EXPECT_NE(bad.output.find("not_media.mp4"), std::string::npos) << language;
        EXPECT_NE(bad.output.find("Failure\t"), std::string::npos) << language;
        const CliResult refusal = Cli(refused, language);
        EXPECT_EQ(refusal.exitCode, 2);
        EXPECT_EQ(refusal.output.find("a merge takes every file whole"), std::string::npos)
            << language;
        EXPECT_NE(refusal.output.find("tolvane-cli --help"), std::string::npos) << language;
    }
    EXPECT_NE(english.find("File:not_media.mp4 is invalid!"), std::string::npos) << english;

    // The system's own error texts in a status line stay English, as programs read them, even
    // where the C library speaks the user's language (where that language is installed).
    int exitCode = -1;
    const std::string lines = RunCommand(std::string("env LC_ALL=de_DE.UTF-8 LANGUAGE=de ") + kCli +
                                             " -q -f wav -o /tmp /nonexistent/film.mp4",
                                         &exitCode);
    EXPECT_EQ(exitCode, 1);
    EXPECT_NE(lines.find("Failure\t/nonexistent/film.mp4\t-\tNo such file or directory\n"),
              std::string::npos)
        << lines;
}

TEST(Cli, InfoShowsWhatTheFileInformationDialogShows) {
    CliResult r = Cli("--info " + M("audio_only.m4a"));
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_NE(r.output.find("File Name:     audio_only.m4a"), std::string::npos) << r.output;
    EXPECT_NE(r.output.find("Resolution:  \n"), std::string::npos) << r.output;
    EXPECT_NE(r.output.find("Samples:     44100 Hz"), std::string::npos);
    EXPECT_NE(r.output.find("Channel:     2 Channel stereo"), std::string::npos);
    r = Cli("--info " + M("video_only.mp4") + " " + M("empty.mp4"));
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.output.find("Resolution:  320*240"), std::string::npos) << r.output;
    EXPECT_NE(r.output.find("Frame Rate:  25.00 fps"), std::string::npos);
    EXPECT_NE(r.output.find("Samples:     \n"), std::string::npos);
    EXPECT_NE(r.output.find("File:empty.mp4 is invalid!"), std::string::npos);

    // Every sound track, numbered as -a takes them.
    r = Cli("--info " + M("three_audio.mkv"));
    EXPECT_NE(r.output.find("Sound tracks\n  1: eng \u00b7 AAC stereo \u00b7 48 kHz\n"
                            "  2: eng \u00b7 AC-3 5.1 \u00b7 48 kHz \u00b7 Commentary\n"
                            "  3: fra \u00b7 MP2 mono \u00b7 22.05 kHz\n"),
              std::string::npos)
        << r.output;
}

TEST(Cli, AudioTrackPicksTheSoundTrackOfEveryFile) {
    ScratchDir out;
    const std::string dir = out.Path().string();
    CliResult r = Cli("-q -a 2 -f wav -o " + dir + " " + M("three_audio.mkv"));
    ASSERT_EQ(r.exitCode, 0) << r.output;
    EXPECT_NEAR(DecodedSeconds(out.File("three_audio.wav")), 3.0, 0.05) << "the 3 s track";
    // A file without that track is refused before the run; the others convert.
    r = Cli("-q -a 2 -f wav -o " + dir + " " + M("audio_only.m4a") + " " + M("two_audio.mkv"));
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(
        r.output.find("Failure\t" + M("audio_only.m4a") + "\t-\tno sound track 2 (it has 1)\n"),
        std::string::npos)
        << r.output;
    EXPECT_EQ(Ffprobe(out.File("two_audio.wav")).sampleRate, 44100) << "the wav profile's rate";
    EXPECT_NEAR(DecodedSeconds(out.File("two_audio.wav")), 5.0, 0.05);
    EXPECT_FALSE(fs::exists(out.File("audio_only.wav")));

    // Every track, each in a file of its own named with its number and language.
    ScratchDir all;
    const std::string lines =
        RunCommand("(" + std::string(kCli) + " -q -a all -f wav -o " + all.Path().string() + " " +
                   M("three_audio.mkv") + " " + M("two_audio.mkv") + " 2>/dev/null)");
    EXPECT_EQ(std::count(lines.begin(), lines.end(), '\n'), 5) << lines;
    EXPECT_NEAR(DecodedSeconds(all.File("three_audio.1.eng.wav")), 2.0, 0.05);
    EXPECT_NEAR(DecodedSeconds(all.File("three_audio.2.eng.wav")), 3.0, 0.05);
    EXPECT_NEAR(DecodedSeconds(all.File("three_audio.3.fra.wav")), 4.0, 0.05);
    EXPECT_EQ(Ffprobe(all.File("two_audio.1.wav")).codec, "pcm_s16le");
    EXPECT_EQ(Ffprobe(all.File("two_audio.2.wav")).codec, "pcm_s16le");
}

TEST(Cli, CopyKeepsTheOriginalSoundInFilesNamedByTheirCodec) {
    ScratchDir out;
    const std::string dir = out.Path().string();
    CliResult r = Cli("-q -f copy -o " + dir + " " + M("copy_aac.mp4") + " " + M("ac3_51.mkv") +
                      " " + M("copy_pcm.avi"));
    ASSERT_EQ(r.exitCode, 0) << r.output;
    EXPECT_NE(r.output.find("Completed\t" + M("ac3_51.mkv") + "\t" + out.File("ac3_51.ac3")),
              std::string::npos)
        << r.output;
    EXPECT_EQ(Ffprobe(out.File("copy_aac.m4a")).codec, "aac");
    EXPECT_EQ(Ffprobe(out.File("copy_pcm.wav")).codec, "pcm_s16le");
    // "original" says the same; a second run numbers its names, and --skip-existing knows them.
    r = Cli("-q -f original -o " + dir + " " + M("ac3_51.mkv"));
    EXPECT_EQ(r.exitCode, 0) << r.output;
    EXPECT_EQ(Ffprobe(out.File("ac3_51(0).ac3")).channels, 6);
    r = Cli("-q -f copy --skip-existing -o " + dir + " " + M("ac3_51.mkv"));
    EXPECT_NE(r.output.find("Skipped"), std::string::npos) << r.output;

    // A clip, at packet precision.
    r = Cli("-q -f copy -s 1 -t 2 -o " + dir + " " + M("copy_mp3.mkv"));
    ASSERT_EQ(r.exitCode, 0) << r.output;
    EXPECT_NEAR(DecodedSeconds(out.File("copy_mp3.mp3")), 1.0, 0.06);

    // Every track in its own container, named with its number and language.
    ScratchDir all;
    r = Cli("-q -f copy -a all -o " + all.Path().string() + " " + M("three_audio.mkv"));
    ASSERT_EQ(r.exitCode, 0) << r.output;
    EXPECT_NEAR(DecodedSeconds(all.File("three_audio.1.eng.m4a")), 2.0, 0.05);
    EXPECT_NEAR(DecodedSeconds(all.File("three_audio.2.eng.ac3")), 3.0, 0.05);
    EXPECT_NEAR(DecodedSeconds(all.File("three_audio.3.fra.mp2")), 4.0, 0.05);

    // Encoder settings do not go with a copy.
    r = Cli("-f copy -b 128k -o " + dir + " " + M("ac3_51.mkv"));
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.output.find("-f copy keeps the original sound"), std::string::npos) << r.output;
}

TEST(Cli, CopyMergeRefusesUnlikeSoundAndJoinsLikeSound) {
    ScratchDir out;
    const std::string dir = out.Path().string();
    CliResult r = Cli("-q -m -f copy -o " + dir + " " + M("merge_ac3_1.mkv") + " " +
                      M("copy_aac.mp4") + " " + M("merge_ac3_2.mkv"));
    // Refused before the start, as the window refuses it, naming the file that differs.
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.output.find("tolvane-cli: the sound tracks cannot be merged without re-encoding: "
                            "copy_aac.mp4 has AAC"),
              std::string::npos)
        << r.output;
    EXPECT_TRUE(fs::is_empty(out.Path()));
    r = Cli("-q -m -f copy -o " + dir + " " + M("merge_ac3_1.mkv") + " " + M("merge_ac3_2.mkv"));
    ASSERT_EQ(r.exitCode, 0) << r.output;
    EXPECT_NEAR(DecodedSeconds(out.File("merge_ac3_1.ac3")), 3.0, 0.05);
}

TEST(Cli, CoverFromTheVideo) {
    ScratchDir out;
    const std::string dir = out.Path().string();
    const CliResult r = Cli("-q --cover-from-video=0:01 -o " + dir + " " + M("copy_ac3.mkv"));
    ASSERT_EQ(r.exitCode, 0) << r.output;
    EXPECT_EQ(RunCommand("ffprobe -v error -select_streams v -show_entries "
                         "stream=codec_name:stream_disposition=attached_pic -of csv=p=0 '" +
                         out.File("copy_ac3.mp3") + "'"),
              "mjpeg,1\n");
}

// The part file the output `path` is being written as, empty while there is none.
std::string PartFileOfOutput(const std::string& path) {
    std::error_code ignored;
    const fs::path folder = fs::path(path).parent_path();
    for (const auto& entry : fs::directory_iterator(folder, ignored)) {
        if (IsPartFileOf(entry.path().filename().string(), path)) {
            return entry.path().string();
        }
    }
    return {};
}

// Runs tolvane-cli with `arguments` (its messages into `messages`), once the part file of the
// output `watched` holds `bytes` runs `meanwhile` and sends `signal` (0: none), and returns how
// it ended (the wait status).
int RunCliAndSignal(const std::vector<std::string>& arguments, const std::string& messages,
                    const std::string& watched, int signal, std::uintmax_t bytes = 200000,
                    const std::function<void()>& meanwhile = {}) {
    const pid_t pid = ::fork();
    if (pid < 0) {
        return -1;
    }
    if (pid == 0) {
        if (std::freopen(messages.c_str(), "w", stderr) == nullptr) {
            ::_exit(126);
        }
        std::vector<char*> argv{const_cast<char*>(kCli)};
        for (const std::string& argument : arguments) {
            argv.push_back(const_cast<char*>(argument.c_str()));
        }
        argv.push_back(nullptr);
        ::execv(kCli, argv.data());
        ::_exit(127);
    }
    std::error_code ignored;
    for (int i = 0; i < 5000; ++i) {
        const std::string part = PartFileOfOutput(watched);
        if (!part.empty() && fs::file_size(part, ignored) >= bytes &&
            fs::file_size(part, ignored) != static_cast<std::uintmax_t>(-1)) {
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    if (meanwhile) {
        meanwhile();
    }
    if (signal != 0) {
        ::kill(pid, signal);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return status;
}

// Ctrl-C, termination and a closed terminal all finish the current file as a playable file.
class CliSignal : public ::testing::TestWithParam<int> {};

TEST_P(CliSignal, FinishesTheCurrentFileAsPlayable) {
    ScratchDir out;
    const std::string dir = out.Path().string();
    const std::string source = M("long_60.m4a");
    const std::string messages = out.File("stderr.txt");
    const std::string first = out.File("long_60.wav");
    const int status = RunCliAndSignal({"-q", "-j", "1", "-f", "wav", "-o", dir, source, source},
                                       messages, first, GetParam());
    ASSERT_TRUE(WIFEXITED(status)) << "killed by the signal";
    EXPECT_EQ(WEXITSTATUS(status), 1);
    const double length = Ffprobe(first).duration;
    EXPECT_GT(length, 1.0);
    EXPECT_LT(length, 60.0);
    EXPECT_FALSE(fs::exists(out.File("long_60(0).wav")));
    EXPECT_NE(
        ReadFile(messages).find("closing the current file; it holds what was converted so far"),
        std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Signals, CliSignal, ::testing::Values(SIGINT, SIGTERM, SIGHUP));

// Six files three at a time: every file right, one line (or JSON object) per input as each
// finishes, and a second run with --skip-existing that does nothing.
TEST(Cli, FilesAtOnceJsonAndSkipExisting) {
    ScratchDir out;
    const std::string inputs = " " + M("odd_5.72.mp4") + " " + M("not_media.mp4") + " " +
                               M("odd_44.65.ogg") + " " + M("audio_only.m4a") + " " +
                               M("odd_0.9.webm") + " " + M("ac3_51.mkv");
    const std::string common = std::string(kCli) + " -q -f wav -o " + out.File("o") + inputs;
    int exitCode = 0;
    const std::string lines = RunCommand("(" + common + " -j 3 2>/dev/null)", &exitCode);
    EXPECT_EQ(exitCode, 1) << lines;
    EXPECT_EQ(std::count(lines.begin(), lines.end(), '\n'), 6) << lines;
    EXPECT_NE(
        lines.find("Failure\t" + M("not_media.mp4") + "\t-\tnot a media file that can be read\n"),
        std::string::npos);
    for (const char* name :
         {"odd_5.72.mp4", "odd_44.65.ogg", "audio_only.m4a", "odd_0.9.webm", "ac3_51.mkv"}) {
        const std::string wav = out.File("o/" + fs::path(name).stem().string() + ".wav");
        EXPECT_NE(lines.find("Completed\t" + M(name) + "\t" + wav + "\n"), std::string::npos)
            << name << lines;
        EXPECT_NEAR(DecodedSeconds(wav), DecodedSeconds(M(name)), 0.03) << name;
    }

    // Again, for programs: every object parses and nothing new is made.
    const auto before = std::distance(fs::directory_iterator(out.File("o")), {});
    const std::string json = out.File("again.json");
    RunCommand("(" + common + " --json --skip-existing > " + json + " 2>/dev/null)", &exitCode);
    EXPECT_EQ(exitCode, 1) << "the file that is not media still fails";
    EXPECT_EQ(std::distance(fs::directory_iterator(out.File("o")), {}), before);
    const std::string objects = ReadFile(json);
    EXPECT_EQ(std::count(objects.begin(), objects.end(), '\n'), 6) << objects;
    int parsed = 0;
    const std::string checked = RunCommand(
        "while IFS= read -r line; do printf '%s' \"$line\" | python3 -c "
        "'import json,sys; o=json.load(sys.stdin); print(o[\"status\"], "
        "o[\"output\"] is not None, o[\"failure\"] is not None, "
        "o[\"sound_seconds\"], o[\"wall_seconds\"])'; done < " +
            json,
        &parsed);
    EXPECT_EQ(parsed, 0) << checked;
    EXPECT_EQ(std::count(checked.begin(), checked.end(), '\n'), 6) << checked;
    EXPECT_EQ(checked.find("converted"), std::string::npos) << checked;
    EXPECT_NE(checked.find("failed False True 0.0 0.0\n"), std::string::npos) << checked;
    const auto skipped = [&checked] {
        std::size_t n = 0;
        for (std::size_t at = checked.find("skipped True False"); at != std::string::npos;
             at = checked.find("skipped True False", at + 1)) {
            ++n;
        }
        return n;
    };
    EXPECT_EQ(skipped(), 5U) << checked;

    // A new file converts, reported with its sound.
    const std::string fresh = RunCommand("(" + std::string(kCli) + " -q --json -f wav -o " +
                                         out.File("o") + " " + M("short_1s.mp4") + " 2>/dev/null)");
    EXPECT_NE(fresh.find("\"status\": \"converted\""), std::string::npos) << fresh;
    EXPECT_NE(fresh.find("\"sound_seconds\": 1.0"), std::string::npos) << fresh;
    EXPECT_NE(fresh.find("\"failure\": null"), std::string::npos) << fresh;
}

// An interrupted run with --skip-existing leaves no file cut short, so the next run makes both.
TEST(Cli, SkipExistingAfterAnInterruptMakesTheRestWhole) {
    ScratchDir out;
    const std::string a = out.File("a.m4a");
    const std::string b = out.File("b.m4a");
    fs::copy_file(Media("long_60.m4a"), a);
    fs::copy_file(Media("long_60.m4a"), b);
    const std::string messages = out.File("stderr.txt");
    const std::string o = out.File("o");
    const std::string first = out.File("o/a.wav");
    const int status = RunCliAndSignal(
        {"-q", "-j", "2", "--skip-existing", "-f", "wav", "-o", o, a, b}, messages, first, SIGINT);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_NE(ReadFile(messages).find("a file cut short is removed"), std::string::npos);
    EXPECT_FALSE(fs::exists(first)) << "cut short";

    const CliResult again = Cli("-q --skip-existing -f wav -o " + o + " " + a + " " + b);
    EXPECT_EQ(again.exitCode, 0) << again.output;
    for (const char* name : {"o/a.wav", "o/b.wav"}) {
        EXPECT_NEAR(DecodedSeconds(out.File(name)), 60.0, 0.05) << name;
    }
    EXPECT_FALSE(fs::exists(out.File("o/a(0).wav")));
}

// A hard kill (or a crash, a power cut) leaves only hidden part files: nothing under an output's
// name that does not decode, and a run started again makes every output whole and removes what
// the killed one left.
TEST(Cli, AHardKillLeavesNoFileThatLooksFinished) {
    struct Case {
        std::vector<std::string> options;
        const char* watched;  // the part file to wait for
        std::uintmax_t bytes;
        std::vector<const char*> outputs;
        bool merge;
    };
    const Case cases[] = {
        {{"-f", "mp3"}, "a.mp3", 20000, {"a.mp3"}, false},
        {{"-j", "2", "-f", "wav"}, "a.wav", 200000, {"a.wav", "b.wav"}, false},
        {{"-m", "-f", "wav"}, "a.wav", 200000, {"a.wav"}, true},
        {{"-f", "copy"}, "a.m4a", 1, {"a.m4a"}, false},
    };
    for (const Case& c : cases) {
        ScratchDir out;
        const std::string a = out.File("a.m4a");
        const std::string b = out.File("b.m4a");
        fs::copy_file(Media("long_60.m4a"), a);
        fs::copy_file(Media("long_60.m4a"), b);
        const std::string o = out.File("o");
        std::vector<std::string> arguments{"-q", "-o", o};
        arguments.insert(arguments.end(), c.options.begin(), c.options.end());
        arguments.push_back(a);
        if (c.outputs.size() > 1 || c.merge) {
            arguments.push_back(b);
        }
        const std::string label = c.options.back();
        const int status = RunCliAndSignal(arguments, out.File("stderr.txt"),
                                           out.File("o/") + c.watched, SIGKILL, c.bytes);
        EXPECT_TRUE(WIFSIGNALED(status)) << label;
        for (const auto& entry : fs::directory_iterator(o)) {
            const std::string name = entry.path().filename().string();
            if (IsPartFileName(name)) {
                continue;
            }
            int decoded = 0;
            RunCommand(
                "ffmpeg -nostdin -v error -xerror -i '" + entry.path().string() + "' -f null -",
                &decoded);
            EXPECT_EQ(decoded, 0) << label << ": " << name << " is there but not whole";
        }
        // Started again: a merge makes its file anew, a batch the files that are missing.
        std::string again = std::string(kCli) + " -q" + (c.merge ? "" : " --skip-existing");
        for (std::size_t i = 1; i < arguments.size(); ++i) {
            again += " " + arguments[i];
        }
        int exitCode = 0;
        const std::string output = RunCommand(again, &exitCode);
        EXPECT_EQ(exitCode, 0) << label << ": " << output;
        for (const char* name : c.outputs) {
            EXPECT_NEAR(DecodedSeconds(out.File("o/") + name), c.merge ? 120.0 : 60.0, 0.1)
                << label << ": " << name;
        }
        for (const auto& entry : fs::directory_iterator(o)) {
            EXPECT_FALSE(IsPartFileName(entry.path().filename().string()))
                << label << ": " << entry.path() << " was left";
        }
    }
}

// A careful user's bad day: every way a run can end early says so truthfully, and leaves no
// part file under an output's name.
TEST(Cli, BadDaysEndTruthfully) {
    ScratchDir out;
    const std::string source = M("long_60.m4a");
    // A closed pipe and a file size limit: write errors where they happen, not a killed process.
    int exitCode = 0;
    RunCommand("(" + std::string(kCli) + " -q -f wav -o " + out.File("pipe") + " " + source + " " +
                   source + " | head -c 1 > /dev/null)",
               &exitCode);
    RunCommand("(ulimit -f 512; " + std::string(kCli) + " -q -f wav -o " + out.File("limit") + " " +
                   source + " > " + out.File("limit.txt") + " 2>&1; echo $? >> " +
                   out.File("limit.txt") + ")",
               &exitCode);
    const std::string limited = ReadFile(out.File("limit.txt"));
    EXPECT_NE(limited.find("Failure\t" + source +
                           "\t-\tcannot encode or write the sound: " + AvErrorText(AVERROR(EFBIG))),
              std::string::npos)
        << limited;
    EXPECT_NE(limited.find("\n1\n"), std::string::npos) << limited;
    for (const char* folder : {"pipe", "limit"}) {
        for (const auto& entry : fs::directory_iterator(out.File(folder))) {
            const std::string name = entry.path().filename().string();
            EXPECT_FALSE(IsPartFileName(name)) << folder << ": " << name;
            EXPECT_NEAR(DecodedSeconds(entry.path().string()), 60.0, 0.05) << name;
        }
    }

    // Status lines that cannot be written are no success; a refused file is said once.
    RunCommand("(" + std::string(kCli) + " -q -f wav -o " + out.File("full") + " " +
                   M("short_1s.mp4") + " > /dev/full)",
               &exitCode);
    EXPECT_EQ(exitCode, 1) << "status lines to a full device";
    const std::string refused =
        RunCommand("(" + std::string(kCli) + " -q --json -o " + out.File("full") + " " +
                   M("not_media.mp4") + " 2>&1 >/dev/null)");
    EXPECT_EQ(refused, "File:not_media.mp4 is invalid!\n");
    // A name that is not UTF-8 comes as its exact bytes too.
    const std::string odd = out.File("caf\xe9.m4a");
    fs::copy_file(M("short_audio_1s.m4a"), odd);
    const CliResult named = Cli("-q --json -f wav -o " + out.File("odd") + " '" + odd + "'");
    EXPECT_NE(named.output.find("\"output_bytes\": \"" + out.File("odd") + "/caf\\\\xe9.wav\""),
              std::string::npos)
        << named.output;

    // The output folder deleted during the run: the file cannot be finished, and says so.
    const std::string gone = out.File("gone");
    const int status =
        RunCliAndSignal({"-q", "-f", "wav", "-o", gone, source}, out.File("gone.txt"),
                        gone + "/long_60.wav", 0, 200000, [&gone] { fs::remove_all(gone); });
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);

    // Numbers out of range are bad usage before anything runs.
    for (const char* bad : {"-b 3000000k", "-b 1e12k", "-b nank", "-b infk", "-s nan", "-t 1e300",
                            "-s 99999999999:00"}) {
        const CliResult r = Cli(std::string(bad) + " -o " + out.File("bad") + " " + source);
        EXPECT_EQ(r.exitCode, 2) << bad << ": " << r.output;
    }
    EXPECT_FALSE(fs::exists(out.File("bad")));

    // A download preallocated with zeros is no media, found out without reading it through.
    const std::string zeros = out.File("zeros.mp3");
    std::ofstream(zeros).close();
    fs::resize_file(zeros, 4ULL << 30);  // sparse: 4 GiB of zeros
    const std::string measured = RunCommand(
        "/usr/bin/time -f 'peak %M' " + std::string(kCli) + " -q -o " + out.File("z") + " " + zeros,
        &exitCode);
    EXPECT_EQ(exitCode, 1) << measured;
    EXPECT_NE(measured.find("Failure\t" + zeros + "\t-\tnot a media file that can be read"),
              std::string::npos)
        << measured;
    const std::size_t peak = measured.rfind("peak ");
    ASSERT_NE(peak, std::string::npos) << measured;
#if !defined(__SANITIZE_ADDRESS__) && !defined(__SANITIZE_THREAD__)
    // (A sanitizer's own shadow memory would be counted too.)
    EXPECT_LT(std::stol(measured.substr(peak + 5)), 200 * 1000) << "kB";
#endif
}

// Inputs of one name: within a run, names go in input order and no input takes another's
// output for its own; with --skip-existing the run is refused unless --keep-folders gives each
// folder its own.
TEST(Cli, InputsOfOneNameKeepTheirOwnOutputs) {
    ScratchDir out;
    fs::create_directories(out.File("d1"));
    fs::create_directories(out.File("d2"));
    const std::string one = out.File("d1/talk.m4a");
    const std::string two = out.File("d2/talk.m4a");
    fs::copy_file(Media("audio_only.m4a"), one);
    fs::copy_file(Media("short_audio_1s.m4a"), two);
    const std::string plain = out.File("plain");
    CliResult r = Cli("-q -j 2 -f wav -o " + plain + " " + one + " " + two);
    ASSERT_EQ(r.exitCode, 0) << r.output;
    EXPECT_NEAR(DecodedSeconds(plain + "/talk.wav"), 5.0, 0.05) << "the first input's";
    EXPECT_NEAR(DecodedSeconds(plain + "/talk(0).wav"), 1.0, 0.05) << "the second input's";

    const std::string kept = out.File("kept");
    r = Cli("-q --skip-existing -f wav -o " + kept + " " + one + " " + two);
    EXPECT_EQ(r.exitCode, 2) << r.output;
    EXPECT_NE(r.output.find(one + " and " + two + " would both write " + kept + "/talk.wav"),
              std::string::npos)
        << r.output;
    EXPECT_FALSE(fs::exists(kept + "/talk.wav"));
    for (int run = 0; run < 2; ++run) {
        r = Cli("-q --skip-existing --keep-folders -f wav -o " + kept + " " + one + " " + two);
        EXPECT_EQ(r.exitCode, 0) << r.output;
        EXPECT_NE(r.output.find(run == 0 ? "Completed" : "Skipped"), std::string::npos);
    }
    EXPECT_NEAR(DecodedSeconds(kept + "/d1/talk.wav"), 5.0, 0.05);
    EXPECT_NEAR(DecodedSeconds(kept + "/d2/talk.wav"), 1.0, 0.05);

    // An MP3 converted to MP3 in its own folder is not its own output.
    const std::string mp3 = out.File("song.mp3");
    RunCommand("ffmpeg -nostdin -v error -f lavfi -i sine=d=1 " + mp3);
    r = Cli("-q --skip-existing -f mp3 -o " + out.Path().string() + " " + mp3);
    EXPECT_EQ(r.exitCode, 1) << r.output;
    EXPECT_NE(r.output.find("Failure\t" + mp3 + "\t-\tits output would be the source itself"),
              std::string::npos)
        << r.output;
}

TEST(Cli, PipesDevicesAndFoldersAreRefusedAtOnce) {
    ScratchDir out;
    const std::string fifo = out.File("pipe.mp4");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    // A pipe with no writer: opening it would wait for ever.
    const CliResult r = Cli("-q -o " + out.File("o") + " " + fifo + " /dev/zero " +
                            out.Path().string() + " " + M("short_1s.mp4"));
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.output.find("File:pipe.mp4 is refused: it is not a regular file"),
              std::string::npos)
        << r.output;
    EXPECT_NE(r.output.find("is refused: it is a folder"), std::string::npos);
    EXPECT_TRUE(fs::exists(out.File("o/short_1s.mp3")));
    EXPECT_EQ(Cli("--info " + fifo).exitCode, 1);
}

TEST(Cli, EveryInputHasOneTruthfulStatusLine) {
    ScratchDir out;
    // Names with a backslash, a tab and a newline: legal on Linux.
    const std::string odd = out.File("back\\slash\tand\nline.mp4");
    fs::copy_file(Media("short_1s.mp4"), odd);
    // Only the status lines and the exit status (the helper joins the error stream).
    const std::string command =
        "(" + std::string(kCli) + " -q -o " + out.File("o") + " '" + odd + "' " +
        M("not_media.mp4") + " " + M("short_1s.mp4") +
        " 2>/dev/null; echo \"exit $?\") | grep -E '^(Completed|Failure|Stopped)\t|^exit'";
    const std::string lines = RunCommand(command);
    EXPECT_NE(lines.find("exit 1\n"), std::string::npos) << lines;
    EXPECT_EQ(std::count(lines.begin(), lines.end(), '\n'), 4) << lines;
    EXPECT_TRUE(fs::exists(out.File("o/back\\slash\tand\nline.mp3"))) << "only / separates";
    const std::string escapedOdd = "back\\\\slash\\tand\\nline";
    EXPECT_NE(lines.find("Completed\t" + out.File("") + escapedOdd + ".mp4\t" + out.File("o/") +
                         escapedOdd + ".mp3\n"),
              std::string::npos)
        << lines;
    EXPECT_NE(
        lines.find("Failure\t" + M("not_media.mp4") + "\t-\tnot a media file that can be read\n"),
        std::string::npos)
        << lines;
    EXPECT_NE(lines.find("Completed\t" + M("short_1s.mp4")), std::string::npos) << lines;
}

TEST(Cli, EncoderAndContainerThatCannotGoTogetherStopBeforeAnythingIsMade) {
    ScratchDir out;
    for (const char* arguments : {"-f mp3 -e AMR_NB", "-f mp3 -r 1", "-f mp3 -c 6"}) {
        const CliResult r =
            Cli(std::string(arguments) + " -o " + out.File("never") + " " + M("short_1s.mp4"));
        EXPECT_EQ(r.exitCode, 2) << arguments << r.output;
        EXPECT_NE(r.output.find(" into mp3"), std::string::npos) << arguments << r.output;
        EXPECT_FALSE(fs::exists(out.File("never"))) << "not even the folder";
    }
}

// The names of the files in `folder` (not in its folders), sorted.
std::vector<std::string> FileNames(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        if (entry.is_regular_file()) {
            names.push_back(entry.path().filename().string());
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string ReadWhole(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// A job written with --write-job and run with --job makes what the direct run makes: the same
// names, the same samples; slices of it on two "machines" make every file once; a job that
// cannot be run says why and changes nothing.
TEST(Cli, JobFilesRunAsTheDirectRunDoes) {
    ScratchDir out;
    const std::string two = M("h264_aac.mp4") + " " + M("audio_only.m4a");
    const std::vector<std::pair<std::string, std::string>> runs = {
        {"split", "--split-chapters -f wav " + M("chapters3.mkv")},
        {"merge", "-m -f wav " + two},
        {"clips", "-s 0.5 -t 1.5 -f ogg " + two + " " + M("mpeg4_mp3.avi")},
    };
    for (const auto& [name, options] : runs) {
        const std::string direct = out.File(name + "-direct");
        const std::string viaJob = out.File(name + "-job");
        const std::string job = out.File(name + ".tolvane-job");
        CliResult r = Cli("-q -o " + direct + " " + options);
        ASSERT_EQ(r.exitCode, 0) << name << r.output;
        r = Cli("-q --write-job " + job + " -o /nonexistent/place " + options);
        ASSERT_EQ(r.exitCode, 0) << name << r.output;
        EXPECT_FALSE(fs::exists("/nonexistent/place")) << "--write-job runs nothing";
        r = Cli("-q --job " + job + " -o " + viaJob);
        ASSERT_EQ(r.exitCode, 0) << name << r.output;
        const std::vector<std::string> names = FileNames(direct);
        ASSERT_EQ(FileNames(viaJob), names) << name;
        EXPECT_EQ(names.size(), name == "merge" ? 1U : 3U) << name;
        for (const std::string& file : names) {
            EXPECT_EQ(DecodedSamples(direct + "/" + file), DecodedSamples(viaJob + "/" + file))
                << name << ": " << file;
        }
    }

    // Two slices into one folder: every file once, none numbered.
    const std::string job = out.File("clips.tolvane-job");
    const std::string shared = out.File("shared");
    for (const char* slice : {"2/2", "1/2"}) {
        const CliResult r = Cli(std::string("-q --slice ") + slice + " --job " + job + " -o " +
                                shared + " --skip-existing");
        EXPECT_EQ(r.exitCode, 0) << slice << r.output;
        EXPECT_EQ(std::count(r.output.begin(), r.output.end(), '\n'), slice[0] == '1' ? 2 : 1)
            << slice << r.output;
    }
    EXPECT_EQ(FileNames(shared), FileNames(out.File("clips-direct")));

    // A newer version, a truncated file and a job naming a file that is gone.
    std::string text = ReadWhole(job);
    const std::string newer = out.File("newer.tolvane-job");
    std::ofstream(newer) << std::string(text).replace(text.find("\"version\": 2"), 12,
                                                      "\"version\": 7");
    CliResult r = Cli("-q --job " + newer + " -o " + out.File("none"));
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.output.find("version 7, written by a newer Tolvane"), std::string::npos)
        << r.output;
    const std::string truncated = out.File("truncated.tolvane-job");
    std::ofstream(truncated) << text.substr(0, text.size() / 2);
    r = Cli("-q --job " + truncated + " -o " + out.File("none"));
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.output.find("not a whole job file"), std::string::npos) << r.output;
    EXPECT_FALSE(fs::exists(out.File("none")));
    fs::copy_file(M("audio_only.m4a"), out.File("gone.m4a"));
    r = Cli("-q --write-job " + out.File("gone.tolvane-job") + " -f wav " + out.File("gone.m4a") +
            " " + M("h264_aac.mp4"));
    ASSERT_EQ(r.exitCode, 0) << r.output;
    fs::remove(out.File("gone.m4a"));
    const std::string before = ReadWhole(out.File("gone.tolvane-job"));
    r = Cli("-q --job " + out.File("gone.tolvane-job") + " -o " + out.File("rest"));
    EXPECT_EQ(r.exitCode, 1) << r.output;
    EXPECT_NE(r.output.find("Failure\t" + out.File("gone.m4a")), std::string::npos) << r.output;
    EXPECT_EQ(FileNames(out.File("rest")), std::vector<std::string>{"h264_aac.wav"});
    EXPECT_EQ(ReadWhole(out.File("gone.tolvane-job")), before) << "a job is never rewritten";
}

// --slice auto takes K and N from the scheduler that started the run, and only from one.
TEST(CliArguments, SliceAutoReadsTheSchedulersEnvironment) {
    struct Case {
        std::map<std::string, std::string> environment;
        std::optional<int> given;
        int number;  // 0: refused
        int count;
    };
    const std::vector<Case> cases = {
        {{{"SLURM_ARRAY_TASK_ID", "2"}, {"SLURM_ARRAY_TASK_COUNT", "3"}}, {}, 2, 3},
        // --array=0-2, and --array=10-14:2 (tasks 10, 12, 14)
        {{{"SLURM_ARRAY_TASK_ID", "0"},
          {"SLURM_ARRAY_TASK_MIN", "0"},
          {"SLURM_ARRAY_TASK_MAX", "2"}},
         {},
         1,
         3},
        {{{"SLURM_ARRAY_TASK_ID", "14"},
          {"SLURM_ARRAY_TASK_MIN", "10"},
          {"SLURM_ARRAY_TASK_MAX", "14"},
          {"SLURM_ARRAY_TASK_STEP", "2"}},
         {},
         3,
         3},
        {{{"SLURM_ARRAY_TASK_ID", "2"}, {"SLURM_ARRAY_TASK_COUNT", "3"}}, 4, 0, 0},
        {{{"SLURM_ARRAY_TASK_ID", "2"}}, {}, 0, 0},
        {{{"JOB_COMPLETION_INDEX", "0"}}, 4, 1, 4},
        {{{"JOB_COMPLETION_INDEX", "4"}}, 4, 0, 0},
        {{{"JOB_COMPLETION_INDEX", "0"}}, {}, 0, 0},
        {{{"PARALLEL_SEQ", "3"}}, 3, 3, 3},
        {{{"PARALLEL_SEQ", "3"}}, {}, 0, 0},
        {{{"SLURM_ARRAY_TASK_ID", "x"}}, 2, 0, 0},
        {{}, 3, 0, 0},
    };
    for (const Case& c : cases) {
        const auto get = [&c](const char* name) -> const char* {
            const auto found = c.environment.find(name);
            return found == c.environment.end() ? nullptr : found->second.c_str();
        };
        int number = 0;
        int count = 0;
        const std::string why = SliceFromEnvironment(c.given, get, number, count);
        std::string said;
        for (const auto& [name, value] : c.environment) {
            said += name + "=" + value + " ";
        }
        if (c.number == 0) {
            EXPECT_NE(why, "") << said;
        } else {
            EXPECT_EQ(why, "") << said;
            EXPECT_EQ(number, c.number) << said;
            EXPECT_EQ(count, c.count) << said;
        }
    }
    CliParse parse = ParseCliArguments({"--job", "j", "--slice", "auto/3"});
    ASSERT_EQ(parse.error, "");
    EXPECT_TRUE(parse.options.sliceAuto);
    EXPECT_EQ(parse.options.sliceAutoCount, 3);
    EXPECT_NE(ParseCliArguments({"--job", "j", "--slice", "auto/0"}).error, "");
    EXPECT_NE(ParseCliArguments({"--check", "a.mp4"}).error, "") << "--check needs a job";
}

// A job's relative paths are relative to its folder, whatever folder the run starts in (a file
// of version 1 keeps its meaning: relative to the run's folder); --write-job writes the paths
// below its folder relative to it; a merge is never sliced; --check says what is made.
TEST(Cli, AJobsPathsAreItsFoldersAndCheckSaysWhatIsMade) {
    ScratchDir out;
    const std::string tree = out.File("tree");
    fs::create_directories(tree + "/sub");
    fs::copy_file(M("short_1s.mp4"), tree + "/a.mp4");
    fs::copy_file(M("audio_only.m4a"), tree + "/sub/b.m4a");
    const std::string job = tree + "/the.tolvane-job";
    int exitCode = -1;
    std::string lines = RunCommand("cd '" + tree + "' && " + kCli +
                                       " -q -f wav -o ../audio --write-job the.tolvane-job a.mp4 " +
                                       "sub/b.m4a " + M("h264_aac.mp4"),
                                   &exitCode);
    ASSERT_EQ(exitCode, 0) << lines;
    const std::string text = ReadWhole(job);
    EXPECT_NE(text.find("\"version\": 2"), std::string::npos);
    EXPECT_NE(text.find("\"source\": \"sub/b.m4a\""), std::string::npos) << text;
    EXPECT_NE(text.find("\"source\": \"" + M("h264_aac.mp4") + "\""), std::string::npos)
        << "outside its folder: absolute";
    EXPECT_NE(text.find("\"outputFolder\": \"" + out.File("audio") + "\""), std::string::npos)
        << text;

    // Before the run: all missing (exit 1); a run from another folder; then all made.
    CliResult r = Cli("--job " + job + " --check");
    EXPECT_EQ(r.exitCode, 1) << r.output;
    EXPECT_NE(r.output.find("Missing\t" + tree + "/sub/b.m4a\t" + out.File("audio/b.wav")),
              std::string::npos)
        << r.output;
    EXPECT_NE(r.output.find("0 made, 3 missing, 0 failed"), std::string::npos) << r.output;
    EXPECT_FALSE(fs::exists(out.File("audio"))) << "--check makes nothing";
    lines = RunCommand("cd / && " + std::string(kCli) + " -q --job '" + job + "'", &exitCode);
    EXPECT_EQ(exitCode, 0) << lines;
    EXPECT_EQ(FileNames(out.File("audio")),
              (std::vector<std::string>{"a.wav", "b.wav", "h264_aac.wav"}));
    r = Cli("--job " + job + " --check");
    EXPECT_EQ(r.exitCode, 0) << r.output;
    EXPECT_NE(r.output.find("Made\t" + tree + "/a.mp4\t" + out.File("audio/a.wav")),
              std::string::npos)
        << r.output;
    // A row whose file is gone cannot be made (again): it fails, with the reason.
    fs::remove(tree + "/a.mp4");
    r = Cli("--job " + job + " --check");
    EXPECT_EQ(r.exitCode, 1) << r.output;
    EXPECT_NE(r.output.find("Failed\t" + tree + "/a.mp4\t-\t"), std::string::npos) << r.output;

    // Version 1: relative to the folder the run starts in.
    std::string old = text;
    old.replace(old.find("\"version\": 2"), 12, "\"version\": 1");
    std::ofstream(out.File("old.tolvane-job")) << old;
    JobRead read = ReadJobFile(out.File("old.tolvane-job"));
    ASSERT_TRUE(read.job) << read.error;
    EXPECT_EQ(read.job->rows[1].source, "sub/b.m4a");
    read = ReadJobFile(job);
    ASSERT_TRUE(read.job) << read.error;
    EXPECT_EQ(read.job->rows[1].source, tree + "/sub/b.m4a");

    // A merge is one file: never in slices.
    r = Cli("-q --job " + job + " --merge --slice 1/2 -o " + out.File("merged"));
    EXPECT_EQ(r.exitCode, 2) << r.output;
    EXPECT_NE(r.output.find("cannot be run in slices"), std::string::npos) << r.output;
    r = Cli("-q --job " + job + " --slice auto -o " + out.File("auto"));
    EXPECT_EQ(r.exitCode, 2) << r.output;
    EXPECT_NE(r.output.find("--slice auto runs under a scheduler"), std::string::npos) << r.output;
}

// --write-job writes a new file or replaces a job file, and nothing else: a video, a symbolic
// link (even to a job), a device and a folder are refused with exit 2 and left as they were.
TEST(Cli, AJobIsWrittenOnlyToANewFileOrOverAJob) {
    ScratchDir out;
    const std::string video = out.File("first.mp4");
    fs::copy_file(M("h264_aac.mp4"), video);
    const std::string videoBytes = ReadWhole(video);
    const std::string job = out.File("kept.tolvane-job");
    CliResult r = Cli("-q -f ogg --write-job " + job + " " + M("audio_only.m4a"));
    ASSERT_EQ(r.exitCode, 0) << r.output;
    const std::string jobBytes = ReadWhole(job);
    const std::string link = out.File("link.tolvane-job");
    fs::create_symlink(job, link);
    fs::create_directory(out.File("folder.tolvane-job"));
    for (const std::string& target :
         {video, link, std::string("/dev/null"), out.File("folder.tolvane-job")}) {
        r = Cli("-q -f ogg --write-job " + target + " " + M("h264_aac.mp4"));
        EXPECT_EQ(r.exitCode, 2) << target << r.output;
        EXPECT_NE(r.output.find("cannot write the job " + target), std::string::npos) << r.output;
    }
    EXPECT_EQ(ReadWhole(video), videoBytes) << "the video is untouched";
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadWhole(job), jobBytes) << "nor the job behind the link";
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
    // A job file is replaced whole; a new name is written.
    r = Cli("-q -f wav --write-job " + job + " " + M("h264_aac.mp4"));
    EXPECT_EQ(r.exitCode, 0) << r.output;
    EXPECT_NE(ReadWhole(job).find("h264_aac.mp4"), std::string::npos);
    r = Cli("-q -f wav --write-job " + out.File("new.tolvane-job") + " " + M("h264_aac.mp4"));
    EXPECT_EQ(r.exitCode, 0) << r.output;
    EXPECT_EQ(FileNames(out.Path().string()),
              (std::vector<std::string>{"first.mp4", "kept.tolvane-job", "link.tolvane-job",
                                        "new.tolvane-job"}))
        << "no temporary file is left";
}

// Every option given beside --job is applied to the job or refused with the reason: none is
// passed over. A bit rate, a rate or channels refine the job's own format.
TEST(CliArguments, EveryOptionBesideAJobIsAppliedOrRefused) {
    CliOptions oggOptions;
    oggOptions.format = "ogg";
    std::string error;
    const CliProfile ogg = ResolveCliProfile(oggOptions, error);
    ASSERT_EQ(error, "");
    JobDocument base;
    base.settings.formatEntry = ogg.entryText;
    base.settings.profile = ogg.settings;
    base.settings.outputFolder = "/music";
    // Two rows: a merge of them is a run the planner takes, so --merge must be applied.
    base.rows.push_back(tolvane::WholeRow("/videos/a.mp4", 10.0));
    base.rows.push_back(tolvane::WholeRow("/videos/b.mp4", 10.0));
    // A value for each option that takes one, unlike the job's own.
    const std::map<std::string, std::string> values = {{"output", "/elsewhere"},
                                                       {"format", "wav"},
                                                       {"encoder", "FLAC"},
                                                       {"bitrate", "192k"},
                                                       {"rate", "22050"},
                                                       {"channels", "1"},
                                                       {"start", "1"},
                                                       {"end", "2"},
                                                       {"jobs", "3"},
                                                       {"audio-track", "2"},
                                                       {"split-at", "list"},
                                                       {"split-every", "60"},
                                                       {"true-peak", "-2"},
                                                       {"write-job", "x.json"},
                                                       {"job", "other.tolvane-job"},
                                                       {"slice", "1/2"},
                                                       {"opus-application", "voip"},
                                                       {"tempo", "1.5"},
                                                       {"fade-in", "1"},
                                                       {"fade-out", "2"},
                                                       {"crossfade", "3"}};
    // What only says how the run reports, which rows it takes, which job it is, or that it
    // only checks the job.
    const std::set<std::string> presentation = {"quiet", "json", "help", "version",
                                                "slice", "job",  "check"};
    for (const std::string& name : CliOptionNames()) {
        std::vector<std::string> arguments = {"--job", "kept.tolvane-job", "--" + name};
        if (const auto value = values.find(name); value != values.end()) {
            arguments.push_back(value->second);
        }
        const CliParse parse = ParseCliArguments(arguments);
        ASSERT_EQ(parse.error.find("unknown option"), std::string::npos) << name;
        if (!parse.error.empty()) {
            continue;  // refused, with the reason
        }
        JobDocument job = base;
        const std::string refused = ApplyOptionsToJob(parse.options, job);
        if (!refused.empty() || presentation.count(name) != 0 ||
            tolvane::RefuseRun(RunChoicesOf(parse.options, job, 1), job.settings)) {
            continue;  // refused by the options or by the planner, with the reason
        }
        EXPECT_NE(WriteJobText(job), WriteJobText(base)) << "--" << name << " was passed over";
    }
    // Without -f the job's format stays and is refined: an OGG job at 192 kbps, mono.
    JobDocument job = base;
    ASSERT_EQ(
        ApplyOptionsToJob(ParseCliArguments({"--job", "j", "-b", "192k", "-c", "1"}).options, job),
        "");
    EXPECT_EQ(job.settings.formatEntry, ogg.entryText);
    EXPECT_EQ(job.settings.profile.audioEncoderName, ogg.settings.audioEncoderName);
    EXPECT_EQ(job.settings.profile.audioBitRate, 192000);
    EXPECT_EQ(job.settings.profile.channels, 1);
    EXPECT_EQ(job.settings.profile.sampleRate, ogg.settings.sampleRate);
    job = base;
    const CliOptions opus = ParseCliArguments({"--job", "j", "--opus-application", "voip"}).options;
    ASSERT_EQ(ApplyOptionsToJob(opus, job), "");
    EXPECT_EQ(tolvane::RefuseRun(RunChoicesOf(opus, job, 1), job.settings).text,
              "--opus-application goes with Opus (-f opus)")
        << "an OGG job has no Opus application";
}

// The options beside a job, run for real: an OGG job given a bit rate stays OGG, merged and
// brought to the loudness asked for; a job's own numbers out of range are refused by name.
TEST(Cli, AJobRunsWithTheOptionsBesideIt) {
    ScratchDir out;
    const std::string job = out.File("two.tolvane-job");
    CliResult r =
        Cli("-q -f ogg --write-job " + job + " " + M("h264_aac.mp4") + " " + M("audio_only.m4a"));
    ASSERT_EQ(r.exitCode, 0) << r.output;
    r = Cli("-q --job " + job + " -b 96k --merge --normalize=-20 -o " + out.File("made"));
    ASSERT_EQ(r.exitCode, 0) << r.output;
    const std::vector<std::string> made = FileNames(out.File("made"));
    ASSERT_EQ(made, std::vector<std::string>{"h264_aac.ogg"}) << "one merged OGG";
    EXPECT_NEAR(FfmpegLoudness(out.File("made/h264_aac.ogg")).first, -20.0, 1.0);

    std::string text = ReadWhole(job);
    const std::vector<std::pair<std::string, std::string>> wrong = {
        {"\"loudnessTarget\": -16", "\"loudnessTarget\": 1e10"},
        {"\"truePeakCeiling\": -1", "\"truePeakCeiling\": 3"},
        {"\"channels\": 2", "\"channels\": 3"},
        {"\"filesAtOnce\": 0", "\"filesAtOnce\": 65"},
        {"\"soundTrack\": 0", "\"soundTrack\": 1001"},
    };
    for (const auto& [from, to] : wrong) {
        const std::string bad = out.File("bad.tolvane-job");
        std::string changed = text;
        ASSERT_NE(changed.find(from), std::string::npos) << from;
        changed.replace(changed.find(from), from.size(), to);
        std::ofstream(bad, std::ios::trunc) << changed;
        r = Cli("-q --job " + bad + " -o " + out.File("never"));
        EXPECT_EQ(r.exitCode, 2) << to << r.output;
        const std::string member = from.substr(1, from.find('"', 1) - 1);
        EXPECT_NE(r.output.find(member + " is"), std::string::npos) << r.output;
    }
    EXPECT_FALSE(fs::exists(out.File("never")));
}

// A 5.1 FLAC in Matroska whose channels hold tones of 300, 500, 700, 900, 1100 and 1300 Hz (FL,
// FR, FC, LFE, BL, BR), or, with `only`, a tone of 440 Hz in that channel alone (from 0).
std::string WriteSixChannels(const ScratchDir& dir, const std::string& name, int only = -1) {
    std::string inputs;
    for (int c = 0; c < 6; ++c) {
        const std::string tone =
            only < 0 ? "sine=f=" + std::to_string(300 + 200 * c) + ":r=48000:d=3"
                     : (c == only ? "sine=f=440:r=48000:d=3" : "anullsrc=r=48000:cl=mono:d=3");
        inputs += " -f lavfi -i " + tone;
    }
    const std::string path = dir.File(name);
    int code = 0;
    const std::string said =
        RunCommand("ffmpeg -nostdin -v error -y" + inputs +
                       " -filter_complex '[0][1][2][3][4][5]join=inputs=6:channel_layout=5.1:"
                       "map=0.0-FL|1.0-FR|2.0-FC|3.0-LFE|4.0-BL|5.0-BR[a]' -map '[a]' "
                       "-c:a flac '" +
                       path + "'",
                   &code);
    EXPECT_EQ(code, 0) << said;
    return path;
}

// One channel alone, every channel to its own file named by it, and the centre's level in a
// fold-down; what cannot be is refused in words before anything is made.
TEST(Cli, ChannelsAloneAndTheCentreOfAFoldDown) {
    ScratchDir out;
    const std::string six = WriteSixChannels(out, "six.mka");
    CliResult r = Cli("-q -f flac --split-channels -o " + out.File("each") + " " + six);
    ASSERT_EQ(r.exitCode, 0) << r.output;
    const std::vector<std::string> names = {"FL", "FR", "FC", "LFE", "BL", "BR"};
    for (std::size_t c = 0; c < names.size(); ++c) {
        const std::string file = out.File("each/six." + names[c] + ".flac");
        EXPECT_EQ(Ffprobe(file).channels, 1) << names[c];
        EXPECT_NEAR(Frequency(DecodedSamples(file), 48000), 300.0 + 200.0 * c, 3.0) << names[c];
    }
    for (const auto& [pick, frequency] : {std::pair{"fc", 700.0}, std::pair{"6", 1300.0}}) {
        r = Cli(std::string("-q -f wav --pick-channel ") + pick + " -o " + out.File(pick) + " " +
                six);
        ASSERT_EQ(r.exitCode, 0) << r.output;
        const std::string file = out.File(std::string(pick) + "/six.wav");
        EXPECT_EQ(Ffprobe(file).channels, 1);
        EXPECT_NEAR(Frequency(DecodedSamples(file), 48000), frequency, 3.0) << pick;
    }
    // A job keeps each row's channel, and runs to the same names.
    const std::string job = out.File("channels.tolvane-job");
    r = Cli("-q -f flac --split-channels --write-job " + job + " " + six);
    ASSERT_EQ(r.exitCode, 0) << r.output;
    r = Cli("-q --job " + job + " -o " + out.File("from-job"));
    ASSERT_EQ(r.exitCode, 0) << r.output;
    EXPECT_EQ(FileNames(out.File("from-job")), FileNames(out.File("each")));

    const std::vector<std::pair<std::string, std::string>> refused = {
        {"--pick-channel SL", "no channel SL (it has FL, FR, FC, LFE, BL, BR)"},
        {"--pick-channel 7", "no channel 7"},
        {"-f copy --pick-channel FL", "copy"},
        {"-m --split-channels", "merge"},
        {"--pick-channel FL -c 2", "mono"},
        {"--pick-channel FL --split-channels", "one or the other"},
        {"--center-mix 7", "--center-mix"},
    };
    for (const auto& [options, says] : refused) {
        r = Cli("-q " + options + " -o " + out.File("never") + " " + six);
        EXPECT_EQ(r.exitCode, 2) << options;
        EXPECT_NE(r.output.find(says), std::string::npos) << options << ": " << r.output;
    }
    EXPECT_FALSE(fs::exists(out.File("never")));

    // The centre folded into the left at its level against the front left's, which is kept.
    const std::string left = WriteSixChannels(out, "left.mka", 0);
    const std::string centre = WriteSixChannels(out, "centre.mka", 2);
    for (const auto& [option, level] : {std::pair{"", -3.0}, std::pair{"--center-mix -9", -9.0},
                                        std::pair{"--center-mix 3", 3.0}}) {
        const std::string folder = out.File("fold" + std::to_string(static_cast<int>(level)));
        r = Cli(std::string("-q -f ogg -c 2 ") + option + " -o " + folder + " " + left + " " +
                centre);
        ASSERT_EQ(r.exitCode, 0) << r.output;
        const double ratio =
            MaxVolumeDb(folder + "/centre.ogg", 3.0) - MaxVolumeDb(folder + "/left.ogg", 3.0);
        EXPECT_NEAR(ratio, level, 0.3) << option;
    }
}

// The level (dB, RMS) of the tone at `frequency` in `path` from `from` for `length` seconds: a
// narrow band-pass, then ffmpeg's volumedetect.
double ToneDb(const std::string& path, int frequency, double from, double length) {
    const std::string said = RunCommand(
        "ffmpeg -nostdin -hide_banner -ss " + FormatFixed(from, 3) + " -t " +
        FormatFixed(length, 3) + " -i '" + path + "' -af bandpass=f=" + std::to_string(frequency) +
        ":width_type=q:w=8,bandpass=f=" + std::to_string(frequency) +
        ":width_type=q:w=8,volumedetect -f null - 2>&1");
    const std::size_t at = said.find("mean_volume: ");
    return at == std::string::npos ? 1000.0 : std::strtod(said.c_str() + at + 13, nullptr);
}

// Sound tracks mixed into one: sample-aligned with their offsets, each at its gain; the voice a
// loudness over the rest, the rest lowered only while it speaks; a sum that would clip brought
// down and said; what cannot be refused in words; a job with a mix runs as the direct run.
TEST(Cli, SoundTracksMixedWithTheirGainsTheVoiceAndDucking) {
    ScratchDir out;
    const std::string two = out.File("two.mka");
    int code = 0;
    // Track 1: 440 Hz for 4 s; track 2: 1000 Hz for 3 s, from 1 s on; both at 0.125.
    std::string said = RunCommand(
        "ffmpeg -nostdin -v error -y -f lavfi -i sine=f=440:r=48000:d=4 -itsoffset 1 -f lavfi "
        "-i sine=f=1000:r=48000:d=3 -map 0 -map 1 -c:a flac '" +
            two + "'",
        &code);
    ASSERT_EQ(code, 0) << said;
    CliResult r = Cli("-q -f wav -a 1+2 -o " + out.File("plain") + " " + two);
    ASSERT_EQ(r.exitCode, 0) << r.output;
    EXPECT_NE(r.output.find("mixed Tracks 1+2"), std::string::npos) << r.output;
    const std::string plain = out.File("plain/two.wav");
    EXPECT_NEAR(DecodedSeconds(plain), 4.0, 0.01);
    EXPECT_LT(ToneDb(plain, 1000, 0.1, 0.7), -60.0) << "track 2 starts at 1 s";
    const double a = ToneDb(plain, 440, 1.5, 2.0);
    const double b = ToneDb(plain, 1000, 1.5, 2.0);
    EXPECT_NEAR(a, b, 1.0) << "both at their level";
    EXPECT_NEAR(ToneDb(plain, 440, 0.1, 0.7), a, 1.0) << "track 1 alone before";

    r = Cli("-q -f wav -a 1+2 --track-gain 2=+6 -o " + out.File("gain") + " " + two);
    ASSERT_EQ(r.exitCode, 0) << r.output;
    EXPECT_NEAR(ToneDb(out.File("gain/two.wav"), 1000, 1.5, 2.0), b + 6.0, 0.5);
    EXPECT_NEAR(ToneDb(out.File("gain/two.wav"), 440, 1.5, 2.0), a, 0.5);

    r = Cli("-q -f wav -a 1+2 --voice 1=10 -o " + out.File("voice") + " " + two);
    ASSERT_EQ(r.exitCode, 0) << r.output;
    EXPECT_NEAR(ToneDb(out.File("voice/two.wav"), 440, 1.5, 2.0) -
                    ToneDb(out.File("voice/two.wav"), 1000, 1.5, 2.0),
                10.0, 1.5)
        << "the rest 10 LU under the voice";

    // Ducking: a voice that speaks one second in four over a steady tone.
    const std::string talk = out.File("talk.mka");
    said = RunCommand(
        "ffmpeg -nostdin -v error -y -f lavfi -i "
        "\"aevalsrc=0.3*sin(2*PI*440*t)*lt(mod(t\\,4)\\,1):s=48000:d=6\" -f lavfi "
        "-i sine=f=1000:r=48000:d=6 -map 0 -map 1 -c:a flac '" +
            talk + "'",
        &code);
    ASSERT_EQ(code, 0) << said;
    r = Cli("-q -f wav -a 1+2 --voice 1=0 --duck=9 -o " + out.File("duck") + " " + talk);
    ASSERT_EQ(r.exitCode, 0) << r.output;
    const std::string ducked = out.File("duck/talk.wav");
    const double speaking = ToneDb(ducked, 1000, 4.3, 0.5);  // the voice speaks from 4 s
    const double pausing = ToneDb(ducked, 1000, 2.8, 1.0);   // and is silent from 1 s
    EXPECT_NEAR(pausing - speaking, 9.0, 1.5);

    // Two full-scale tones: the sum would clip.
    const std::string loud = out.File("loud.mka");
    said = RunCommand(
        "ffmpeg -nostdin -v error -y -f lavfi -i sine=f=440:r=48000:d=2,volume=7.9 "
        "-f lavfi -i sine=f=660:r=48000:d=2,volume=7.9 -map 0 -map 1 -c:a flac '" +
            loud + "'",
        &code);
    ASSERT_EQ(code, 0) << said;
    r = Cli("-q -f wav -a 1+2 -o " + out.File("loud") + " " + loud);
    ASSERT_EQ(r.exitCode, 0) << r.output;
    EXPECT_NE(r.output.find("brought down where it would have clipped"), std::string::npos)
        << r.output;
    EXPECT_LE(MaxVolumeDb(out.File("loud/loud.wav"), 2.0), 0.0);

    // Normalised, the mix as written comes to the target (measured on the mix, its voice rule
    // and ducking in it), here and in MP3.
    for (const char* format : {"wav", "mp3"}) {
        r = Cli(std::string("-q -f ") + format + " -a 1+2 --voice 1=10 --duck --normalize=-20 -o " +
                out.File("level") + " " + talk);
        ASSERT_EQ(r.exitCode, 0) << r.output;
        const std::string leveled = out.File(std::string("level/talk.") + format);
        EXPECT_NEAR(FfmpegLoudness(leveled).first, -20.0, 0.5) << format;
        fs::remove(leveled);
    }
    // An album of one mixed file: its album gain is its track gain (both of the mix as
    // written, not of its first track, 6 dB quieter than the mix here).
    r = Cli("-q -f flac -a 1+2 --track-gain 2=+6 --replaygain=album -o " + out.File("album") + " " +
            two);
    ASSERT_EQ(r.exitCode, 0) << r.output;
    const std::string tags = RunCommand("ffprobe -v error -show_entries format_tags -of flat '" +
                                        out.File("album/two.flac") + "'");
    const std::size_t trackAt = tags.find("REPLAYGAIN_TRACK_GAIN=\"");
    const std::size_t albumAt = tags.find("REPLAYGAIN_ALBUM_GAIN=\"");
    ASSERT_NE(trackAt, std::string::npos) << tags;
    ASSERT_NE(albumAt, std::string::npos) << tags;
    EXPECT_NEAR(std::atof(tags.c_str() + albumAt + 23), std::atof(tags.c_str() + trackAt + 23), 0.3)
        << tags;

    // A job with a mix runs as the direct run.
    const std::string job = out.File("mix.tolvane-job");
    r = Cli("-q -f wav -a 1+2 --track-gain 2=+6 --write-job " + job + " " + two);
    ASSERT_EQ(r.exitCode, 0) << r.output;
    EXPECT_NE(ReadWhole(job).find("\"mix\""), std::string::npos);
    r = Cli("-q --job " + job + " -o " + out.File("from-job"));
    ASSERT_EQ(r.exitCode, 0) << r.output;
    EXPECT_EQ(DecodedSamples(out.File("from-job/two.wav")),
              DecodedSamples(out.File("gain/two.wav")));

    const std::vector<std::pair<std::string, std::string>> refused = {
        {"-a 1+1", "each once"},
        {"-a 1+", "bad sound tracks"},
        {"-a 1+2 --voice 3", "the voice is one of the mixed"},
        {"-a 1+3", "no sound track 3 to mix (it has 2)"},
        {"-a 1+2 --duck", "needs a voice"},
        {"-a 1+2 --track-gain 2=+30", "--track-gain"},
        {"-a 1+2 --track-gain 3=1", "not in the mix"},
        {"--voice 1", "name them with -a"},
        {"-f copy -a 1+2", "copy"},
    };
    for (const auto& [options, says] : refused) {
        r = Cli("-q " + options + " -o " + out.File("never") + " " + two);
        EXPECT_EQ(r.exitCode, 2) << options;
        EXPECT_NE(r.output.find(says), std::string::npos) << options << ": " << r.output;
    }
    EXPECT_FALSE(fs::exists(out.File("never")));
}

// Tempo, night mode and fades: out of range, with a copy, or a crossfade without a merge are
// refused in words before anything is made; in a job file they run as the direct run does, and
// beside a job they apply over its own.
TEST(Cli, ListenReadyChoicesAreRefusedInWordsAndTravelInTheJob) {
    ScratchDir out;
    const std::string source = M("h264_aac.mp4");
    const std::vector<std::pair<std::string, std::string>> refused = {
        {"--tempo 4.5", "--tempo"},           {"--tempo 0,5", "--tempo"},
        {"--fade-in 61", "--fade-in"},        {"--fade-out -1", "--fade-out"},
        {"--crossfade 31 -m", "--crossfade"}, {"--crossfade 2", "merge"},
        {"-f copy --night", "copy"},          {"-f copy --fade-in 1", "copy"},
    };
    for (const auto& [options, says] : refused) {
        const CliResult r = Cli("-q " + options + " -o " + out.File("never") + " " + source);
        EXPECT_EQ(r.exitCode, 2) << options;
        EXPECT_NE(r.output.find(says), std::string::npos) << options << ": " << r.output;
    }
    EXPECT_FALSE(fs::exists(out.File("never")));

    const std::string job = out.File("listen.tolvane-job");
    const std::string shape = "--tempo 1.5 --night --fade-in 0.5 --fade-out 1 ";
    CliResult r = Cli("-q -f flac " + shape + "--write-job " + job + " " + source);
    ASSERT_EQ(r.exitCode, 0) << r.output;
    const std::string text = ReadWhole(job);
    for (const char* member :
         {"\"tempo\": 1.5", "\"night\": true", "\"fadeInMs\": 500", "\"fadeOutMs\": 1000"}) {
        EXPECT_NE(text.find(member), std::string::npos) << member << text;
    }
    EXPECT_EQ(text.find("crossfadeMs"), std::string::npos) << "only what was chosen";
    r = Cli("-q --job " + job + " -o " + out.File("from-job"));
    ASSERT_EQ(r.exitCode, 0) << r.output;
    EXPECT_NE(r.output.find("tempo 1.5\u00d7, night mode, fade in 0.5 s, fade out 1 s"),
              std::string::npos)
        << r.output;
    r = Cli("-q -f flac " + shape + "-o " + out.File("direct") + " " + source);
    ASSERT_EQ(r.exitCode, 0) << r.output;
    EXPECT_EQ(DecodedSamples(out.File("from-job/h264_aac.flac")),
              DecodedSamples(out.File("direct/h264_aac.flac")));
    EXPECT_NEAR(DecodedSeconds(out.File("direct/h264_aac.flac")), SoundSeconds(source) / 1.5,
                0.001);
    // Beside the job: another tempo over its own, and a copy refused with the reason.
    r = Cli("-q --job " + job + " --tempo 2 -o " + out.File("faster"));
    ASSERT_EQ(r.exitCode, 0) << r.output;
    EXPECT_NEAR(DecodedSeconds(out.File("faster/h264_aac.flac")), SoundSeconds(source) / 2.0,
                0.001);
    r = Cli("-q --job " + job + " -f copy -o " + out.File("never"));
    EXPECT_EQ(r.exitCode, 2) << r.output;
    EXPECT_FALSE(fs::exists(out.File("never")));
}

// "Skipped" only for a whole output of that row: two sources of one name refuse a job with
// --skip-existing in every slice, as in one run; without it each slice names them as one run
// does; the file a stopped run left of a row is converted again, under a new name.
TEST(Cli, SkippedOnlyWhenTheRowsWholeOutputIsThere) {
    ScratchDir out;
    fs::create_directories(out.File("a"));
    fs::create_directories(out.File("b"));
    fs::copy_file(M("audio_only.m4a"), out.File("a/talk.m4a"));
    fs::copy_file(M("h264_aac.mp4"), out.File("b/talk.mp4"));
    const std::string job = out.File("same.tolvane-job");
    CliResult r = Cli("-q -f wav --write-job " + job + " " + out.File("a/talk.m4a") + " " +
                      out.File("b/talk.mp4"));
    ASSERT_EQ(r.exitCode, 0) << r.output;
    const std::string shared = out.File("shared");
    r = Cli("-q --job " + job + " --skip-existing -o " + shared);
    EXPECT_EQ(r.exitCode, 2) << r.output;
    for (const char* slice : {"2/2", "1/2"}) {
        r = Cli(std::string("-q --slice ") + slice + " --job " + job + " --skip-existing -o " +
                shared);
        EXPECT_EQ(r.exitCode, 2) << slice << r.output;
        EXPECT_NE(r.output.find("would both write"), std::string::npos) << r.output;
    }
    EXPECT_TRUE(!fs::exists(shared) || FileNames(shared).empty());
    // Without skipping: the second slice first, yet the second row is "talk(0)" as in one run.
    for (const char* slice : {"2/2", "1/2"}) {
        r = Cli(std::string("-q --slice ") + slice + " --job " + job + " -o " + shared);
        EXPECT_EQ(r.exitCode, 0) << slice << r.output;
    }
    ASSERT_EQ(FileNames(shared), (std::vector<std::string>{"talk(0).wav", "talk.wav"}));
    EXPECT_NEAR(DecodedSeconds(shared + "/talk(0).wav"), DecodedSeconds(M("h264_aac.mp4")), 0.1);

    // A row a stopped run left a part of: its file is no reason to skip it.
    const std::string stopped = out.File("stopped");
    fs::create_directories(stopped);
    r = Cli("-q -f wav -t 0.3 -o " + stopped + " " + M("h264_aac.mp4"));
    ASSERT_EQ(r.exitCode, 0) << r.output;
    const std::string kept = out.File("kept.tolvane-job");
    r = Cli("-q -f wav --write-job " + kept + " " + M("h264_aac.mp4") + " " + M("audio_only.m4a"));
    ASSERT_EQ(r.exitCode, 0) << r.output;
    JobRead read = ReadJobFile(kept);
    ASSERT_TRUE(read.job) << read.error;
    read.job->rows[0].status = "Stopped at 00:00:00";
    read.job->rows[0].output = stopped + "/h264_aac.wav";
    fs::copy_file(stopped + "/h264_aac.wav", stopped + "/audio_only.wav");
    read.job->rows[1].state = JobRowState::Converted;
    read.job->rows[1].output = stopped + "/audio_only.wav";
    ASSERT_EQ(WriteJobFile(kept, *read.job), "");
    r = Cli("--job " + kept + " --skip-existing -o " + stopped);
    EXPECT_EQ(r.exitCode, 0) << r.output;
    EXPECT_NE(
        r.output.find("Completed\t" + M("h264_aac.mp4") + "\t" + stopped + "/h264_aac(0).wav"),
        std::string::npos)
        << r.output;
    EXPECT_NE(r.output.find("Skipped\t" + M("audio_only.m4a")), std::string::npos) << r.output;
    EXPECT_NEAR(DecodedSeconds(stopped + "/h264_aac(0).wav"), DecodedSeconds(M("h264_aac.mp4")),
                0.1);
}

TEST(Cli, ShortAndOddLengthsConvertWhole) {
    ScratchDir out;
    const CliResult result = Cli("-f wav -o " + out.Path().string() + " " + M("odd_0.05.mp4") +
                                 " " + M("odd_5.72.mp4") + " " + M("vbr_no_header.mp3"));
    ASSERT_EQ(result.exitCode, 0) << result.output;
    for (const char* name : {"odd_0.05", "odd_5.72", "vbr_no_header"}) {
        const std::string source = M(std::string(name) + (name[0] == 'v' ? ".mp3" : ".mp4"));
        EXPECT_NEAR(DecodedSeconds(out.File(std::string(name) + ".wav")), SoundSeconds(source),
                    0.02)
            << name;
    }
    // An end given on the command line is honoured to the sample.
    const CliResult trimmed =
        Cli("-f wav -s 1 -t 3.5 -o " + out.Path().string() + " " + M("odd_5.72.mp4"));
    ASSERT_EQ(trimmed.exitCode, 0) << trimmed.output;
    EXPECT_NEAR(DecodedSeconds(out.File("odd_5.72(0).wav")), 2.5, 0.001);
}

// Opus in Ogg: the whole sound to the sample at 48 kHz (a whole file, a clip, the parts of a
// split, a merge), files opusinfo takes without a warning, tags and covers as Ogg keeps them,
// R128 gains instead of ReplayGain tags, and copies brought to a loudness through the header's
// gain alone.
TEST(Cli, OpusIsWholeTaggedCoveredAndGained) {
    ScratchDir out;
    const std::string dir = out.Path().string();
    const auto samples = [](const std::string& path) {
        return static_cast<double>(DecodedSamples(path).size());
    };
    const auto opusinfo = [](const std::string& path) {
        int exitCode = -1;
        const std::string said = RunCommand("opusinfo '" + path + "'", &exitCode);
        EXPECT_EQ(exitCode, 0) << said;
        EXPECT_EQ(said.find("WARNING"), std::string::npos) << said;
        return said;
    };
    // A source of 44.1 kHz resampled; non-ASCII tags.
    const std::string tagged = out.File("tagged.mka");
    RunCommand(
        "ffmpeg -nostdin -v error -f lavfi -i sine=frequency=500:sample_rate=44100 "
        "-t 3.217 -metadata title='Grüße aus 東京' -metadata artist='Ærø Ensemble' '" +
        tagged + "'");
    CliResult r = Cli("-q -f opus -o " + dir + " " + tagged + " " + M("tagged_cover.mp4"));
    ASSERT_EQ(r.exitCode, 0) << r.output;
    const std::string whole = out.File("tagged.opus");
    EXPECT_NEAR(samples(whole), SoundSeconds(tagged) * 48000, 1.0);
    const std::string info = opusinfo(whole);
    EXPECT_NE(info.find("title=Grüße aus 東京"), std::string::npos) << info;
    EXPECT_NE(info.find("artist=Ærø Ensemble"), std::string::npos) << info;

    // A clip, and the parts of a split: back to back, to the sample.
    r = Cli("-q -f opus -s 0.5 -t 2.75 -o " + out.File("clip") + " " + tagged);
    ASSERT_EQ(r.exitCode, 0) << r.output;
    EXPECT_NEAR(samples(out.File("clip/tagged.opus")), 2.25 * 48000, 1.0);
    r = Cli("-q -f opus --split-chapters -o " + out.File("split") + " " + M("chapters3.mkv"));
    ASSERT_EQ(r.exitCode, 0) << r.output;
    double parts = 0;
    for (const auto& [name, seconds] :
         {std::pair{"01 - Overture", 2.0}, {"02 - Second Song", 2.5}, {"03 - Encore", 1.5}}) {
        const std::string part = out.File(std::string("split/chapters3 - ") + name + ".opus");
        EXPECT_NEAR(samples(part), seconds * 48000, 1.0) << name;
        parts += samples(part);
        EXPECT_NE(opusinfo(part).find("TRACKNUMBER="), std::string::npos) << name;
    }
    EXPECT_NEAR(parts, SoundSeconds(M("chapters3.mkv")) * 48000, 3.0);
    // A merge of three sounds of odd lengths, gapless.
    r = Cli("-q -f opus -m -o " + out.File("merge") + " " + M("tone_a.mka") + " " +
            M("tone_b.mka") + " " + M("tone_c.mka"));
    ASSERT_EQ(r.exitCode, 0) << r.output;
    const std::string merged = out.File("merge/tone_a.opus");
    EXPECT_NEAR(samples(merged), (3.37 + 2.41 + 4.6) * 48000, 3.0);
    EXPECT_LE(LongestQuietRun(DecodedSamples(merged), 500, 4800), 4);
    opusinfo(merged);

    // The cover, byte for byte, from Opus and from OGG Vorbis.
    const auto cover = [&](const std::string& path, const char* stream = "0:v:0") {
        const std::string picture = out.File("picture.bin");
        RunCommand("ffmpeg -nostdin -v error -y -i '" + path + "' -map " + stream +
                   " -c copy -frames:v 1 -f image2 '" + picture + "'");
        return ReadFile(picture);
    };
    r = Cli("-q -f ogg -o " + dir + " " + M("tagged_cover.mp4"));
    ASSERT_EQ(r.exitCode, 0) << r.output;
    const std::string source = cover(M("tagged_cover.mp4"), "0:v:1");  // after the video
    ASSERT_EQ(source.substr(1, 3), "PNG");
    EXPECT_TRUE(cover(out.File("tagged_cover.opus")) == source);
    EXPECT_TRUE(cover(out.File("tagged_cover.ogg")) == source);
    opusinfo(out.File("tagged_cover.opus"));

    // R128 gains: the track's brings the decoded sound to -23 LUFS; no ReplayGain tags.
    r = Cli("-q -f opus --replaygain=album -o " + out.File("gain") + " " + M("speech_quiet.wav") +
            " " + M("sine_8.wav"));
    ASSERT_EQ(r.exitCode, 0) << r.output;
    for (const char* name : {"speech_quiet", "sine_8"}) {
        const std::string path = out.File(std::string("gain/") + name + ".opus");
        const std::string tags = opusinfo(path);
        const std::size_t at = tags.find("R128_TRACK_GAIN=");
        ASSERT_NE(at, std::string::npos) << tags;
        const double gain = std::atof(tags.c_str() + at + 16) / 256.0;
        EXPECT_NEAR(FfmpegLoudness(path).first + gain, -23.0, 0.5) << name;
        EXPECT_NE(tags.find("R128_ALBUM_GAIN="), std::string::npos) << tags;
        EXPECT_EQ(tags.find("REPLAYGAIN"), std::string::npos) << tags;
    }

    // A copy brought to a loudness by the header's gain: the same packets, played at the target;
    // the true-peak ceiling lowers the gain, and the line says so. Other codecs are refused.
    r = Cli("-f copy --normalize=-16 -o " + out.File("copy") + " " + M("copy_opus.mkv") + " " +
            M("copy_vorbis.mkv"));
    EXPECT_EQ(r.exitCode, 1) << r.output;
    EXPECT_NE(r.output.find("Failure\t" + M("copy_vorbis.mkv")), std::string::npos) << r.output;
    const std::string copy = out.File("copy/copy_opus.opus");
    const auto hashes = [](const std::string& path) {
        std::vector<std::string> all;
        for (const ProbedPacket& packet : ProbedPackets(path)) {
            all.push_back(packet.hash);
        }
        return all;
    };
    EXPECT_EQ(hashes(copy), hashes(M("copy_opus.mkv")));
    EXPECT_NEAR(FfmpegLoudness(copy).first, -16.0, 0.5);
    opusinfo(copy);
    r = Cli("-f copy --normalize=-5 --true-peak -9 -o " + out.File("ceiling") + " " +
            M("copy_opus.mkv"));
    ASSERT_EQ(r.exitCode, 0) << r.output;
    EXPECT_NE(r.output.find("lowered"), std::string::npos) << r.output;
    EXPECT_LE(FfmpegLoudness(out.File("ceiling/copy_opus.opus")).second, -8.5);

    // Opus's own numbers: 48000 Hz, 6 to 510 kbps.
    EXPECT_EQ(Cli("-f opus -r 44100 " + M("tone_a.mka")).exitCode, 2);
    EXPECT_EQ(Cli("-f opus -b 4k " + M("tone_a.mka")).exitCode, 2);
}

// Pauses in speech-like sound: a part per stretch of sound with each cut well inside a pause
// (a stretch too short for a part joins its neighbour), parts that join again into the source
// sample for sample, a trim that keeps all the sound, and cuts near every so many seconds at
// the nearest pause.
TEST(Cli, SplitsAtPausesTrimsSilenceAndCutsNearEveryDuration) {
    ScratchDir out;
    const std::string source = out.File("talk.wav");
    const std::vector<std::pair<bool, double>> talk = {
        {true, 4.0}, {false, 2.0}, {true, 3.0}, {false, 3.0}, {true, 0.5}, {false, 1.6},
        {true, 5.0}, {false, 0.9}, {true, 3.0}, {false, 2.5}, {true, 4.0}};
    WriteSpeechLikeWav(source, talk);
    std::vector<std::pair<double, double>> pauses;  // where each pause of 1.5 s or more lies
    double at = 0;
    for (const auto& [sound, seconds] : talk) {
        if (!sound && seconds >= 1.5) {
            pauses.emplace_back(at, at + seconds);
        }
        at += seconds;
    }
    // The parts of a folder, in name order, decoded.
    const auto parts = [&](const std::string& folder) {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(out.File(folder))) {
            names.push_back(entry.path().string());
        }
        std::sort(names.begin(), names.end());
        std::vector<std::vector<std::int16_t>> decoded;
        for (const std::string& name : names) {
            decoded.push_back(DecodedSamples(name, 44100));
        }
        return decoded;
    };
    CliResult r = Cli("-f wav -c 1 --split-silence -o " + out.File("split") + " " + source);
    ASSERT_EQ(r.exitCode, 0) << r.output;
    EXPECT_NE(r.output.find("4 parts at pauses of at least 1.5 s under -50 dBFS"),
              std::string::npos)
        << r.output;
    const std::vector<std::vector<std::int16_t>> split = parts("split");
    ASSERT_EQ(split.size(), 4u) << r.output;
    std::vector<std::int16_t> joined;
    for (std::size_t i = 0; i < split.size(); ++i) {
        joined.insert(joined.end(), split[i].begin(), split[i].end());
        if (i + 1 == split.size()) {
            break;
        }
        const double cut = static_cast<double>(joined.size()) / 44100;
        const bool inPause = std::any_of(pauses.begin(), pauses.end(), [&](const auto& pause) {
            return cut >= pause.first + 0.2 && cut <= pause.second - 0.2;
        });
        EXPECT_TRUE(inPause) << "cut at " << cut << " s";
    }
    EXPECT_TRUE(joined == DecodedSamples(source, 44100)) << "the parts join into the source";

    // A split goes into a job as its parts; a copy cuts at packets.
    r = Cli("-q --split-silence=-50,1.5 --write-job " + out.File("talk.tolvane-job") + " " +
            source);
    ASSERT_EQ(r.exitCode, 0) << r.output;
    const JobRead job = ReadJobFile(out.File("talk.tolvane-job"));
    ASSERT_TRUE(job.job.has_value()) << job.error;
    ASSERT_EQ(job.job->rows.size(), 4u);
    EXPECT_EQ(job.job->rows[3].part.number, 4);
    EXPECT_EQ(job.job->rows[3].part.count, 4);
    r = Cli("-q -f copy --split-silence -o " + out.File("copy") + " " + source);
    ASSERT_EQ(r.exitCode, 0) << r.output;
    EXPECT_EQ(parts("copy").size(), 4u);

    // Trimmed: the silence at both ends goes, every bit of sound stays.
    const std::string padded = out.File("padded.wav");
    WriteSpeechLikeWav(padded, {{false, 2.0}, {true, 3.0}, {false, 1.5}});
    r = Cli("-f wav -c 1 --trim-silence -o " + out.File("trim") + " " + padded);
    ASSERT_EQ(r.exitCode, 0) << r.output;
    EXPECT_NE(r.output.find("trimmed to the sound"), std::string::npos) << r.output;
    const std::vector<std::int16_t> trimmed = DecodedSamples(out.File("trim/padded.wav"), 44100);
    const std::vector<std::int16_t> whole = DecodedSamples(padded, 44100);
    EXPECT_NEAR(static_cast<double>(trimmed.size()) / 44100, 3.0 + 2 * 0.3, 0.15);
    const auto energy = [](const std::vector<std::int16_t>& samples) {
        double sum = 0;
        for (const std::int16_t x : samples) {
            sum += static_cast<double>(x) * x;
        }
        return sum;
    };
    EXPECT_GT(energy(trimmed), 0.9999 * energy(whole));

    // Every 20 s: at the pause nearest to 20 and to 40 s, at 60 s itself (no pause near it).
    const std::string lecture = out.File("lecture.wav");
    WriteSpeechLikeWav(lecture,
                       {{true, 18.0}, {false, 0.8}, {true, 22.2}, {false, 0.8}, {true, 23.2}});
    r = Cli("-f wav -c 1 --split-every 0:20 -o " + out.File("every") + " " + lecture);
    ASSERT_EQ(r.exitCode, 0) << r.output;
    EXPECT_NE(r.output.find("2 of 3 cuts in a pause"), std::string::npos) << r.output;
    const std::vector<std::vector<std::int16_t>> every = parts("every");
    ASSERT_EQ(every.size(), 4u);
    double end = 0;
    const double expected[] = {18.6, 41.2, 60.0};
    for (std::size_t i = 0; i < 3; ++i) {
        end += static_cast<double>(every[i].size()) / 44100;
        EXPECT_NEAR(end, expected[i], 0.05) << "cut " << i;
    }
    EXPECT_EQ(Cli("--split-silence --split-chapters " + source).exitCode, 2);
    EXPECT_EQ(Cli("--trim-silence --split-every 30:00 " + source).exitCode, 2);
    EXPECT_EQ(Cli("--split-silence=-5,1 " + source).exitCode, 2);
}

}  // namespace
}  // namespace tolvane::test
