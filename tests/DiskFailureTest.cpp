// A full or read-only disk fails the task with a clear status and damages nothing.
// These tests mount a tiny file system of their own and are skipped where that is not allowed.

#include <gtest/gtest.h>

#include <sys/mount.h>

#include <filesystem>
#include <fstream>

extern "C" {
#include <libavcodec/codec_id.h>
}

#include "AVConvert.h"
#include "JobPlan.h"
#include "TestSupport.h"

namespace tolvane::test {
namespace {

namespace fs = std::filesystem;

// A 64 KiB memory file system, unmounted at the end of the test.
class TinyDisk final {
public:
    explicit TinyDisk(const fs::path& where) : m_where(where) {
        fs::create_directories(where);
        m_mounted = ::mount("tolvane-test", where.c_str(), "tmpfs", 0, "size=64k") == 0;
    }
    ~TinyDisk() {
        if (m_mounted) {
            ::umount2(m_where.c_str(), MNT_DETACH);
        }
    }
    TinyDisk(const TinyDisk&) = delete;
    TinyDisk& operator=(const TinyDisk&) = delete;
    bool Mounted() const { return m_mounted; }
    bool MakeReadOnly() {
        return ::mount(nullptr, m_where.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, "size=64k") == 0;
    }

private:
    fs::path m_where;
    bool m_mounted = false;
};

TEST(DiskFailure, FullDiskFailsTheTaskAndTheNextTaskStillConverts) {
    ScratchDir scratch;
    TinyDisk disk(scratch.Path() / "disk");
    if (!disk.Mounted()) {
        GTEST_SKIP() << "cannot mount a test file system here";
    }
    const std::string existing = (scratch.Path() / "disk" / "talk.wav").string();
    std::ofstream(existing) << "an earlier file";
    AVConvert job;
    FillJob(job,
            {{Media("h264_aac.mp4").string(), existing},
             {Media("audio_only.m4a").string(), scratch.File("elsewhere.wav")}},
            {AV_CODEC_ID_PCM_S16LE});
    RunBatch(job);
    EXPECT_EQ(job.taskStatus[0], AVConvert::kTaskFailed) << "5 s of WAV do not fit in 64 KiB";
    EXPECT_EQ(ReadFile(existing), "an earlier file");
    EXPECT_FALSE(fs::exists(scratch.Path() / "disk" / "talk(0).wav"))
        << "no truncated file under its name";
    EXPECT_EQ(job.taskStatus[1], AVConvert::kTaskConverted);
    EXPECT_TRUE(fs::exists(scratch.File("elsewhere.wav")));
}

TEST(DiskFailure, ReadOnlyDiskFailsTheTask) {
    ScratchDir scratch;
    TinyDisk disk(scratch.Path() / "disk");
    if (!disk.Mounted() || !disk.MakeReadOnly()) {
        GTEST_SKIP() << "cannot mount a test file system here";
    }
    AVConvert job;
    FillJob(job, {{Media("audio_only.m4a").string(), (scratch.Path() / "disk" / "a.mp3").string()}},
            {AV_CODEC_ID_MP3});
    RunBatch(job);
    EXPECT_EQ(job.taskStatus[0], AVConvert::kTaskFailed);
}

// The ReplayGain tags are written into the finished file before it gets its name: when that
// write falls short (here a file size limit just above the untagged file), the task fails and no
// file is named, rather than an M4A whose boxes run past its end. A stop keeps what was written,
// with the tags of what it holds.
TEST(DiskFailure, ATagWriteFallsShortOrAStopComes) {
    ScratchDir scratch;
    const std::string source = Media("audio_only.m4a").string();
    AVConvert plain;
    FillJob(plain, {{source, scratch.File("plain.m4a")}}, {AV_CODEC_ID_AAC});
    RunBatch(plain);
    ASSERT_EQ(plain.taskStatus[0], AVConvert::kTaskConverted);
    const auto untagged = fs::file_size(scratch.File("plain.m4a"));

    AVConvert tagged;
    FillJob(tagged, {{source, scratch.File("tagged.m4a")}}, {AV_CODEC_ID_AAC},
            [](JobPlan& plan) { plan.replayGain = JobInput::ReplayGain::Track; });
    {
        const FileSizeLimit limit(untagged + 16);
        RunBatch(tagged);
    }
    EXPECT_EQ(tagged.taskStatus[0], AVConvert::kTaskFailed);
    EXPECT_NE(tagged.taskReports[0].failure.find("ReplayGain"), std::string::npos)
        << tagged.taskReports[0].failure;
    for (const auto& entry : fs::directory_iterator(scratch.Path())) {
        EXPECT_EQ(entry.path().filename(), "plain.m4a") << "nothing else is left";
    }

    AVConvert stopped;
    FillJob(stopped, {{Media("long_60.m4a").string(), scratch.File("stopped.mp3")}},
            {AV_CODEC_ID_MP3},
            [](JobPlan& plan) { plan.replayGain = JobInput::ReplayGain::Track; });
    RunAndStopAt(stopped, false, 30);
    ASSERT_EQ(stopped.taskStatus[0], AVConvert::kTaskPending) << stopped.FailureReason(0);
    const std::string tags = RunCommand(
        "ffprobe -v error -show_entries format_tags=REPLAYGAIN_TRACK_GAIN -of csv=p=0 '" +
        scratch.File("stopped.mp3") + "'");
    EXPECT_FALSE(tags.empty());
    EXPECT_EQ(tags.find("99.99"), std::string::npos) << tags;
    const double seconds = DecodedSeconds(scratch.File("stopped.mp3"));
    EXPECT_GT(seconds, 1.0);
    EXPECT_LT(seconds, 59.0);
}

}  // namespace
}  // namespace tolvane::test
