// Outputs ready to listen to: another tempo keeps the pitch and lasts the clip's length over the
// tempo, to the sample, with its chapters moved; night mode narrows the loudness range under a
// true-peak ceiling; fades start and end in silence without a step; a crossfaded merge has its
// length and its chapters in the middle of each crossfade.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <string>
#include <vector>

extern "C" {
#include <libavcodec/codec_id.h>
}

#include "AVConvert.h"
#include "JobPlan.h"
#include "Loudness.h"
#include "TestSupport.h"

namespace tolvane::test {
namespace {

// Makes `path` with the ffmpeg command line from a lavfi source description.
void Generate(const std::string& path, const std::string& source, const std::string& more = "") {
    int code = 0;
    const std::string output = RunCommand(
        "ffmpeg -nostdin -v error -y -f lavfi -i \"" + source + "\" " + more + " '" + path + "'",
        &code);
    ASSERT_EQ(code, 0) << output;
}

// The chapters' start times ffprobe reads from a file.
std::vector<double> ChapterStarts(const std::string& path) {
    const std::string text =
        RunCommand("ffprobe -v error -show_entries chapter=start_time -of csv=p=0 '" + path + "'");
    std::vector<double> starts;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t end = text.find('\n', at);
        const std::string line = text.substr(at, end - at);
        if (!line.empty()) {
            starts.push_back(std::strtod(line.c_str(), nullptr));
        }
        at = end == std::string::npos ? text.size() : end + 1;
    }
    return starts;
}

double Peak(const std::vector<std::int16_t>& samples, std::size_t from, std::size_t to) {
    int peak = 0;
    for (std::size_t i = from; i < to && i < samples.size(); ++i) {
        peak = std::max(peak, std::abs(static_cast<int>(samples[i])));
    }
    return peak / 32768.0;
}

// The largest change from one sample to the next: a click shows as a step.
double LargestStep(const std::vector<std::int16_t>& samples) {
    int step = 0;
    for (std::size_t i = 1; i < samples.size(); ++i) {
        step = std::max(step, std::abs(samples[i] - samples[i - 1]));
    }
    return step / 32768.0;
}

TEST(Tempo, AToneKeepsItsPitchAndLastsItsLengthOverTheTempoToTheSample) {
    ScratchDir dir;
    const std::string tone = dir.File("tone.wav");
    Generate(tone, "sine=f=440:r=44100:d=10.3", "-c:a pcm_s16le");
    // The whole file, a clip, and a long file that spare lanes would cut in segments.
    struct Case {
        double tempo;
        double start;
        double end;  // negative: to the end
        double seconds;
    };
    for (const Case& c : {Case{1.5, 0.0, -1.0, 10.3}, Case{0.5, 0.0, -1.0, 10.3},
                          Case{2.0, 1.0, 7.3, 6.3}, Case{1.25, 2.0, -1.0, 8.3}}) {
        AVConvert job;
        const std::string output = dir.File("out.flac");
        FillJob(job, {{tone, output, c.start, c.end}}, {AV_CODEC_ID_FLAC, 0, 44100, 1},
                [&c](JobPlan& plan) { plan.listen.tempo = c.tempo; });
        RunBatch(job);
        ASSERT_EQ(job.taskStatus[0], AVConvert::kTaskConverted) << c.tempo;
        const std::vector<std::int16_t> samples = DecodedSamples(job.outputPaths[0], 44100);
        const double expected = c.seconds * 44100.0 / c.tempo;
        EXPECT_NEAR(static_cast<double>(samples.size()), expected, 1.0) << c.tempo;
        EXPECT_NEAR(Frequency(samples, 44100), 440.0, 3.0) << c.tempo;
        EXPECT_NE(job.TaskNote(0).find("tempo"), std::string::npos) << job.TaskNote(0);
    }
    // Two minutes and more, lanes to spare: still one piece, as long as it must be.
    const std::string longTone = dir.File("long.wav");
    Generate(longTone, "sine=f=300:r=22050:d=130.5", "-c:a pcm_s16le");
    AVConvert job;
    FillJob(job, {{longTone, dir.File("long.wav.flac")}}, {AV_CODEC_ID_FLAC, 0, 22050, 1},
            [](JobPlan& plan) {
                plan.listen.tempo = 1.5;
                plan.parallelTasks = 4;
            });
    RunBatch(job);
    ASSERT_EQ(job.taskStatus[0], AVConvert::kTaskConverted);
    EXPECT_EQ(job.TaskNote(0).find("segments"), std::string::npos) << job.TaskNote(0);
    const std::vector<std::int16_t> samples = DecodedSamples(job.outputPaths[0], 22050);
    EXPECT_NEAR(static_cast<double>(samples.size()), 130.5 * 22050 / 1.5, 1.0);
    EXPECT_NEAR(Frequency(samples, 22050), 300.0, 3.0);
}

TEST(Tempo, ChaptersFollowTheNewTimeLine) {
    ScratchDir dir;
    const std::string meta = dir.File("chapters.txt");
    {
        const std::string text =
            ";FFMETADATA1\n[CHAPTER]\nTIMEBASE=1/1000\nSTART=0\nEND=20000\ntitle=One\n"
            "[CHAPTER]\nTIMEBASE=1/1000\nSTART=20000\nEND=30000\ntitle=Two\n";
        FILE* file = std::fopen(meta.c_str(), "w");
        ASSERT_NE(file, nullptr);
        std::fputs(text.c_str(), file);
        std::fclose(file);
    }
    const std::string source = dir.File("talk.mka");
    Generate(source, "sine=f=500:r=44100:d=30", "-i '" + meta + "' -map_metadata 1 -c:a flac");
    AVConvert job;
    FillJob(job, {{source, dir.File("talk.mp3")}}, {AV_CODEC_ID_MP3},
            [](JobPlan& plan) { plan.listen.tempo = 1.5; });
    RunBatch(job);
    ASSERT_EQ(job.taskStatus[0], AVConvert::kTaskConverted);
    const std::vector<double> starts = ChapterStarts(job.outputPaths[0]);
    ASSERT_EQ(starts.size(), 2U);
    EXPECT_NEAR(starts[1], 20.0 / 1.5, 0.002);
    EXPECT_NEAR(DecodedSeconds(job.outputPaths[0]), 20.0, 0.03);
}

TEST(NightMode, HalvesAFilmsLoudnessRangeAndKeepsItsTruePeakUnderTheCeiling) {
    ScratchDir dir;
    // Ten seconds loud, ten seconds 15 dB quieter, three times: a film's range of 15 LU.
    const std::string film = dir.File("film.wav");
    Generate(film,
             "anoisesrc=c=pink:r=48000:a=0.6:d=60:seed=7,"
             "volume='if(lt(mod(t,20),10),1.0,0.178)':eval=frame",
             "-ac 2 -c:a pcm_s16le");
    const LoudnessFacts before = MeasureLoudness(film, 0);
    ASSERT_TRUE(before.measured);
    ASSERT_GT(before.range, 10.0);
    for (const bool normalize : {false, true}) {
        AVConvert job;
        FillJob(job, {{film, dir.File(normalize ? "night-18.flac" : "night.flac")}},
                {AV_CODEC_ID_FLAC, 0, 48000, 2}, [normalize](JobPlan& plan) {
                    plan.listen.night = true;
                    plan.normalize = normalize;
                    plan.loudnessTarget = -18.0;
                });
        RunBatch(job);
        ASSERT_EQ(job.taskStatus[0], AVConvert::kTaskConverted);
        const LoudnessFacts after = MeasureLoudness(job.outputPaths[0], 0);
        ASSERT_TRUE(after.measured);
        EXPECT_LE(after.range, before.range / 2.0) << normalize;
        EXPECT_LE(after.truePeak, -1.0) << normalize;
        EXPECT_NEAR(DecodedSeconds(job.outputPaths[0]), 60.0, 0.001);
        if (normalize) {
            // Measured after the compression: where it lands.
            EXPECT_NEAR(after.integrated, -18.0, 1.0);
        }
    }
}

TEST(Fades, EveryOutputStartsAndEndsInSilenceWithoutAStep) {
    ScratchDir dir;
    const std::string tone = dir.File("tone.wav");
    Generate(tone, "sine=f=440:r=44100:d=8,volume=0.8", "-c:a pcm_s16le");  // at 0.1
    // Two clips of one file: each fades at its own ends.
    AVConvert job;
    FillJob(job, {{tone, dir.File("a.wav"), 0.0, 4.0}, {tone, dir.File("b.wav"), 4.5, -1.0}},
            {AV_CODEC_ID_PCM_S16LE, 0, 44100, 1}, [](JobPlan& plan) {
                plan.listen.fadeIn = 1.0;
                plan.listen.fadeOut = 2.0;
            });
    RunBatch(job);
    for (int i = 0; i < 2; ++i) {
        ASSERT_EQ(job.taskStatus[static_cast<std::size_t>(i)], AVConvert::kTaskConverted);
        const std::vector<std::int16_t> samples =
            DecodedSamples(job.outputPaths[static_cast<std::size_t>(i)], 44100);
        const std::size_t n = samples.size();
        EXPECT_EQ(n, i == 0 ? 4U * 44100U : 3U * 44100U + 22050U);
        const double level = Peak(samples, n / 2 - 2205, n / 2);  // between the fades
        EXPECT_NEAR(level, 0.1, 0.01);
        EXPECT_LT(Peak(samples, 0, 441), level / 50) << "the first 10 ms";
        EXPECT_LT(Peak(samples, n - 441, n), level / 50) << "the last 10 ms";
        // Half a cosine: at half the level half way through each fade.
        EXPECT_NEAR(Peak(samples, 22050 - 441, 22050 + 441), level / 2, level / 10);
        EXPECT_NEAR(Peak(samples, n - 44100 - 441, n - 44100 + 441), level / 2, level / 10);
        // No step: never steeper than the tone itself at its full level.
        EXPECT_LE(LargestStep(samples), level * 2.0 * std::numbers::pi * 440.0 / 44100.0 * 1.05)
            << i;
    }
}

TEST(Crossfade, AMergeHasItsLengthAndItsChaptersInTheMiddleOfEachCrossfade) {
    ScratchDir dir;
    const std::string a = dir.File("a.wav");
    const std::string b = dir.File("b.wav");
    const std::string c = dir.File("c.wav");
    Generate(a, "sine=f=440:r=44100:d=10", "-c:a pcm_s16le");
    Generate(b, "sine=f=660:r=44100:d=6", "-c:a pcm_s16le");
    Generate(c, "sine=f=550:r=44100:d=5", "-c:a pcm_s16le");
    for (const auto& [extension, codec] :
         {std::pair{".wav", AV_CODEC_ID_PCM_S16LE}, std::pair{".mp3", AV_CODEC_ID_MP3}}) {
        AVConvert job;
        const std::string output = dir.File(std::string("merged") + extension);
        FillJob(job, {{a, output}, {b, output}, {c, output}}, {codec, 128000, 44100, 1},
                [](JobPlan& plan) {
                    plan.merge = true;
                    plan.listen.crossfade = 2.0;
                    plan.listen.tempo = 1.25;
                    plan.listen.fadeIn = 1.0;
                    plan.listen.fadeOut = 1.0;
                });
        RunMerge(job);
        ASSERT_EQ(job.taskStatus[2], AVConvert::kTaskConverted) << extension;
        // 8 + 4.8 + 4 seconds at 1.25, less two crossfades of two seconds.
        const double seconds = 21.0 / 1.25 - 4.0;
        if (codec == AV_CODEC_ID_PCM_S16LE) {
            const std::vector<std::int16_t> samples = DecodedSamples(job.outputPaths[0], 44100);
            EXPECT_NEAR(static_cast<double>(samples.size()), seconds * 44100.0, 2.0);
            // Equal power: the crossfade neither dips nor swells (two tones at 0.125 each).
            const auto join = static_cast<std::size_t>(7.0 * 44100);
            EXPECT_GT(Peak(samples, join - 2205, join + 2205), 0.9 * Peak(samples, 0, 44100));
            EXPECT_LT(Peak(samples, join - 2205, join + 2205), 1.5 * Peak(samples, 0, 44100));
            EXPECT_LT(LongestQuietRun(samples, 200, 2 * 44100), 100) << "a gap at a join";
            // The merge fades at its two ends only.
            const std::size_t n = samples.size();
            EXPECT_LT(Peak(samples, 0, 441), 0.003);
            EXPECT_LT(Peak(samples, n - 441, n), 0.003);
            EXPECT_GT(Peak(samples, 44100, 2 * 44100), 0.1);
        } else {
            const std::vector<double> starts = ChapterStarts(job.outputPaths[0]);
            ASSERT_EQ(starts.size(), 3U);
            EXPECT_NEAR(starts[0], 0.0, 0.001);
            EXPECT_NEAR(starts[1], 8.0 - 1.0, 0.01);
            EXPECT_NEAR(starts[2], 8.0 + 4.8 - 2.0 - 1.0, 0.01);
            EXPECT_NEAR(DecodedSeconds(job.outputPaths[0]), seconds, 0.03);
        }
    }
}

}  // namespace
}  // namespace tolvane::test
