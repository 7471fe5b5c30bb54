// The batch worker on real generated media: every audio encoder, clips, unique names, stop,
// bad sources, and jobs that include video.

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

extern "C" {
#include <libavcodec/codec_id.h>
}

#include "AVConvert.h"
#include "TestSupport.h"
#include "Workers.h"

namespace tolvane::test {
namespace {

namespace fs = std::filesystem;

struct FormatCase {
    const char* label;
    AVCodecID codec;
    const char* extension;
    const char* probedCodec;
    int sampleRate;
    int channels;
};

void PrintTo(const FormatCase& c, std::ostream* os) {
    *os << c.label;
}

class AudioFormatTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(AudioFormatTest, ConvertsWholeSourceWithTheRequestedCodecRateAndChannels) {
    const FormatCase& c = GetParam();
    ScratchDir out;
    AVConvert job;
    const std::string output = out.File(std::string("talk") + c.extension);
    FillJob(job, {{Media("h264_aac.mp4").string(), output}},
            {c.codec, c.codec == AV_CODEC_ID_AMR_NB ? 12200 : 128000, c.sampleRate, c.channels});
    RunBatch(job);

    EXPECT_EQ(job.taskStatus[0], AVConvert::kTaskConverted);
    EXPECT_EQ(job.currentTask, 1);
    EXPECT_EQ(job.fileProgress, 100);
    EXPECT_EQ(job.outputPaths[0], output);
    const ProbedStream probed = Ffprobe(output);
    ASSERT_TRUE(probed.found) << output;
    EXPECT_EQ(probed.codec, c.probedCodec);
    EXPECT_EQ(probed.sampleRate, c.sampleRate);
    EXPECT_EQ(probed.channels, c.channels);
    // Some containers only estimate their length in the header: count what the packets hold.
    EXPECT_NEAR(AudioPacketsEnd(output), 5.0, 0.1);
}

INSTANTIATE_TEST_SUITE_P(
    EveryEncoder, AudioFormatTest,
    ::testing::Values(FormatCase{"mp3", AV_CODEC_ID_MP3, ".mp3", "mp3", 44100, 2},
                      FormatCase{"wav", AV_CODEC_ID_PCM_S16LE, ".wav", "pcm_s16le", 44100, 2},
                      FormatCase{"wma8", AV_CODEC_ID_WMAV2, ".wma", "wmav2", 44100, 2},
                      FormatCase{"ogg", AV_CODEC_ID_VORBIS, ".ogg", "vorbis", 44100, 2},
                      FormatCase{"wma7", AV_CODEC_ID_WMAV1, ".wma", "wmav1", 44100, 2},
                      FormatCase{"aac", AV_CODEC_ID_AAC, ".m4a", "aac", 48000, 2},
                      FormatCase{"ac3", AV_CODEC_ID_AC3, ".ac3", "ac3", 48000, 2},
                      FormatCase{"mp2", AV_CODEC_ID_MP2, ".mp2", "mp2", 44100, 2},
                      FormatCase{"flac", AV_CODEC_ID_FLAC, ".flac", "flac", 44100, 2},
                      FormatCase{"s16be", AV_CODEC_ID_PCM_S16BE, ".au", "pcm_s16be", 22050, 1},
                      FormatCase{"s8", AV_CODEC_ID_PCM_S8, ".aiff", "pcm_s8", 22050, 2},
                      FormatCase{"u8", AV_CODEC_ID_PCM_U8, ".wav", "pcm_u8", 11025, 1},
                      FormatCase{"mulaw", AV_CODEC_ID_PCM_MULAW, ".wav", "pcm_mulaw", 8000, 1},
                      FormatCase{"alaw", AV_CODEC_ID_PCM_ALAW, ".au", "pcm_alaw", 8000, 1},
                      FormatCase{"amrnb", AV_CODEC_ID_AMR_NB, ".amr", "amr_nb", 8000, 1}),
    [](const ::testing::TestParamInfo<FormatCase>& info) { return std::string(info.param.label); });

TEST(BatchWorker, ConvertsEveryKindOfSourceAndMixesManyChannelsDownToTwo) {
    ScratchDir out;
    AVConvert job;
    FillJob(job,
            {{Media("mpeg4_mp3.avi").string(), out.File("avi.mp3")},
             {Media("ac3_51.mkv").string(), out.File("surround.mp3")},
             {Media("audio_only.m4a").string(), out.File("audio.wav")},
             {Media("two_audio.mkv").string(), out.File("two.wav")}},
            {AV_CODEC_ID_MP3});
    // One job, one codec: the WAV names still get MP3 inside, which is what was asked for.
    RunBatch(job);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(job.taskStatus[static_cast<std::size_t>(i)], AVConvert::kTaskConverted) << i;
        const ProbedStream probed = Ffprobe(job.outputPaths[static_cast<std::size_t>(i)]);
        EXPECT_EQ(probed.channels, 2) << i;
        EXPECT_NEAR(probed.duration, 5.0, 0.1) << i;
    }
}

TEST(BatchWorker, KeepsSixChannelsWhenTheEncoderAsksForThem) {
    ScratchDir out;
    AVConvert job;
    FillJob(job, {{Media("ac3_51.mkv").string(), out.File("surround.ac3")}},
            {AV_CODEC_ID_AC3, 384000, 48000, 6});
    RunBatch(job);
    EXPECT_EQ(job.taskStatus[0], AVConvert::kTaskConverted);
    EXPECT_EQ(Ffprobe(job.outputPaths[0]).channels, 6);
}

TEST(BatchWorker, HonoursClipStartAndLength) {
    ScratchDir out;
    AVConvert job;
    FillJob(job, {{Media("silence_then_tone.mp4").string(), out.File("clip.mp3"), 2.0, 4.5}},
            {AV_CODEC_ID_MP3});
    RunBatch(job);
    ASSERT_EQ(job.taskStatus[0], AVConvert::kTaskConverted);
    EXPECT_EQ(job.clipStart[0], 2.0) << "the worker never writes what the front end filled";
    const ProbedStream probed = Ffprobe(job.outputPaths[0]);
    EXPECT_NEAR(probed.duration, 2.5, 0.1);
    // The source is silent before 2 s: a clip that starts there starts with the tone.
    EXPECT_GT(MaxVolumeDb(job.outputPaths[0], 0.3), -20.0);
}

TEST(BatchWorker, ClipOfLengthZeroIsAFailureAndLeavesNoFile) {
    ScratchDir out;
    AVConvert job;
    FillJob(job, {{Media("h264_aac.mp4").string(), out.File("empty.wav"), 1.0, 1.0}},
            {AV_CODEC_ID_PCM_S16LE});
    RunBatch(job);
    EXPECT_EQ(job.taskStatus[0], AVConvert::kTaskFailed) << "no sound was written";
    EXPECT_FALSE(fs::exists(out.File("empty.wav")));
}

TEST(BatchWorker, NeverOverwritesAnExistingFile) {
    ScratchDir out;
    const std::string wanted = out.File("song.mp3");
    std::ofstream(wanted) << "keep me";
    // An existing file that cannot be read still counts as existing.
    const std::string locked = out.File("song(0).mp3");
    std::ofstream(locked) << "keep me too";
    fs::permissions(locked, fs::perms::none);

    AVConvert job;
    FillJob(
        job,
        {{Media("audio_only.m4a").string(), wanted}, {Media("audio_only.m4a").string(), wanted}},
        {AV_CODEC_ID_MP3});
    RunBatch(job);
    EXPECT_EQ(job.outputPaths[0], out.File("song(1).mp3"));
    EXPECT_EQ(job.outputPaths[1], out.File("song(2).mp3"));
    EXPECT_EQ(job.taskStatus[0], AVConvert::kTaskConverted);
    EXPECT_EQ(job.taskStatus[1], AVConvert::kTaskConverted);
    EXPECT_EQ(ReadFile(wanted), "keep me");
    fs::permissions(locked, fs::perms::owner_read);
    EXPECT_EQ(ReadFile(locked), "keep me too");
    EXPECT_NEAR(Ffprobe(job.outputPaths[1]).duration, 5.0, 0.1);
}

TEST(BatchWorker, BadSourcesFailAndTheNextTaskStillConverts) {
    ScratchDir out;
    AVConvert job;
    FillJob(job,
            {{Media("not_media.mp4").string(), out.File("a.mp3")},
             {Media("truncated.mp4").string(), out.File("b.mp3")},
             {Media("empty.mp4").string(), out.File("c.mp3")},
             {out.File("missing.mp4"), out.File("d.mp3")},
             {"", ""},  // a row that does not take part
             {Media("video_only.mp4").string(), out.File("f.mp3")},
             {Media("no_decoder.avi").string(), out.File("g.mp3")},
             {Media("h264_aac.mp4").string(), out.File("ok.wma")}},
            {AV_CODEC_ID_WMAV2});
    RunBatch(job);
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(job.taskStatus[static_cast<std::size_t>(i)], AVConvert::kTaskFailed) << i;
    }
    EXPECT_EQ(job.taskStatus[7], AVConvert::kTaskConverted);
    EXPECT_EQ(job.currentTask, 8);
    // A source without sound leaves no empty file behind.
    EXPECT_FALSE(fs::exists(out.File("f.mp3")));
    EXPECT_FALSE(fs::exists(out.File("a.mp3")));
}

