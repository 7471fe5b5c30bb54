// The merge worker: all tasks into one output file.

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>
#include <vector>

extern "C" {
#include <libavcodec/codec_id.h>
}

#include "AVConvert.h"
#include "TestSupport.h"
#include "Workers.h"

namespace tolvane::test {
namespace {

namespace fs = std::filesystem;

std::vector<TaskSpec> TenSecondTasks(const ScratchDir& out, const char* extension) {
    std::vector<TaskSpec> tasks;
    for (int n = 1; n <= 3; ++n) {
        tasks.push_back({Media("ten_" + std::to_string(n) + ".mp4").string(),
                         out.File("ten_" + std::to_string(n) + extension)});
    }
    return tasks;
}

struct MergeCase {
    const char* label;
    AVCodecID codec;
    const char* extension;
};

class MergeFormatTest : public ::testing::TestWithParam<MergeCase> {};

TEST_P(MergeFormatTest, ThreeSourcesBecomeOneFileNamedAfterTheFirst) {
    ScratchDir out;
    AVConvert job;
    FillJob(job, TenSecondTasks(out, GetParam().extension), {GetParam().codec});
    RunMerge(job);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(job.taskStatus[static_cast<std::size_t>(i)], AVConvert::kTaskConverted) << i;
    }
    EXPECT_EQ(job.currentTask, 3);
    EXPECT_EQ(job.fileProgress, 100);
    EXPECT_EQ(job.outputPaths[0], out.File(std::string("ten_1") + GetParam().extension));
    EXPECT_NEAR(AudioPacketsEnd(job.outputPaths[0]), 30.0, 0.3);
    EXPECT_FALSE(fs::exists(out.File(std::string("ten_2") + GetParam().extension)));
}

INSTANTIATE_TEST_SUITE_P(Formats, MergeFormatTest,
                         ::testing::Values(MergeCase{"mp3", AV_CODEC_ID_MP3, ".mp3"},
                                           MergeCase{"wav", AV_CODEC_ID_PCM_S16LE, ".wav"},
                                           MergeCase{"wma", AV_CODEC_ID_WMAV2, ".wma"},
                                           MergeCase{"ogg", AV_CODEC_ID_VORBIS, ".ogg"}),
                         [](const auto& info) { return std::string(info.param.label); });

TEST(MergeWorker, ClipTimesHaveNoEffect) {
    ScratchDir out;
    AVConvert job;
    auto tasks = TenSecondTasks(out, ".mp3");
    tasks[0].start = 2.0;
    tasks[0].end = 4.0;
    FillJob(job, tasks, {AV_CODEC_ID_MP3});
    RunMerge(job);
    EXPECT_NEAR(AudioPacketsEnd(job.outputPaths[0]), 30.0, 0.3);
}

TEST(MergeWorker, ProgressRisesOverTheWholeMergeAndReaches100AfterTheTrailer) {
    ScratchDir out;
    AVConvert job;
    FillJob(job, TenSecondTasks(out, ".mp3"), {AV_CODEC_ID_MP3});
    ConversionThread worker;
    struct Sample {
        int task;
        int progress;
    };
    std::vector<Sample> samples;
    worker.Start(job, WorkerKind::Merge);
    while (worker.Running()) {
        samples.push_back({job.currentTask.load(), job.fileProgress.load()});
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    worker.Join();
    ASSERT_EQ(job.taskStatus[2], AVConvert::kTaskConverted);
    EXPECT_EQ(job.fileProgress, 100);
    int previous = 0;
    bool sawSecondHalf = false;
    for (const Sample& s : samples) {
        if (s.progress < 0 || s.task >= 3) {
            continue;  // an entry being opened, or the end
        }
        EXPECT_GE(s.progress, previous) << "progress never falls back within a merge";
        if (s.task < 2) {
            // (During the last entry a sample may fall after its trailer.)
            EXPECT_LT(s.progress, 100) << "100 only once the trailer is written";
        }
        // The whole merge is the denominator: each entry covers about a third of it.
        EXPECT_GE(s.progress, s.task * 33 - 3);
        EXPECT_LE(s.progress, (s.task + 1) * 34 + 3);
        sawSecondHalf = sawSecondHalf || s.progress > 50;
        previous = s.progress;
    }
    EXPECT_TRUE(sawSecondHalf);
}

TEST(MergeWorker, BadFirstEntryStillYieldsAPlayableFileOfTheOthers) {
    ScratchDir out;
    AVConvert job;
    auto tasks = TenSecondTasks(out, ".mp3");
    tasks.insert(tasks.begin(), TaskSpec{Media("not_media.mp4").string(), out.File("bad.mp3")});
    tasks.insert(tasks.begin(), TaskSpec{"", ""});  // a row that was not checked
    tasks.insert(tasks.begin() + 3, TaskSpec{Media("truncated.mp4").string(), out.File("t.mp3")});
    FillJob(job, tasks, {AV_CODEC_ID_MP3});
    RunMerge(job);
    const std::uint8_t expected[] = {2, 2, 1, 2, 1, 1};
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(job.taskStatus[i], expected[i]) << i;
    }
    EXPECT_FALSE(fs::exists(out.File("bad.mp3")));
    // The first entry that opens sets the output up, under its own name.
    EXPECT_EQ(job.outputPaths[2], out.File("ten_1.mp3"));
    EXPECT_NEAR(AudioPacketsEnd(out.File("ten_1.mp3")), 30.0, 0.3);
}

TEST(MergeWorker, BadLastEntryStillClosesTheFile) {
    ScratchDir out;
    AVConvert job;
    auto tasks = TenSecondTasks(out, ".wav");
    tasks.push_back({Media("empty.mp4").string(), out.File("empty.wav")});
    FillJob(job, tasks, {AV_CODEC_ID_PCM_S16LE});
    RunMerge(job);
    EXPECT_EQ(job.taskStatus[3], AVConvert::kTaskFailed);
    EXPECT_EQ(job.currentTask, 4);
    // A WAV whose header was never completed states no length; this one states 30 s.
    const ProbedStream probed = Ffprobe(out.File("ten_1.wav"));
    EXPECT_NEAR(probed.duration, 30.0, 0.3);
}

TEST(MergeWorker, StopClosesWhatWasMergedAsAPlayableFile) {
    ScratchDir out;
    AVConvert job;
    FillJob(job,
            {{Media("long_60.m4a").string(), out.File("long.mp3")},
             {Media("long_60.m4a").string(), out.File("long2.mp3")}},
            {AV_CODEC_ID_MP3});
    RunAndStopAt(job, true, 10);
    EXPECT_EQ(job.taskStatus[0], AVConvert::kTaskPending);
    EXPECT_EQ(job.taskStatus[1], AVConvert::kTaskPending);
    const ProbedStream probed = Ffprobe(out.File("long.mp3"));
    ASSERT_TRUE(probed.found);
    EXPECT_GT(AudioPacketsEnd(out.File("long.mp3")), 5.0);
    EXPECT_LT(AudioPacketsEnd(out.File("long.mp3")), 119.0);
}

TEST(MergeWorker, EntryWithAStreamTheOutputLacksAddsWhatItCan) {
    ScratchDir out;
    AVConvert job;
    FillJob(job,
            {{Media("video_only.mp4").string(), out.File("v.avi")},
             {Media("h264_aac.mp4").string(), out.File("av.avi")}},
            {AV_CODEC_ID_MP3}, [](JobPlan& plan) { IncludeVideo(plan, {AV_CODEC_ID_MPEG4}); });
    RunMerge(job);
    EXPECT_EQ(job.taskStatus[0], AVConvert::kTaskConverted);
    EXPECT_EQ(job.taskStatus[1], AVConvert::kTaskConverted);
    EXPECT_FALSE(Ffprobe(out.File("v.avi"), "a").found);
    EXPECT_NEAR(Ffprobe(out.File("v.avi"), "v").duration, 10.0, 0.5);
}

TEST(MergeWorker, NothingOpensNothingIsWritten) {
    ScratchDir out;
    AVConvert job;
    FillJob(job,
            {{Media("not_media.mp4").string(), out.File("a.mp3")},
             {Media("empty.mp4").string(), out.File("b.mp3")}},
            {AV_CODEC_ID_MP3});
    RunMerge(job);
    EXPECT_EQ(job.taskStatus[0], AVConvert::kTaskFailed);
    EXPECT_EQ(job.taskStatus[1], AVConvert::kTaskFailed);
    EXPECT_EQ(job.currentTask, 2);
    EXPECT_TRUE(fs::is_empty(out.Path()));
}

TEST(MergeWorker, IncludingVideoMergesBothStreams) {
    ScratchDir out;
    AVConvert job;
    FillJob(job, TenSecondTasks(out, ".avi"), {AV_CODEC_ID_MP3}, [](JobPlan& plan) {
        IncludeVideo(plan, {AV_CODEC_ID_MPEG4, 160, 120, 0});
        plan.settings.writeThumbnail = 1;
    });
    RunMerge(job);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(job.taskStatus[i], AVConvert::kTaskConverted) << i;
        // One thumbnail per entry, named after that entry's own output path.
        EXPECT_TRUE(fs::exists(out.File("ten_" + std::to_string(i + 1) + ".THM"))) << i;
    }
    EXPECT_NEAR(Ffprobe(out.File("ten_1.avi"), "v").duration, 30.0, 0.5);
}

}  // namespace
}  // namespace tolvane::test
