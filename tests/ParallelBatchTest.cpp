// A batch that converts several tasks at once: the same files and statuses as one at a time,
// progress that only moves forward, reports for every task, and a Stop that leaves every
// started file playable.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

extern "C" {
#include <libavcodec/codec_id.h>
}

#include "AVConvert.h"
#include "JobPlan.h"
#include "SegmentJoin.h"
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

// The signal-to-noise ratio (dB) of `coded` against `source` in windows of `window` samples,
// and over the whole.
struct FrameRatios {
    std::vector<double> windows;
    double whole = 0.0;
};
FrameRatios RatiosAgainst(const std::vector<std::int16_t>& source,
                          const std::vector<std::int16_t>& coded, std::size_t window) {
    const std::size_t kWindow = window;
    FrameRatios ratios;
    double signal = 0.0;
    double noise = 0.0;
    for (std::size_t at = 0; at + kWindow <= std::min(source.size(), coded.size()); at += kWindow) {
        double s = 1e-3;
        double n = 1e-3;
        for (std::size_t i = at; i < at + kWindow; ++i) {
            const double x = source[i];
            const double e = static_cast<double>(coded[i]) - x;
            s += x * x;
            n += e * e;
        }
        ratios.windows.push_back(10.0 * std::log10(s / n));
        signal += s;
        noise += n;
    }
    ratios.whole = 10.0 * std::log10(signal / noise);
    return ratios;
}

// One task converted on one lane, then on two (in segments at once): the outputs, each decoding
// without an error; the second's report is the first's and says it was encoded in segments.
std::vector<std::string> ConvertOnOneLaneThenTwo(const ScratchDir& out, const std::string& source,
                                                 const AudioSettings& audio,
                                                 const std::string& extension,
                                                 const std::function<void(JobPlan&)>& adjust = {}) {
    std::vector<std::string> outputs;
    std::string note;
    for (const int lanes : {1, 2}) {
        AVConvert job;
        FillJob(job,
                {{source,
                  out.File(fs::path(source).stem().string() + std::to_string(lanes) + extension)}},
                audio, [lanes, &adjust](JobPlan& plan) {
                    plan.parallelTasks = lanes;
                    if (adjust) {
                        adjust(plan);
                    }
                });
        RunBatch(job);
        EXPECT_EQ(job.taskStatus[0], AVConvert::kTaskConverted) << job.FailureReason(0);
        if (lanes == 1) {
            note = job.TaskNote(0);
        } else {
            EXPECT_EQ(job.TaskNote(0),
                      (note.empty() ? note : note + "; ") + "encoded in 2 segments at once");
        }
        outputs.push_back(job.outputPaths[0]);
        EXPECT_EQ(
            RunCommand("ffmpeg -nostdin -v error -i \"" + job.outputPaths[0] + "\" -f null - 2>&1"),
            "")
            << "decodes without an error";
    }
    return outputs;
}

// How close a joined encode must stay to the one-piece encode: in every window of `window`
// samples at `rate` (a click, gap or doubled frame at a join is not), and over the whole.
struct Closeness final {
    int rate = 44100;
    std::size_t window = 1152;  // one MP3 frame
    double windowDecibels = 1.5;
    // The source's length too (an MP4's AAC decodes with its last frame's padding, as the
    // one-piece encode and ffmpeg's own do).
    bool sourceLength = true;
};

// The joined output is as long as the source to the sample, and as close to it as one encode.
void ExpectAsCloseAsOneEncode(const std::string& source, const std::vector<std::string>& outputs,
                              Closeness closeness = {}) {
    const std::vector<std::int16_t> original = DecodedSamples(source, closeness.rate);
    const std::vector<std::int16_t> whole = DecodedSamples(outputs[0], closeness.rate);
    const std::vector<std::int16_t> joined = DecodedSamples(outputs[1], closeness.rate);
    EXPECT_EQ(joined.size(), whole.size()) << source;
    if (closeness.sourceLength) {
        EXPECT_EQ(joined.size(), original.size()) << source;
    }
    const FrameRatios one = RatiosAgainst(original, whole, closeness.window);
    const FrameRatios two = RatiosAgainst(original, joined, closeness.window);
    ASSERT_EQ(one.windows.size(), two.windows.size());
    std::size_t worst = 0;
    for (std::size_t i = 0; i < one.windows.size(); ++i) {
        if (one.windows[i] - two.windows[i] > one.windows[worst] - two.windows[worst]) {
            worst = i;
        }
    }
    EXPECT_LE(one.windows[worst] - two.windows[worst], closeness.windowDecibels)
        << source << ": the window at "
        << static_cast<double>(worst * closeness.window) / closeness.rate << " s";
    EXPECT_NEAR(two.whole, one.whole, 1.0) << source;
}

