// A batch that converts several tasks at once: the same files and statuses as one at a time,
// progress that only moves forward, reports for every task, and a Stop that leaves every
// started file playable.

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
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

int FinishedTasks(const AVConvert& job, int count) {
    int done = 0;
    for (int i = 0; i < count; ++i) {
        const std::uint8_t status = job.taskStatus[static_cast<std::size_t>(i)].load();
        done += status == AVConvert::kTaskConverted || status == AVConvert::kTaskFailed ? 1 : 0;
    }
    return done;
}

int RunningTasks(const AVConvert& job, int count) {
    int running = 0;
    for (int i = 0; i < count; ++i) {
        running +=
            job.taskProgress[static_cast<std::size_t>(i)].load() >= 0 &&
                    job.taskStatus[static_cast<std::size_t>(i)].load() == AVConvert::kTaskPending
                ? 1
                : 0;
    }
    return running;
}

// What a window sees while the worker runs, polled as its timer would (but more often).
struct Watch {
    bool currentMovedBack = false;
    bool finishedWentDown = false;
    int mostRunning = 0;
    std::vector<int> startOrder;  // tasks in the order they were first seen started
};

Watch RunAndWatch(AVConvert& job, int count) {
    Watch watch;
    std::vector<bool> seen(static_cast<std::size_t>(count), false);
    int lastCurrent = -1;
    int lastFinished = 0;
    ConversionThread worker;
    worker.Start(job, WorkerKind::Batch);
    const auto look = [&] {
        const int current = job.currentTask.load();
        watch.currentMovedBack = watch.currentMovedBack || current < lastCurrent;
        lastCurrent = current;
        const int finished = FinishedTasks(job, count);
        watch.finishedWentDown = watch.finishedWentDown || finished < lastFinished;
        lastFinished = finished;
        watch.mostRunning = std::max(watch.mostRunning, RunningTasks(job, count));
        for (int i = 0; i < count; ++i) {
            const bool started =
                job.taskProgress[static_cast<std::size_t>(i)].load() >= 0 ||
                job.taskStatus[static_cast<std::size_t>(i)].load() != AVConvert::kTaskPending;
            if (!seen[static_cast<std::size_t>(i)] && started) {
                seen[static_cast<std::size_t>(i)] = true;
                watch.startOrder.push_back(i);
            }
        }
    };
    while (worker.Running()) {
        look();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    worker.Join();
    look();
    return watch;
}

std::vector<TaskSpec> SixTasks(const ScratchDir& out, const std::string& prefix) {
    return {{Media("odd_5.72.mp4").string(), out.File(prefix + "a.mp3")},
            {Media("not_media.mp4").string(), out.File(prefix + "b.mp3")},
            {Media("odd_44.65.ogg").string(), out.File(prefix + "c.mp3")},
            {Media("audio_only.m4a").string(), out.File(prefix + "d.mp3"), 1.0, 3.5},
            {Media("odd_0.9.webm").string(), out.File(prefix + "e.mp3")},
            {Media("ac3_51.mkv").string(), out.File(prefix + "f.mp3")}};
}

TEST(ParallelBatch, ThreeAtOnceGiveTheSameFilesAndStatusesAsOneAtATime) {
    ScratchDir out;
    AVConvert one;
    FillJob(one, SixTasks(out, "one_"), {AV_CODEC_ID_MP3});
    const Watch inOrder = RunAndWatch(one, 6);
    EXPECT_EQ(inOrder.startOrder, (std::vector<int>{0, 1, 2, 3, 4, 5})) << "task order";
    EXPECT_EQ(inOrder.mostRunning, 1);

    AVConvert three;
    FillJob(three, SixTasks(out, "three_"), {AV_CODEC_ID_MP3},
            [](JobPlan& plan) { plan.parallelTasks = 3; });
    const Watch watch = RunAndWatch(three, 6);
    EXPECT_FALSE(watch.currentMovedBack);
    EXPECT_FALSE(watch.finishedWentDown);
    EXPECT_LE(watch.mostRunning, 3);
    EXPECT_EQ(three.currentTask.load(), 6);
    EXPECT_EQ(FinishedTasks(three, 6), 6) << "the total rises to six";

    for (int i = 0; i < 6; ++i) {
        const auto index = static_cast<std::size_t>(i);
        EXPECT_EQ(three.taskStatus[index].load(), one.taskStatus[index].load()) << i;
        const AVConvert::TaskReport& report = three.taskReports[index];
        if (three.taskStatus[index].load() != AVConvert::kTaskConverted) {
            EXPECT_FALSE(report.failure.empty()) << i;
            EXPECT_FALSE(fs::exists(three.outputPaths[index])) << i;
            continue;
        }
        EXPECT_TRUE(report.failure.empty()) << i << ": " << report.failure;
        EXPECT_GT(report.wallSeconds, 0.0) << i;
        // The same encoder state per task: the same sound, sample for sample.
        EXPECT_EQ(DecodedSamples(three.outputPaths[index]), DecodedSamples(one.outputPaths[index]))
            << three.outputPaths[index];
        EXPECT_NEAR(report.soundSeconds, DecodedSeconds(three.outputPaths[index]), 0.08) << i;
    }
    EXPECT_EQ(three.taskStatus[1].load(), AVConvert::kTaskFailed) << "not media";
    EXPECT_NEAR(three.taskReports[3].soundSeconds, 2.5, 0.03) << "the clip";
}

TEST(ParallelBatch, TwoAtOnceRunTogetherAndStopLeavesEveryStartedFilePlayable) {
    ScratchDir out;
    AVConvert job;
    FillJob(job,
            {{Media("long_60.m4a").string(), out.File("a.ogg")},
             {Media("long_60.m4a").string(), out.File("b.ogg")},
             {Media("long_60.m4a").string(), out.File("c.ogg")},
             {Media("long_60.m4a").string(), out.File("d.ogg")}},
            {AV_CODEC_ID_VORBIS}, [](JobPlan& plan) { plan.parallelTasks = 2; });
    ConversionThread worker;
    worker.Start(job, WorkerKind::Batch);
    int mostRunning = 0;
    while (worker.Running() && job.taskProgress[0].load() < 10 && job.taskProgress[1].load() < 10) {
        mostRunning = std::max(mostRunning, RunningTasks(job, 4));
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    mostRunning = std::max(mostRunning, RunningTasks(job, 4));
    job.stopRequested = true;
    worker.Join();

    EXPECT_EQ(mostRunning, 2);
    for (const char* name : {"a.ogg", "b.ogg"}) {
        const ProbedStream probed = Ffprobe(out.File(name));
        ASSERT_TRUE(probed.found) << name;
        EXPECT_GT(DecodedSeconds(out.File(name)), 1.0) << name;
        EXPECT_LT(DecodedSeconds(out.File(name)), 59.0) << name;
    }
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(job.taskStatus[static_cast<std::size_t>(i)].load(), AVConvert::kTaskPending)
            << "not done: " << i;
    }
    EXPECT_FALSE(fs::exists(out.File("c.ogg")));
    EXPECT_FALSE(fs::exists(out.File("d.ogg")));
    EXPECT_EQ(job.currentTask.load(), 2) << "the first task that never started";
}

}  // namespace
}  // namespace tolvane::test
