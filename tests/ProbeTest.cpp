// The media probe on generated files.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <utility>

extern "C" {
#include <libavcodec/codec_id.h>
#include <libavutil/avutil.h>
}

#include "AVConvert.h"
#include "Loudness.h"
#include "MediaProbe.h"
#include "TestSupport.h"

namespace tolvane::test {
namespace {

// A file and what its probe found.
struct Probed final {
    std::string probePath;
    MediaProbeResult probe;
    int ProbeMedia() { return tolvane::ProbeMedia(probePath, probe); }
};

int Probe(Probed& job, const std::string& path) {
    job.probePath = path;
    return job.ProbeMedia();
}

TEST(Probe, VideoWithSoundReportsBothStreamsAndTheLength) {
    Probed job;
    ASSERT_EQ(Probe(job, Media("h264_aac.mp4").string()), 0);
    const MediaProbeResult& r = job.probe;
    EXPECT_EQ(r.durationSeconds, 5);
    EXPECT_NEAR(static_cast<double>(r.durationMicros), 5e6, 1e5);
    EXPECT_EQ(r.srcVideoCodecId, AV_CODEC_ID_H264);
    EXPECT_EQ(r.srcWidth, 320);
    EXPECT_EQ(r.srcHeight, 240);
    EXPECT_EQ(r.srcFrameRateNum, 25);
    EXPECT_EQ(r.srcFrameRateDen, 1);
    EXPECT_EQ(r.srcFrameRate, 25.0);
    EXPECT_EQ(r.srcAudioCodecId, AV_CODEC_ID_AAC);
    EXPECT_EQ(r.srcSampleRate, 44100);
    EXPECT_EQ(r.srcChannels, 2);
    EXPECT_GT(r.srcAudioBitRate, 0);

    ASSERT_EQ(Probe(job, Media("mpeg4_mp3.avi").string()), 0);
    EXPECT_EQ(job.probe.srcVideoCodecId, AV_CODEC_ID_MPEG4);
    EXPECT_EQ(job.probe.srcAudioCodecId, AV_CODEC_ID_MP3);
    EXPECT_EQ(job.probe.srcAudioBitRate, 96000);
    ASSERT_EQ(Probe(job, Media("ac3_51.mkv").string()), 0);
    EXPECT_EQ(job.probe.srcChannels, 6);
}

TEST(Probe, AudioOnlyFileHasNoVideoFactsAndKeepsTheEarlierFrameRate) {
    Probed job;
    ASSERT_EQ(Probe(job, Media("h264_aac.mp4").string()), 0);
    ASSERT_EQ(Probe(job, Media("audio_only.m4a").string()), 0);
    const MediaProbeResult& r = job.probe;
    EXPECT_EQ(r.srcVideoCodecId, 0);
    EXPECT_EQ(r.srcWidth, 0);
    EXPECT_EQ(r.srcHeight, 0);
    EXPECT_EQ(r.srcVideoBitRate, 0);
    EXPECT_EQ(r.srcFrameRateNum, 25) << "frame-rate fields keep their values without video";
    EXPECT_EQ(r.srcAudioCodecId, AV_CODEC_ID_AAC);
    EXPECT_EQ(r.durationSeconds, 5);
}

TEST(Probe, VideoOnlyFileHasNoAudioFacts) {
    Probed job;
    ASSERT_EQ(Probe(job, Media("video_only.mp4").string()), 0);
    EXPECT_EQ(job.probe.srcAudioCodecId, 0);
    EXPECT_EQ(job.probe.srcSampleRate, 0);
    EXPECT_EQ(job.probe.srcChannels, 0);
    EXPECT_EQ(job.probe.srcAudioBitRate, 0);
    EXPECT_EQ(job.probe.srcWidth, 320);
}

TEST(Probe, TheLastAudioStreamIsReported) {
    Probed job;
    ASSERT_EQ(Probe(job, Media("two_audio.mkv").string()), 0);
    EXPECT_EQ(job.probe.srcAudioCodecId, AV_CODEC_ID_AAC);
    EXPECT_EQ(job.probe.srcSampleRate, 48000);
    EXPECT_EQ(job.probe.srcChannels, 2);
}

TEST(Probe, EverySoundTrackIsListedWithItsFacts) {
    Probed job;
    job.probePath = Media("three_audio.mkv").string();
    ASSERT_EQ(job.ProbeMedia(), 0);
    ASSERT_EQ(job.probe.soundTracks.size(), 3U);
    const SoundTrackFacts& commentary = job.probe.soundTracks[1];
    EXPECT_EQ(commentary.language, "eng");
    EXPECT_EQ(commentary.codec, "ac3");
    EXPECT_EQ(commentary.channels, 6);
    EXPECT_EQ(commentary.sampleRate, 48000);
    EXPECT_EQ(commentary.title, "Commentary");
    EXPECT_EQ(commentary.codecId, AV_CODEC_ID_AC3);
    EXPECT_GT(commentary.bitRate, 0) << "File Information shows it for a chosen track";
    EXPECT_EQ(job.probe.soundTracks[2].language, "fra");
    EXPECT_EQ(job.probe.srcSampleRate, 22050) << "the facts shown are still the last track's";

    job.probePath = Media("video_only.mp4").string();
    ASSERT_EQ(job.ProbeMedia(), 0);
    EXPECT_TRUE(job.probe.soundTracks.empty());
}

TEST(Probe, RatesAboveAThousandAreTakenAsNtscRates) {
    Probed job;
    ASSERT_EQ(Probe(job, Media("rate30000.y4m").string()), 0);
    EXPECT_EQ(job.probe.srcFrameRateNum, 30000);
    EXPECT_EQ(job.probe.srcFrameRateDen, 1001);
    EXPECT_EQ(job.probe.srcFrameRate, 29.0);
}

// Where the headers disagree on the frame rate, the frames are counted; where a stream states
// no bit rate, its packets are measured; headers that agree are taken as they are.
TEST(Probe, MeasuresWhatTheHeadersGetWrongOrLeaveOut) {
    Probed job;
    ASSERT_EQ(Probe(job, Media("vfr_20.mov").string()), 0);
    ASSERT_GT(job.probe.srcFrameRateDen, 0);
    EXPECT_NEAR(static_cast<double>(job.probe.srcFrameRateNum) / job.probe.srcFrameRateDen, 20.0,
                0.5)
        << "not the 60 of its time base";
    EXPECT_GT(job.probe.srcVideoBitRate, 0);

    ASSERT_EQ(Probe(job, Media("odd_0.9.webm").string()), 0);
    const double bits =
        static_cast<double>(std::filesystem::file_size(Media("odd_0.9.webm"))) * 8.0 / 0.9;
    EXPECT_GT(job.probe.srcVideoBitRate, 0);
    EXPECT_GT(job.probe.srcAudioBitRate, 0);
    EXPECT_LT(job.probe.srcVideoBitRate + job.probe.srcAudioBitRate, 1.5 * bits);

    ASSERT_EQ(Probe(job, Media("h264_aac.mp4").string()), 0);
    EXPECT_EQ(job.probe.srcFrameRateNum, 25);
    EXPECT_EQ(job.probe.srcFrameRateDen, 1);
}

// Loudness by EBU R128 as ffmpeg's filter measures it, of a whole file and of a clip; silence is
// silence, and a file without sound says so.
TEST(Loudness, AgreesWithFfmpegsFilter) {
    for (const char* name : {"h264_aac.mp4", "vbr_no_header.mp3", "odd_44.65.ogg"}) {
        const LoudnessFacts facts = MeasureLoudness(Media(name).string(), 0);
        ASSERT_TRUE(facts.measured) << name << ": " << facts.failure;
        const auto [integrated, peak] = FfmpegLoudness(Media(name).string());
        EXPECT_NEAR(facts.integrated, integrated, 0.2) << name;
        EXPECT_NEAR(facts.truePeak, peak, 0.3) << name;
    }
    // The tone after two seconds of silence, measured from 2.5 s.
    const std::string late = Media("silence_then_tone.mp4").string();
    const LoudnessFacts clip = MeasureLoudness(late, 0, 2.5, 0.0, true);
    EXPECT_NEAR(clip.integrated, FfmpegLoudness(late, 2.5).first, 0.2);
    const LoudnessFacts silent = MeasureLoudness(late, 0, 0.0, 1.5, false);
    ASSERT_TRUE(silent.measured);
    EXPECT_FALSE(std::isfinite(silent.integrated));
    EXPECT_EQ(LoudnessLine(silent), "silent");
    EXPECT_FALSE(MeasureLoudness(Media("video_only.mp4").string(), 0).measured);
    const LoudnessFacts whole = MeasureLoudness(Media("h264_aac.mp4").string(), 0);
    EXPECT_EQ(DecibelText(whole.integrated) + " / " + DecibelText(whole.truePeak),
              "\u221221.8 / \u221220.7");
    EXPECT_EQ(DecibelText(-0.04), "0.0") << "no minus before a zero";
}

// Read in parts at once, a long sound measures as in one reading: whatever length the file
// states, of the whole and of a clip.
TEST(Loudness, InPartsAsInOneReading) {
    const std::string talk = Media("talk_75.m4a").string();
    const LoudnessFacts whole = MeasureLoudness(talk, 0, 0.0, 0.0, true, nullptr, true);
    ASSERT_TRUE(whole.measured) << whole.failure;
    for (const double stated : {75.0, 65.0, 150.0}) {
        const LoudnessFacts parts =
            MeasureLoudnessInParts(talk, 0, 0.0, 0.0, true, stated, nullptr, 4);
        ASSERT_TRUE(parts.measured) << stated << ": " << parts.failure;
        EXPECT_NEAR(parts.integrated, whole.integrated, 0.02) << stated;
        EXPECT_NEAR(static_cast<double>(parts.blocks.size()),
                    static_cast<double>(whole.blocks.size()), 2.0)
            << stated;
        EXPECT_DOUBLE_EQ(parts.samplePeak, whole.samplePeak) << stated;
    }
    // A clip across the change of level.
    const LoudnessFacts clip = MeasureLoudness(talk, 0, 20.0, 45.0, false, nullptr, true);
    const LoudnessFacts clipParts =
        MeasureLoudnessInParts(talk, 0, 20.0, 45.0, false, 45.0, nullptr, 2);
    EXPECT_NEAR(clipParts.integrated, clip.integrated, 0.02);
    EXPECT_NEAR(clip.integrated, FfmpegLoudness(talk, 20.0, 45.0).first, 0.2);
    // A start past the end of the sound: nothing to measure (and no endless seeking).
    EXPECT_FALSE(MeasureLoudness(talk, 0, 200.0, 0.0, true).measured);
}

TEST(Probe, ContainerWithoutDurationGivesTheNoValueMarker) {
    Probed job;
    ASSERT_EQ(Probe(job, Media("raw.h264").string()), 0);
    EXPECT_EQ(job.probe.durationMicros, AV_NOPTS_VALUE);
    EXPECT_EQ(job.probe.durationSeconds, AV_NOPTS_VALUE / 1000000);
    EXPECT_LT(job.probe.durationSeconds, 0);
}

TEST(Probe, UnreadableFilesGiveNegativeCodes) {
    Probed job;
    EXPECT_EQ(Probe(job, Media("not_media.mp4").string()), -1);
    EXPECT_EQ(Probe(job, Media("truncated.mp4").string()), -1);
    EXPECT_EQ(Probe(job, Media("empty.mp4").string()), -1);
    EXPECT_EQ(Probe(job, Media("no_such_file.mp4").string()), -1);
    EXPECT_EQ(Probe(job, ""), -1);
    EXPECT_EQ(Probe(job, Media("no_decoder.avi").string()), -4);
}

}  // namespace
}  // namespace tolvane::test