// Five minutes of music-like sound (pink noise and a sweep) to MP3 on two lanes.
TEST(ParallelBatch, OneLongSoundOnTwoLanesIsAsCloseToItsSourceAsOneEncode) {
    ScratchDir out;
    const std::string music = out.File("music.wav");
    RunCommand(
        "ffmpeg -nostdin -v error -f lavfi -i anoisesrc=d=300:c=pink:a=0.25:s=44100 -f lavfi "
        "-i \"aevalsrc='0.3*sin(2*PI*(200+10*t)*t)':s=44100:d=300\" -filter_complex "
        "\"[0][1]amix=inputs=2:normalize=0\" -c:a pcm_s16le " +
        music);
    ExpectAsCloseAsOneEncode(
        music, ConvertOnOneLaneThenTwo(out, music, {AV_CODEC_ID_MP3, 128000, 44100, 1}, ".mp3"));
}

// A mix of two sound tracks, the voice's ducking in it, in segments on two lanes: each segment
// mixes at the levels set for the whole (the rest, louder after 40 s, measured over the whole,
// not again over a segment's own part) and has its ducking settled where it joins, so the joined
// mix is the one-piece mix in every 100 ms.
TEST(ParallelBatch, AMixInSegmentsIsTheOnePieceMix) {
    ScratchDir out;
    const std::string two = out.File("two.mov");
    RunCommand(
        "ffmpeg -nostdin -v error -f lavfi -i "
        "\"aevalsrc=0.3*sin(2*PI*440*t)*lt(mod(t\\,3.7)\\,1.3):s=44100:d=130\" -f lavfi "
        "-i \"aevalsrc=0.1*(1+2*gt(t\\,40))*sin(2*PI*(300+2*t)*t):s=44100:d=130\" -map 0 -map 1 "
        "-c:a pcm_s16le " +
        two);
    TrackMix mix;
    mix.tracks = {1, 2};
    mix.gainsDb = {0.0, 0.0};
    mix.voice = 1;
    mix.voiceLu = 6.0;
    mix.duckDb = 9.0;
    const std::vector<std::string> outputs = ConvertOnOneLaneThenTwo(
        out, two, {AV_CODEC_ID_FLAC, 0, 44100, 1}, ".flac", [&mix](JobPlan& plan) {
            plan.tasks[0].soundTrack = 1;
            plan.tasks[0].mix = mix;
        });
    const std::vector<std::int16_t> whole = DecodedSamples(outputs[0], 44100);
    const std::vector<std::int16_t> joined = DecodedSamples(outputs[1], 44100);
    EXPECT_EQ(joined.size(), 130U * 44100U);
    EXPECT_EQ(joined.size(), whole.size());
    const FrameRatios ratios = RatiosAgainst(whole, joined, 4410);
    const auto worst = std::min_element(ratios.windows.begin(), ratios.windows.end());
    ASSERT_NE(worst, ratios.windows.end());
    EXPECT_GT(*worst, 40.0) << "at " << static_cast<double>(worst - ratios.windows.begin()) / 10.0
                            << " s";
}

// Opus, WMA and Vorbis on two lanes: music-like sound and a pure tone across the join as
// close to their sources as one encode in every 100 ms, the one encode's length to the sample;
// a stop leaves a file that plays.
TEST(ParallelBatch, OpusWmaAndVorbisSegmentsJoinAsOneEncode) {
    ScratchDir out;
    const std::string music = out.File("music.wav");
    RunCommand(
        "ffmpeg -nostdin -v error -f lavfi -i anoisesrc=d=125:c=pink:a=0.25:s=44100 -f lavfi "
        "-i \"aevalsrc='0.3*sin(2*PI*(200+10*t)*t)':s=44100:d=125\" -filter_complex "
        "\"[0][1]amix=inputs=2:normalize=0\" -ac 2 -c:a pcm_s16le " +
        music);
    const std::string tone = out.File("tone.wav");
    RunCommand(
        "ffmpeg -nostdin -v error -f lavfi -i sine=frequency=1000:sample_rate=44100:d=125 "
        "-af volume=0.5 -ac 2 -c:a pcm_s16le " +
        tone);
    for (const auto& [audio, extension] :
         {std::pair{AudioSettings{AV_CODEC_ID_OPUS, 128000, 48000, 2}, ".opus"},
          std::pair{AudioSettings{AV_CODEC_ID_WMAV2, 128000, 44100, 2}, ".wma"},
          std::pair{AudioSettings{AV_CODEC_ID_VORBIS, 128000, 44100, 2}, ".ogg"}}) {
        const Closeness everyTenth{
            audio.sampleRate, static_cast<std::size_t>(audio.sampleRate / 10), 3.0,
            audio.codecId == AV_CODEC_ID_OPUS || audio.codecId == AV_CODEC_ID_VORBIS};
        for (const std::string& source : {music, tone}) {
            ExpectAsCloseAsOneEncode(source, ConvertOnOneLaneThenTwo(out, source, audio, extension),
                                     everyTenth);
        }
        AVConvert stopped;
        FillJob(stopped, {{music, out.File(std::string("stopped") + extension)}}, audio,
                [](JobPlan& plan) { plan.parallelTasks = 2; });
        RunAndStopAt(stopped, false, 30);
        ASSERT_NE(stopped.taskStatus[0], AVConvert::kTaskFailed) << stopped.FailureReason(0);
        EXPECT_EQ(RunCommand("ffmpeg -nostdin -v error -i \"" + stopped.outputPaths[0] +
                             "\" -f null - 2>&1"),
                  "")
            << extension;
        EXPECT_GT(DecodedSeconds(stopped.outputPaths[0]), 1.0) << extension;
    }
}

