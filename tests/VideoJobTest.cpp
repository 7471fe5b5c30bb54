// Jobs that include video: the video encoders, the thumbnail and the video-only rules.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

extern "C" {
#include <libavcodec/codec_id.h>
}

#include "AVConvert.h"
#include "Pictures.h"
#include "TestSupport.h"

namespace tolvane::test {
namespace {

namespace fs = std::filesystem;

struct VideoCase {
    const char* label;
    std::int32_t videoCodec;
    AVCodecID audioCodec;
    const char* extension;
    const char* probedCodec;
    int width;
    int height;
    double frameRate;
};

void PrintTo(const VideoCase& c, std::ostream* os) {
    *os << c.label;
}

void FillVideoJob(AVConvert& job, const std::string& source, const std::string& output,
                  const VideoCase& c, const std::function<void(JobPlan&)>& adjust = {}) {
    FillJob(job, {{source, output}}, {c.audioCodec, 128000, 44100, 2},
            [&c, &adjust](JobPlan& plan) {
                IncludeVideo(plan, {c.videoCodec, c.width, c.height, c.frameRate, 400000});
                if (adjust) {
                    adjust(plan);
                }
            });
}

class VideoEncoderTest : public ::testing::TestWithParam<VideoCase> {};

TEST_P(VideoEncoderTest, WritesVideoAndAudioStreams) {
    const VideoCase& c = GetParam();
    ScratchDir out;
    AVConvert job;
    const std::string output = out.File(std::string("movie") + c.extension);
    FillVideoJob(job, Media("h264_aac.mp4").string(), output, c);
    RunBatch(job);
    ASSERT_EQ(job.taskStatus[0], AVConvert::kTaskConverted);
    const ProbedStream video = Ffprobe(output, "v");
    EXPECT_EQ(video.codec, c.probedCodec);
    EXPECT_EQ(video.width, c.width);
    EXPECT_EQ(video.height, c.height);
    EXPECT_TRUE(Ffprobe(output, "a").found);
    // Some containers add a preroll to the length they state.
    EXPECT_NEAR(video.duration, 5.0, 0.5);
}

INSTANTIATE_TEST_SUITE_P(
    Encoders, VideoEncoderTest,
    ::testing::Values(
        VideoCase{"mpeg4", AV_CODEC_ID_MPEG4, AV_CODEC_ID_AAC, ".mp4", "mpeg4", 320, 240, 25},
        VideoCase{"h264", AV_CODEC_ID_H264, AV_CODEC_ID_AAC, ".mp4", "h264", 320, 240, 29.97},
        VideoCase{"flv", AV_CODEC_ID_FLV1, AV_CODEC_ID_MP3, ".flv", "flv1", 320, 240, 15},
        VideoCase{"wmv2", AV_CODEC_ID_WMV2, AV_CODEC_ID_WMAV2, ".wmv", "wmv2", 320, 240, 25},
        VideoCase{"mpeg1", AV_CODEC_ID_MPEG1VIDEO, AV_CODEC_ID_MP2, ".mpg", "mpeg1video", 320, 240,
                  25},
        VideoCase{"mjpeg", AV_CODEC_ID_MJPEG, AV_CODEC_ID_PCM_S16LE, ".avi", "mjpeg", 320, 240, 0},
        VideoCase{"divx", AV_CODEC_ID_MSMPEG4V3, AV_CODEC_ID_MP3, ".avi", "msmpeg4v3", 320, 240,
                  25},
        VideoCase{"xvid", kCodecIdXvid, AV_CODEC_ID_MP3, ".avi", "mpeg4", 320, 240, 25},
        VideoCase{"h263", AV_CODEC_ID_H263, AV_CODEC_ID_AAC, ".3gp", "h263", 176, 144, 15}),
    [](const ::testing::TestParamInfo<VideoCase>& info) { return std::string(info.param.label); });

TEST(VideoJob, WritesTheThumbnailBesideTheNameActuallyWritten) {
    ScratchDir out;
    std::ofstream(out.File("clip.mp4")) << "taken";
    std::ofstream(out.File("clip(0).THM")) << "old thumbnail";
    AVConvert job;
    FillVideoJob(job, Media("h264_aac.mp4").string(), out.File("clip.mp4"),
                 {"", AV_CODEC_ID_MPEG4, AV_CODEC_ID_AAC, "", "", 320, 240, 25},
                 [](JobPlan& plan) { plan.settings.writeThumbnail = 1; });
    job.previewHidden = true;  // the thumbnail does not depend on the preview
    RunBatch(job);
    ASSERT_EQ(job.taskStatus[0], AVConvert::kTaskConverted);
    EXPECT_EQ(job.outputPaths[0], out.File("clip(0).mp4"));
    const ProbedStream thumb = Ffprobe(out.File("clip(0).THM"), "v");
    EXPECT_EQ(thumb.codec, "mjpeg");
    EXPECT_EQ(thumb.width, 160);
    EXPECT_EQ(thumb.height, 120);
}

TEST(VideoJob, AudioOnlyJobsWriteNoThumbnail) {
    ScratchDir out;
    AVConvert job;
    FillJob(job, {{Media("h264_aac.mp4").string(), out.File("a.mp3")}}, {AV_CODEC_ID_MP3},
            [](JobPlan& plan) { plan.settings.writeThumbnail = 1; });
    RunBatch(job);
    EXPECT_EQ(job.taskStatus[0], AVConvert::kTaskConverted);
    EXPECT_FALSE(fs::exists(out.File("a.THM")));
    EXPECT_FALSE(Ffprobe(out.File("a.mp3"), "v").found);
}

TEST(VideoJob, VideoOnlySourceIgnoresTheClipEnd) {
    ScratchDir out;
    AVConvert job;
    FillVideoJob(job, Media("video_only.mp4").string(), out.File("v.mp4"),
                 {"", AV_CODEC_ID_MPEG4, AV_CODEC_ID_AAC, "", "", 160, 120, 25}, [](JobPlan& plan) {
                     plan.tasks[0].end = 1.0;
                     plan.tasks[0].toEnd = false;
                 });
    RunBatch(job);
    ASSERT_EQ(job.taskStatus[0], AVConvert::kTaskConverted);
    EXPECT_NEAR(Ffprobe(out.File("v.mp4"), "v").duration, 5.0, 0.3);
}

TEST(VideoJob, UnknownVideoCodecFails) {
    ScratchDir out;
    AVConvert job;
    FillVideoJob(job, Media("h264_aac.mp4").string(), out.File("v.mp4"),
                 {"", AV_CODEC_ID_VP9, AV_CODEC_ID_AAC, "", "", 160, 120, 25});
    RunBatch(job);
    EXPECT_EQ(job.taskStatus[0], AVConvert::kTaskFailed);
    EXPECT_FALSE(fs::exists(out.File("v.mp4")));
}

TEST(Thumbnail, JpegIsWrittenAndAnUnwritablePathIsReported) {
    ScratchDir out;
    FramePtr picture = AllocPicture(AV_PIX_FMT_RGB24, kThumbnailWidth, kThumbnailHeight);
    ASSERT_TRUE(picture);
    for (int y = 0; y < kThumbnailHeight; ++y) {
        for (int x = 0; x < kThumbnailWidth * 3; ++x) {
            picture->data[0][y * picture->linesize[0] + x] = static_cast<std::uint8_t>(x + y);
        }
    }
    EXPECT_TRUE(WriteJpegThumbnail(out.File("t.THM"), *picture));
    EXPECT_EQ(Ffprobe(out.File("t.THM"), "v").width, 160);
    EXPECT_FALSE(WriteJpegThumbnail(out.File("missing/t.THM"), *picture));
    FramePtr wrongSize = AllocPicture(AV_PIX_FMT_RGB24, 10, 10);
    EXPECT_FALSE(WriteJpegThumbnail(out.File("u.THM"), *wrongSize));
    EXPECT_EQ(ThumbnailPathFor("/a.b/clip.mp4"), "/a.b/clip.THM");
    EXPECT_EQ(ThumbnailPathFor("/a.b/clip"), "/a.b/clip.THM");
}

}  // namespace
}  // namespace tolvane::test