TEST(BatchWorker, SetUpFailuresGiveStatusTwo) {
    ScratchDir out;
    const std::string longName = out.File(std::string(252, 'x') + ".mp3");
    AVConvert job;
    FillJob(job,
            {{Media("h264_aac.mp4").string(), out.File("unknown.xyz")},
             {Media("h264_aac.mp4").string(), out.File("no/such/folder/a.mp3")},
             {Media("h264_aac.mp4").string(), longName}},
            {AV_CODEC_ID_MP3});
    RunBatch(job);
    EXPECT_EQ(job.taskStatus[0], AVConvert::kTaskFailed) << "no container for the extension";
    EXPECT_EQ(job.taskStatus[1], AVConvert::kTaskFailed) << "folder missing";
    EXPECT_EQ(job.taskStatus[2], AVConvert::kTaskFailed) << "file name over 255 bytes";
    EXPECT_EQ(job.outputPaths[2], longName) << "a long path is never truncated";
    std::error_code error;
    EXPECT_FALSE(fs::exists(longName, error));

    AVConvert ape;
    FillJob(ape, {{Media("h264_aac.mp4").string(), out.File("a.ape")}}, {AV_CODEC_ID_APE});
    RunBatch(ape);
    EXPECT_EQ(ape.taskStatus[0], AVConvert::kTaskFailed) << "Monkey's Audio has no encoder";

    AVConvert badRate;
    FillJob(badRate, {{Media("h264_aac.mp4").string(), out.File("rate.mp3")}},
            {AV_CODEC_ID_MP3, 128000, 12345, 2});
    RunBatch(badRate);
    EXPECT_EQ(badRate.taskStatus[0], AVConvert::kTaskFailed) << "the encoder refuses the rate";
    EXPECT_FALSE(fs::exists(out.File("rate.mp3")));
}