// A pure tone across the join shows any seam; FLAC (its frames renumbered) and WAV (its frames
// waiting in the spill file) are the one-lane output to the sample; a source that ends early
// reports so; a stop leaves a file that plays.
TEST(ParallelBatch, SegmentsJoinWithoutASeamAndReportAsOneTask) {
    ScratchDir out;
    const std::string tone = out.File("tone.wav");
    RunCommand(
        "ffmpeg -nostdin -v error -f lavfi -i sine=frequency=1000:sample_rate=44100:d=150 "
        "-af volume=0.5 -c:a pcm_s16le " +
        tone);
    ExpectAsCloseAsOneEncode(
        tone, ConvertOnOneLaneThenTwo(out, tone, {AV_CODEC_ID_MP3, 128000, 44100, 1}, ".mp3"));
    for (const auto& [codec, rate, extension] :
         {std::tuple{AV_CODEC_ID_FLAC, 48000, ".flac"},
          std::tuple{AV_CODEC_ID_PCM_S16LE, 48000, ".wav"}}) {
        const std::vector<std::string> outputs =
            ConvertOnOneLaneThenTwo(out, tone, {codec, 0, rate, 2}, extension);
        EXPECT_EQ(DecodedSamples(outputs[0], 48000), DecodedSamples(outputs[1], 48000))
            << extension;
        if (codec == AV_CODEC_ID_FLAC) {
            // STREAMINFO's MD5 of the sound (after "fLaC", the block's header and 18 bytes):
            // the joined stream's is the one-piece encode's, never left unset.
            const std::string unset(16, '\0');
            const std::string one = ReadFile(outputs[0]).substr(26, 16);
            EXPECT_NE(one, unset);
            EXPECT_EQ(ReadFile(outputs[1]).substr(26, 16), one) << "the joined FLAC's MD5";
        }
    }

    RunCommand("ffmpeg -nostdin -v error -i " + out.File("tone1.mp3") + " -c copy " +
               out.File("tone.mkv"));
    const std::string whole = ReadFile(out.File("tone.mkv"));
    std::ofstream(out.File("cut.mkv"), std::ios::binary) << whole.substr(0, whole.size() * 4 / 5);
    const std::vector<std::string> cut = ConvertOnOneLaneThenTwo(
        out, out.File("cut.mkv"), {AV_CODEC_ID_MP3, 128000, 44100, 1}, ".mp3");
    EXPECT_EQ(DecodedSamples(cut[1], 44100).size(), DecodedSamples(cut[0], 44100).size());

    AVConvert stopped;
    FillJob(stopped, {{tone, out.File("stopped.mp3")}}, {AV_CODEC_ID_MP3, 128000, 44100, 1},
            [](JobPlan& plan) { plan.parallelTasks = 2; });
    RunAndStopAt(stopped, false, 30);
    ASSERT_NE(stopped.taskStatus[0], AVConvert::kTaskFailed) << stopped.FailureReason(0);
    ASSERT_TRUE(fs::exists(stopped.outputPaths[0]));
    EXPECT_EQ(
        RunCommand("ffmpeg -nostdin -v error -i \"" + stopped.outputPaths[0] + "\" -f null - 2>&1"),
        "");
    EXPECT_GT(DecodedSeconds(stopped.outputPaths[0]), 1.0);
}

}  // namespace
}  // namespace tolvane::test

