// Every output holds the whole sound track, to the sample: untrimmed ends are the true end, short
// files convert, a task without sound is a failure, merges join without gaps, and a file that
// cannot be finished is not left behind.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <utility>
#include <vector>

extern "C" {
#include <libavcodec/codec_id.h>
}

#include "AVConvert.h"
#include "JobPlan.h"
#include "TestSupport.h"
#include "Workers.h"

namespace tolvane::test {
namespace {

namespace fs = std::filesystem;

struct Format {
    const char* extension;
    std::int32_t codecId;
    double tolerance;  // seconds; WMA has no means to state its encoder's padding
};

const Format kFormats[] = {
    {".mp3", AV_CODEC_ID_MP3, 0.02},
    {".wav", AV_CODEC_ID_PCM_S16LE, 0.02},
    {".wma", AV_CODEC_ID_WMAV2, 0.06},
    {".ogg", AV_CODEC_ID_VORBIS, 0.02},
};

// Lengths off whole seconds, 8 kHz to 96 kHz, mono to 5.1, MP4, Matroska, WebM, Ogg, MP3, and
// sound shorter than the picture.
class WholeSoundTrack : public ::testing::TestWithParam<const char*> {};

TEST_P(WholeSoundTrack, EveryFormatHoldsTheSourcesWholeSound) {
    const std::string source = Media(GetParam()).string();
    const double expected = SoundSeconds(source);
    ASSERT_GT(expected, 0.0);
    ScratchDir out;
    for (const Format& format : kFormats) {
        AVConvert job;
        const std::string output = out.File(std::string("out") + format.extension);
        FillJob(job, {{source, output}}, {format.codecId});
        RunBatch(job);
        ASSERT_EQ(job.taskStatus[0], AVConvert::kTaskConverted) << format.extension;
        EXPECT_NEAR(DecodedSeconds(job.outputPaths[0]), expected, format.tolerance)
            << GetParam() << " to " << format.extension;
    }
}

INSTANTIATE_TEST_SUITE_P(OddLengths, WholeSoundTrack,
                         ::testing::Values("odd_0.05.mp4", "odd_0.3.mkv", "odd_0.9.webm",
                                           "odd_5.72.mp4", "odd_44.65.ogg", "odd_3.37_51.mkv",
                                           "picture_longer.mp4", "vbr_no_header.mp3"));

// A delay before the sound (an empty edit) is no part of it, in either way recorders write it:
// the sound's edit as long as the sound, or shortened by the delay (the edits then end before
// the sound does). Every format and the copy hold the whole sound.
TEST(ExactSound, ADelayedMp4KeepsItsWholeSound) {
    ScratchDir dir;
    constexpr double kSeconds = 1.022;
    for (const char* encoder : {"alac", "aac", "libmp3lame"}) {
        for (const bool shortened : {false, true}) {
            const std::string name = std::string(encoder) + (shortened ? "-short" : "-whole");
            const std::string source = dir.File(name + ".mp4");
            WriteDelayedMp4(source, encoder, kSeconds, 67, shortened);
            for (const Format& format : kFormats) {
                AVConvert job;
                FillJob(job, {{source, dir.File(name + format.extension)}}, {format.codecId});
                RunBatch(job);
                ASSERT_EQ(job.taskStatus[0], AVConvert::kTaskConverted) << name;
                EXPECT_NEAR(DecodedSeconds(job.outputPaths[0]), kSeconds, format.tolerance)
                    << name << " to " << format.extension;
            }
            AVConvert copy;
            FillCopyJob(copy, {{source, dir.File(name + "-copy.m4a")}});
            RunBatch(copy);
            ASSERT_EQ(copy.taskStatus[0], AVConvert::kTaskConverted) << name;
            EXPECT_GE(SoundSeconds(copy.outputPaths[0]), kSeconds - 0.03) << name << " copied";
        }
    }
}

TEST(ExactSound, VorbisProgressCountsTheEncodersChannels) {
    // A 5.1 source into stereo Vorbis: the progress estimate follows the two output channels.
    ScratchDir out;
    AVConvert job;
    FillJob(job, {{Media("ac3_51.mkv").string(), out.File("five.ogg")}}, {AV_CODEC_ID_VORBIS});
    ConversionThread worker;
    worker.Start(job, WorkerKind::Batch);
    int highest = 0;
    while (worker.Running()) {
        const int progress = job.fileProgress.load();
        if (progress < 100) {
            highest = std::max(highest, progress);
        }
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    worker.Join();
    EXPECT_EQ(job.taskStatus[0], AVConvert::kTaskConverted);
    EXPECT_GT(highest, 60) << "the estimate ran far ahead of the real work";
}

// The peak level of a file's sound in dB of full scale, measured on floats (so above 0 for
// sound louder than full scale).
double PeakDb(const std::string& path) {
    const std::string text = RunCommand("ffmpeg -nostdin -v info -i '" + path +
                                        "' -af astats=measure_perchannel=none -f null - 2>&1");
    const std::string key = "Peak level dB: ";
    const std::size_t at = text.rfind(key);
    return at == std::string::npos ? -1000.0 : std::atof(text.c_str() + at + key.size());
}

// Where the source's sound starts, the output's starts: a click 1000 samples into a WMA is at
// sample 1000 (WMA's decoder drops its first frame), a clip of a WebM whose timestamps are in
// milliseconds begins at the sample its start names, and an encoder that takes floats gets
// sound louder than full scale as the source has it, as ffmpeg gives it.
TEST(ExactSound, TheSoundStartsWhereTheSourceSaysAndKeepsItsLevel) {
    ScratchDir out;
    AVConvert wma;
    FillJob(wma, {{Media("impulse_1000.wav").string(), out.File("click.wma")}},
            {AV_CODEC_ID_WMAV2, 128000, 44100, 1});
    RunBatch(wma);
    ASSERT_EQ(wma.taskStatus[0], AVConvert::kTaskConverted) << wma.FailureReason(0);
    const std::vector<std::int16_t> click = DecodedSamples(wma.outputPaths[0], 44100);
    ASSERT_GT(click.size(), 2000u);
    const auto loudest = std::max_element(click.begin(), click.end(),
                                          [](auto a, auto b) { return std::abs(a) < std::abs(b); });
    EXPECT_NEAR(loudest - click.begin(), 1000, 8);
    EXPECT_GT(std::abs(*loudest), 10000);

    // The clip from 2 s: the decoded source's samples from 2 s on (its sound starts a few
    // milliseconds into the file), the same to the sample but for a timestamp's rounding.
    const std::string webm = Media("rising_vorbis.webm").string();
    AVConvert clip;
    FillJob(clip, {{webm, out.File("clip.wav"), 2.0, 4.0}}, {AV_CODEC_ID_PCM_S16LE, 0, 44100, 1});
    RunBatch(clip);
    ASSERT_EQ(clip.taskStatus[0], AVConvert::kTaskConverted) << clip.FailureReason(0);
    const std::vector<std::int16_t> whole = DecodedSamples(webm, 44100);
    const std::vector<std::int16_t> cut = DecodedSamples(clip.outputPaths[0], 44100);
    ASSERT_GT(cut.size(), 4000u);
    const double soundStart = std::atof(
        RunCommand("ffprobe -v error -select_streams a -read_intervals %+#20 -show_entries "
                   "frame=pts_time -of csv=p=0 '" +
                   webm + "'")
            .c_str());
    const long expected = 88200 - std::lround(soundStart * 44100);
    long found = -1;
    for (long at = expected - 600; at <= expected + 600 && found < 0; ++at) {
        if (std::equal(cut.begin() + 100, cut.begin() + 4000, whole.begin() + at + 100)) {
            found = at;
        }
    }
    EXPECT_NEAR(found, expected, 23) << "a millisecond's rounding at most";

    const std::string loud = Media("loud_float.wav").string();
    AVConvert ogg;
    FillJob(ogg, {{loud, out.File("loud.ogg")}}, {AV_CODEC_ID_VORBIS, 128000, 44100, 1});
    RunBatch(ogg);
    ASSERT_EQ(ogg.taskStatus[0], AVConvert::kTaskConverted) << ogg.FailureReason(0);
    RunCommand("ffmpeg -nostdin -v error -y -i '" + loud + "' -c:a libvorbis -b:a 128k '" +
               out.File("ffmpeg.ogg") + "'");
    EXPECT_GT(PeakDb(ogg.outputPaths[0]), 5.0) << "twice full scale is +6 dB";
    EXPECT_NEAR(PeakDb(ogg.outputPaths[0]), PeakDb(out.File("ffmpeg.ogg")), 0.5);
}

// Normalised to -16 LUFS: quiet speech, a sine and a loud sine land on the target with one gain;
// a quiet tone with loud clicks too, its clicks held under the ceiling by the limiter; a merge of
// a quiet and a loud file plays at one level; silence is left as it is, with a note.
TEST(ExactSound, NormalisingBringsEveryFileToTheTarget) {
    ScratchDir out;
    const std::vector<std::string> names = {"speech_quiet.wav", "sine_20.wav", "sine_8.wav",
                                            "peaky_tone.wav"};
    std::vector<TaskSpec> tasks;
    for (const std::string& name : names) {
        tasks.push_back({Media(name).string(), out.File(name + ".mp3")});
    }
    tasks.push_back({Media("silence_3.wav").string(), out.File("silence.mp3")});
    AVConvert job;
    FillJob(job, tasks, {AV_CODEC_ID_MP3, 192000, 44100, 1},
            [](JobPlan& plan) { plan.normalize = true; });
    RunBatch(job);
    for (std::size_t i = 0; i < names.size(); ++i) {
        ASSERT_EQ(job.taskStatus[i], AVConvert::kTaskConverted) << job.FailureReason(int(i));
        const auto [integrated, peak] = FfmpegLoudness(job.outputPaths[i]);
        EXPECT_NEAR(integrated, -16.0, 0.5) << names[i];
        EXPECT_LE(peak, -0.9) << names[i];
        EXPECT_NEAR(DecodedSeconds(job.outputPaths[i]), DecodedSeconds(tasks[i].source), 0.03)
            << names[i] << ": the whole sound";
    }
    ASSERT_EQ(job.taskStatus[4], AVConvert::kTaskConverted) << job.FailureReason(4);
    EXPECT_NE(job.TaskNote(4).find("silent"), std::string::npos) << job.TaskNote(4);

    // A mono source written in stereo (each channel 3 dB under the mono one): the ceiling holds
    // the channels written, so the target is met and the peaks come up to the ceiling, not
    // 3 dB under it (where the limiter would also have taken loudness away).
    for (const AudioSettings& stereo : {AudioSettings{AV_CODEC_ID_PCM_S16LE, 0, 44100, 2},
                                        AudioSettings{AV_CODEC_ID_OPUS, 128000, 48000, 2}}) {
        AVConvert two;
        FillJob(two,
                {{Media("peaky_tone.wav").string(), out.File("peaky_stereo.mka")},
                 {Media("speech_quiet.wav").string(), out.File("speech_stereo.mka")}},
                stereo, [](JobPlan& plan) { plan.normalize = true; });
        RunBatch(two);
        for (int i = 0; i < 2; ++i) {
            ASSERT_EQ(two.taskStatus[static_cast<std::size_t>(i)], AVConvert::kTaskConverted)
                << two.FailureReason(i);
            const auto [integrated, peak] =
                FfmpegLoudness(two.outputPaths[static_cast<std::size_t>(i)]);
            EXPECT_NEAR(integrated, -16.0, 0.5) << two.outputPaths[static_cast<std::size_t>(i)];
            EXPECT_LE(peak, -0.9);
        }
        EXPECT_GE(FfmpegLoudness(two.outputPaths[0]).second, -2.0)
            << "the limited peaks reach the ceiling";
    }

    AVConvert merge;
    FillJob(merge,
            {{Media("speech_quiet.wav").string(), out.File("merged.mp3")},
             {Media("sine_8.wav").string(), out.File("merged.mp3")}},
            {AV_CODEC_ID_MP3, 192000, 44100, 1}, [](JobPlan& plan) { plan.normalize = true; });
    RunMerge(merge);
    ASSERT_EQ(merge.taskStatus[0], AVConvert::kTaskConverted) << merge.FailureReason(0);
    const double quiet = FfmpegLoudness(merge.outputPaths[0], 0.0, 8.0).first;
    const double loud = FfmpegLoudness(merge.outputPaths[0], 8.0, 6.0).first;
    EXPECT_NEAR(quiet, loud, 1.0);
    EXPECT_NEAR(loud, -16.0, 0.5);
}

TEST(ExactSound, TrimmedEndsStayWhereTheUserPutThem) {
    ScratchDir out;
    AVConvert job;
    FillJob(job,
            {{Media("odd_5.72.mp4").string(), out.File("a.wav"), 0.0, 5.0},
             {Media("odd_5.72.mp4").string(), out.File("b.wav"), 1.0, 3.0}},
            {AV_CODEC_ID_PCM_S16LE});
    RunBatch(job);
    ASSERT_EQ(job.taskStatus[0], AVConvert::kTaskConverted);
    ASSERT_EQ(job.taskStatus[1], AVConvert::kTaskConverted);
    EXPECT_NEAR(DecodedSeconds(job.outputPaths[0]), 5.0, 0.001);
    EXPECT_NEAR(DecodedSeconds(job.outputPaths[1]), 2.0, 0.001);
}

TEST(ExactSound, ATaskThatWritesNoSoundFailsAndLeavesNoFile) {
    ScratchDir out;
    AVConvert job;
    FillJob(job,
            {// A clip that starts after the sound has ended (the picture goes on to 2 s).
             {Media("picture_longer.mp4").string(), out.File("late.mp3"), 1.5, 2.0},
             // A clip of length zero.
             {Media("h264_aac.mp4").string(), out.File("empty.wav"), 1.0, 1.0},
             {Media("short_1s.mp4").string(), out.File("fine.mp3")}},
            {AV_CODEC_ID_MP3});
    RunBatch(job);
    EXPECT_EQ(job.taskStatus[0], AVConvert::kTaskFailed);
    EXPECT_EQ(job.taskStatus[1], AVConvert::kTaskFailed);
    EXPECT_EQ(job.taskStatus[2], AVConvert::kTaskConverted);
    EXPECT_FALSE(fs::exists(out.File("late.mp3")));
    EXPECT_FALSE(fs::exists(out.File("empty.wav")));
    EXPECT_TRUE(fs::exists(out.File("fine.mp3")));
}

TEST(ExactSound, MergeJoinsTheSourcesWithoutAGap) {
    const std::vector<std::string> pieces = {
        Media("tone_a.mka").string(), Media("tone_b.mka").string(), Media("tone_c.mka").string()};
    const double sum = 3.37 + 2.41 + 4.6;
    for (const Format& format : {kFormats[0], kFormats[1]}) {
        ScratchDir out;
        AVConvert job;
        const std::string name = out.File(std::string("merged") + format.extension);
        FillJob(job, {{pieces[0], name}, {pieces[1], name}, {pieces[2], name}}, {format.codecId});
        RunMerge(job);
        for (int i = 0; i < 3; ++i) {
            ASSERT_EQ(job.taskStatus[static_cast<std::size_t>(i)], AVConvert::kTaskConverted);
        }
        const std::vector<std::int16_t> samples = DecodedSamples(name, 44100);
        // Within one MP3 frame of the summed lengths.
        EXPECT_NEAR(static_cast<double>(samples.size()) / 44100, sum, 1152.0 / 44100)
            << format.extension;
        // A 440 Hz tone at half scale passes zero in a sample or two; silence at a join is a
        // longer quiet run.
        EXPECT_LE(LongestQuietRun(samples, 500, 4410), 2) << format.extension;
    }
}

TEST(ExactSound, MergeEntryWithoutSoundIsAFailure) {
    ScratchDir out;
    AVConvert job;
    const std::string name = out.File("merged.mp3");
    FillJob(job,
            {{Media("short_1s.mp4").string(), name},
             {Media("video_only.mp4").string(), name},
             {Media("short_audio_1s.m4a").string(), name}},
            {AV_CODEC_ID_MP3});
    RunMerge(job);
    EXPECT_EQ(job.taskStatus[0], AVConvert::kTaskConverted);
    EXPECT_EQ(job.taskStatus[1], AVConvert::kTaskFailed) << "it adds nothing";
    EXPECT_EQ(job.taskStatus[2], AVConvert::kTaskConverted);
    EXPECT_NEAR(DecodedSeconds(name), 2.0, 0.05);
}

// ---- Files that cannot be finished (writes fail as on a full disk; DiskFailureTest fills a
// real one) ----

TEST(ExactSound, ATrailerThatFailsFailsTheTaskAndEveryMergedEntry) {
    ScratchDir out;
    {
        // A second of MP3 fits in the output's buffer: the first write is the trailer's.
        FileSizeLimit limit(2048);
        AVConvert batch;
        FillJob(batch, {{Media("short_1s.mp4").string(), out.File("one.mp3")}}, {AV_CODEC_ID_MP3});
        RunBatch(batch);
        EXPECT_EQ(batch.taskStatus[0], AVConvert::kTaskFailed);

        AVConvert merge;
        const std::string name = out.File("merged.mp3");
        FillJob(
            merge,
            {{Media("short_1s.mp4").string(), name}, {Media("short_audio_1s.m4a").string(), name}},
            {AV_CODEC_ID_MP3});
        RunMerge(merge);
        EXPECT_EQ(merge.taskStatus[0], AVConvert::kTaskFailed);
        EXPECT_EQ(merge.taskStatus[1], AVConvert::kTaskFailed);

        AVConvert stopped;
        FillJob(
            stopped,
            {{Media("short_1s.mp4").string(), name}, {Media("short_audio_1s.m4a").string(), name}},
            {AV_CODEC_ID_MP3});
        RunAndStopAt(stopped, true, 30);
        EXPECT_NE(stopped.taskStatus[0], AVConvert::kTaskConverted) << "also after Stop";
    }
    EXPECT_TRUE(fs::is_empty(out.Path())) << "nothing is left behind";
}

TEST(ExactSound, PathsAsLongAsLinuxAllows) {
    ScratchDir out;
    // A deep folder: the whole path is far over 255 bytes, every name within 255.
    fs::path deep = out.Path();
    for (int i = 0; i < 6; ++i) {
        deep /= std::string(60, static_cast<char>('a' + i));
    }
    fs::create_directories(deep);
    const std::string longest = (deep / (std::string(251, 'x') + ".mp3")).string();
    std::ofstream(longest) << "taken";
    AVConvert job;
    FillJob(job,
            {{Media("short_1s.mp4").string(), (deep / "talk.mp3").string()},
             // The numbered name would pass 255 bytes: a clear failure, nothing cut.
             {Media("short_1s.mp4").string(), longest},
             {Media("short_1s.mp4").string(), (deep / (std::string(256, 'y') + ".mp3")).string()}},
            {AV_CODEC_ID_MP3});
    RunBatch(job);
    EXPECT_EQ(job.taskStatus[0], AVConvert::kTaskConverted);
    EXPECT_EQ(job.outputPaths[0], (deep / "talk.mp3").string());
    EXPECT_EQ(job.taskStatus[1], AVConvert::kTaskFailed);
    EXPECT_EQ(ReadFile(longest), "taken");
    EXPECT_EQ(job.taskStatus[2], AVConvert::kTaskFailed);
    EXPECT_EQ(std::distance(fs::directory_iterator(deep), fs::directory_iterator()), 2);
}

TEST(ExactSound, TheWorkersHonourTheirTaskLimit) {
    // More rows than a run holds: the workers stop at the limit instead of reading past it.
    AVConvert job;
    job.ResetTasks(AVConvert::kMaxTasks);
    auto plan = std::make_shared<JobPlan>();
    plan->tasks.resize(AVConvert::kMaxTasks + 1);
    plan->settings.audioCodecId = AV_CODEC_ID_MP3;
    job.plan = plan;
    RunBatch(job);
    EXPECT_EQ(job.taskStatus[AVConvert::kMaxTasks - 1], AVConvert::kTaskFailed);
    EXPECT_EQ(job.taskStatus[AVConvert::kMaxTasks], AVConvert::kTaskPending);
}

}  // namespace
}  // namespace tolvane::test