TEST(BatchWorker, StopFinishesTheCurrentFileAsPlayableAndEndsTheRun) {
    ScratchDir out;
    AVConvert job;
    FillJob(job,
            {{Media("long_60.m4a").string(), out.File("first.mp3")},
             {Media("long_60.m4a").string(), out.File("second.mp3")}},
            {AV_CODEC_ID_MP3});
    RunAndStopAt(job, false, 5);

    EXPECT_EQ(job.taskStatus[0], AVConvert::kTaskPending);
    EXPECT_EQ(job.taskStatus[1], AVConvert::kTaskPending);
    EXPECT_LT(job.currentTask, 2);
    const ProbedStream probed = Ffprobe(out.File("first.mp3"));
    ASSERT_TRUE(probed.found);
    EXPECT_GT(probed.duration, 1.0);
    EXPECT_LT(probed.duration, 59.0);
    EXPECT_FALSE(fs::exists(out.File("second.mp3")));
}

TEST(BatchWorker, ASecondJobOnTheSameObjectStartsAfresh) {
    ScratchDir out;
    AVConvert job;
    FillJob(job,
            {{Media("not_media.mp4").string(), out.File("a.mp3")},
             {Media("audio_only.m4a").string(), out.File("b.mp3")}},
            {AV_CODEC_ID_MP3});
    RunBatch(job);
    ASSERT_EQ(job.taskStatus[0], AVConvert::kTaskFailed);

    FillJob(job, {{Media("audio_only.m4a").string(), out.File("c.ogg")}}, {AV_CODEC_ID_VORBIS});
    RunBatch(job);
    EXPECT_EQ(job.taskCount, 1);
    EXPECT_EQ(job.currentTask, 1);
    EXPECT_EQ(job.taskStatus[0], AVConvert::kTaskConverted);
    EXPECT_EQ(job.taskStatus[1], AVConvert::kTaskPending);
    EXPECT_EQ(Ffprobe(out.File("c.ogg")).codec, "vorbis");
}