namespace tolvane::test {
namespace {

// A Layer III frame of MPEG-1, 128 kbit/s, 44.1 kHz, joint stereo (417 bytes, the main data
// after 4 + 32 bytes), its main data reaching `reservoir` bytes back, filled with `fill`.
PacketPtr Layer3Packet(int reservoir, std::uint8_t fill) {
    PacketPtr packet(av_packet_alloc());
    av_new_packet(packet.get(), 417);
    std::fill_n(packet->data, 417, fill);
    const std::uint8_t header[] = {0xFF, 0xFB, 0x90, 0x44};
    std::copy_n(header, 4, packet->data);
    packet->data[4] = static_cast<std::uint8_t>(reservoir >> 1);
    packet->data[5] = static_cast<std::uint8_t>((reservoir & 1) << 7);
    return packet;
}

// The reservoir bytes a joining frame takes from the frames before it in its own stream are
// carried into the main data areas of the frames before it in the output, across frames, and
// nothing else changes; what does not fit changes nothing.
TEST(SegmentJoin, CarriesTheReservoirIntoTheFramesBeforeTheJoin) {
    Layer3Frame frame;
    ASSERT_TRUE(ReadLayer3Frame(Layer3Packet(300, 0)->data, 417, frame));
    EXPECT_EQ(frame.dataStart, 36);
    EXPECT_EQ(frame.mainDataBegin, 300);
    EXPECT_FALSE(ReadLayer3Frame(Layer3Packet(0, 0)->data, 3, frame));

    std::vector<PacketPtr> own;  // the joining stream: its frames before the join
    own.push_back(Layer3Packet(0, 1));
    own.push_back(Layer3Packet(0, 2));
    std::fill_n(own[1]->data + 36, 381 - 100, 3);  // its last 100 bytes stay 2
    std::vector<PacketPtr> before;                 // the output's frames before the join
    before.push_back(Layer3Packet(0, 7));
    before.push_back(Layer3Packet(0, 8));
    const std::vector<const AVPacket*> source = {own[0].get(), own[1].get()};
    const std::vector<AVPacket*> tail = {before[0].get(), before[1].get()};
    ASSERT_TRUE(CarryReservoir(tail, source, 450));
    // The last 450 main data bytes: 69 of the first frame's (1s), then 281 of 3s and 100 of 2s.
    EXPECT_EQ(before[0]->data[417 - 70], 7);
    EXPECT_EQ(before[0]->data[417 - 69], 1);
    EXPECT_EQ(before[0]->data[416], 1);
    EXPECT_EQ(before[1]->data[3], 0x44) << "the header stays";
    EXPECT_EQ(before[1]->data[35], 8) << "the side information stays";
    EXPECT_EQ(before[1]->data[36], 3);
    EXPECT_EQ(before[1]->data[416 - 100], 3);
    EXPECT_EQ(before[1]->data[417 - 100], 2);
    EXPECT_FALSE(CarryReservoir(tail, source, 2 * 381 + 1));
    EXPECT_EQ(before[0]->data[36], 7);
}

// A FLAC frame renumbered carries a number of another length and checks that hold (renumbered
// back, it is the frame it was); a damaged frame is left alone.
TEST(SegmentJoin, RenumbersFlacFramesWithTheirChecks) {
    ScratchDir out;
    const std::string flac = out.File("tone.flac");
    RunCommand("ffmpeg -nostdin -v error -f lavfi -i sine=d=1 -c:a flac " + flac);
    AVFormatContext* opened = nullptr;
    ASSERT_EQ(avformat_open_input(&opened, flac.c_str(), nullptr, nullptr), 0);
    const InputContextPtr input(opened);
    PacketPtr frame(av_packet_alloc());
    for (int skipped = 0; skipped < 2; ++skipped) {  // frames 0 and 1
        ASSERT_EQ(av_read_frame(input.get(), frame.get()), 0);
        av_packet_unref(frame.get());
    }
    ASSERT_EQ(av_read_frame(input.get(), frame.get()), 0);  // frame 2
    const std::string original(reinterpret_cast<const char*>(frame->data),
                               static_cast<std::size_t>(frame->size));
    ASSERT_TRUE(RenumberFlacFrame(*frame, 70000));
    EXPECT_EQ(frame->size, static_cast<int>(original.size()) + 3);
    EXPECT_EQ(frame->data[4], 0xF0) << "four bytes of number";
    ASSERT_TRUE(RenumberFlacFrame(*frame, 2));
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(frame->data),
                          static_cast<std::size_t>(frame->size)),
              original);
    frame->data[frame->size / 2] ^= 0x10;
    EXPECT_FALSE(RenumberFlacFrame(*frame, 3));
    EXPECT_EQ(frame->data[4], 2);
}

}  // namespace
}  // namespace tolvane::test