TEST(BatchWorker, ConvertsTheChosenSoundTrackOrByDefaultTheLast) {
    ScratchDir out;
    AVConvert job;
    const std::string source = Media("three_audio.mkv").string();
    FillJob(job,
            {{source, out.File("last.wav")},
             {source, out.File("first.wav"), 0.0, -1.0, 1},
             {source, out.File("second.wav"), 0.0, -1.0, 2},
             {source, out.File("fourth.wav"), 0.0, -1.0, 4}},  // there is no fourth
            {AV_CODEC_ID_PCM_S16LE});
    RunBatch(job);
    // The tracks last 2, 3 and 4 seconds.
    EXPECT_NEAR(DecodedSeconds(out.File("last.wav")), 4.0, 0.05);
    EXPECT_NEAR(DecodedSeconds(out.File("first.wav")), 2.0, 0.05);
    EXPECT_NEAR(DecodedSeconds(out.File("second.wav")), 3.0, 0.05);
    EXPECT_EQ(job.taskStatus[3], AVConvert::kTaskFailed);
    EXPECT_EQ(job.FailureReason(3), "the source has no such sound track: Stream not found");
    EXPECT_FALSE(fs::exists(out.File("fourth.wav")));
}

// A Matroska track named "Commentary" in a file without a title: the name is the track's, not
// a song title.
TEST(BatchWorker, ATracksNameIsNoTitle) {
    ScratchDir out;
    AVConvert job;
    FillJob(job, {{Media("three_audio.mkv").string(), out.File("c.mp3"), 0.0, -1.0, 2}},
            {AV_CODEC_ID_MP3});
    RunBatch(job);
    ASSERT_EQ(job.taskStatus[0], AVConvert::kTaskConverted);
    EXPECT_EQ(RunCommand("ffprobe -v error -show_entries format_tags=title -of "
                         "default=nw=1:nk=1 '" +
                         out.File("c.mp3") + "'"),
              "");
}

TEST(BatchWorker, TheSoundTracksLanguageGoesIntoTheOutput) {
    ScratchDir out;
    AVConvert job;
    const std::string source = Media("three_audio.mkv").string();
    FillJob(
        job,
        {{source, out.File("fra.mp3")}, {Media("audio_only.m4a").string(), out.File("none.mp3")}},
        {AV_CODEC_ID_MP3});
    RunBatch(job);
    FillJob(job, {{source, out.File("fra.ogg")}}, {AV_CODEC_ID_VORBIS});
    RunBatch(job);
    FillJob(job, {{source, out.File("eng.m4a"), 0.0, -1.0, 2}}, {AV_CODEC_ID_AAC});
    RunBatch(job);
    const auto tag = [](const std::string& path, const char* where) {
        return RunCommand("ffprobe -v error -show_entries " + std::string(where) +
                          "=language -of default=nw=1:nk=1 '" + path + "' | head -1");
    };
    EXPECT_EQ(tag(out.File("fra.mp3"), "format_tags"), "fra\n") << "ID3 TLAN";
    EXPECT_EQ(tag(out.File("fra.ogg"), "stream_tags"), "fra\n");
    EXPECT_EQ(tag(out.File("eng.m4a"), "stream_tags"), "eng\n");
    EXPECT_EQ(tag(out.File("none.mp3"), "format_tags"), "") << "no language: no tag";
    EXPECT_FALSE(fs::exists(out.File("eng(0).m4a")));
}

TEST(BatchWorker, EmptyJobEndsAtOnce) {
    AVConvert job;
    FillJob(job, {}, {AV_CODEC_ID_MP3});
    RunBatch(job);
    EXPECT_EQ(job.currentTask, 0);
}

}  // namespace
}  // namespace tolvane::test
