// The original sound without re-encoding: every codec lands in its own container with its packets
// untouched, clips cut at packet precision, merges join only sound of one kind, and tags and
// cover pictures go along.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

extern "C" {
#include <libavcodec/codec_id.h>
}

#include "AVConvert.h"
#include "SoundCopy.h"
#include "TestSupport.h"
#include "Workers.h"

namespace tolvane::test {
namespace {

namespace fs = std::filesystem;

// Copies `tasks`, each into a file of its own.
void RunCopy(AVConvert& job, const std::vector<TaskSpec>& tasks) {
    FillCopyJob(job, tasks);
    RunBatch(job);
}

// The MD5 of every packet of the file's first sound track, in order, as one text.
std::string PacketHashes(const std::vector<ProbedPacket>& packets) {
    std::string all;
    for (const ProbedPacket& packet : packets) {
        all += packet.hash + "\n";
    }
    return all;
}

double Length(const std::vector<ProbedPacket>& packets) {
    if (packets.empty()) {
        return 0.0;
    }
    double end = packets.front().pts;
    for (const ProbedPacket& packet : packets) {
        end = std::max(end, packet.pts + packet.duration);
    }
    return end - packets.front().pts;
}

double LongestPacket(const std::vector<ProbedPacket>& packets) {
    double longest = 0.0;
    for (const ProbedPacket& packet : packets) {
        longest = std::max(longest, packet.duration);
    }
    return longest;
}

// The whole concatenated sound data of the first sound track (what a decoder gets), hashed.
std::string StreamBytesHash(const std::string& path) {
    return RunCommand("ffmpeg -nostdin -v error -i '" + path + "' -map 0:a:0 -c copy -f md5 -");
}

struct CopyCase {
    const char* source;
    const char* extension;
    bool packetsAsStored;  // false: PCM, which containers cut into packets of their own sizes
};

const CopyCase kCopyCases[] = {
    {"copy_aac.mp4", ".m4a", true},     {"copy_alac.mov", ".m4a", true},
    {"copy_mp3.mkv", ".mp3", true},     {"copy_mp2.mpg", ".mp2", true},
    {"copy_vorbis.mkv", ".ogg", true},  {"copy_opus.mkv", ".opus", true},
    {"copy_flac.mkv", ".flac", true},   {"copy_ac3.mkv", ".ac3", true},
    {"copy_eac3.mkv", ".eac3", true},   {"copy_dts.mkv", ".dts", true},
    {"copy_amrnb.3gp", ".amr", true},   {"copy_wma.wmv", ".wma", true},
    {"copy_pcm.avi", ".wav", false},    {"copy_pcm_be.mov", ".mka", false},
    {"copy_wavpack.mkv", ".mka", true},
};

class EveryCodec : public ::testing::TestWithParam<CopyCase> {};

TEST_P(EveryCodec, CopiesThePacketsUntouchedIntoTheCodecsContainer) {
    const CopyCase& c = GetParam();
    const std::string source = Media(c.source).string();
    ScratchDir out;
    AVConvert job;
    // The extension asked for is replaced by the codec's own.
    RunCopy(job, {{source, out.File("sound.mp3")}});
    ASSERT_EQ(job.taskStatus[0], AVConvert::kTaskConverted) << job.FailureReason(0);
    const std::string output = job.outputPaths[0];
    EXPECT_EQ(output, out.File(std::string("sound") + c.extension));
    ASSERT_TRUE(fs::exists(output));

    const std::vector<ProbedPacket> in = ProbedPackets(source);
    const std::vector<ProbedPacket> copied = ProbedPackets(output);
    ASSERT_FALSE(copied.empty());
    if (c.packetsAsStored) {
        EXPECT_EQ(PacketHashes(copied), PacketHashes(in));
    }
    EXPECT_EQ(StreamBytesHash(output), StreamBytesHash(source));
    EXPECT_NEAR(Length(copied), Length(in), LongestPacket(in) + 1e-3);
    EXPECT_NEAR(job.taskReports[0].soundSeconds, Length(in), LongestPacket(in) + 1e-3);
}

INSTANTIATE_TEST_SUITE_P(SoundCopy, EveryCodec, ::testing::ValuesIn(kCopyCases),
                         [](const ::testing::TestParamInfo<CopyCase>& info) {
                             std::string name = fs::path(info.param.source).stem().string();
                             std::replace(name.begin(), name.end(), '.', '_');
                             return name;
                         });

// A clip's edges go to the packet boundaries nearest to them, the same for an end and the
// start of the part after it: the parts of a split copy every packet once, none twice and none
// lost, and each says where it really starts and ends.
TEST(SoundCopy, AClipCopiesFromTheNearestPacketBoundaryAndPartsTile) {
    const std::string source = Media("copy_ac3.mkv").string();
    const std::vector<ProbedPacket> all = ProbedPackets(source);
    ScratchDir out;
    AVConvert job;
    // Cuts that fall in the first third, the middle and the last third of a packet.
    const double frame = all[1].pts - all[0].pts;
    const double cuts[] = {1.0 + frame * 0.2, 2.0 + frame * 0.5, 2.5 + frame * 0.8};
    std::vector<TaskSpec> parts = {{source, out.File("p1.ac3"), 0.0, cuts[0]},
                                   {source, out.File("p2.ac3"), cuts[0], cuts[1]},
                                   {source, out.File("p3.ac3"), cuts[1], cuts[2]},
                                   {source, out.File("p4.ac3"), cuts[2], -1.0}};
    RunCopy(job, parts);
    std::string joined;
    for (int i = 0; i < 4; ++i) {
        ASSERT_EQ(job.taskStatus[static_cast<std::size_t>(i)], AVConvert::kTaskConverted)
            << job.FailureReason(i);
        const std::vector<ProbedPacket> copied =
            ProbedPackets(job.outputPaths[static_cast<std::size_t>(i)]);
        ASSERT_FALSE(copied.empty());
        EXPECT_NEAR(copied.front().pts, 0.0, 1e-3) << "the output starts at its beginning";
        joined += PacketHashes(copied);
    }
    EXPECT_EQ(joined, PacketHashes(all)) << "every packet once";
    // The first part ends at the boundary before 1.0 + 0.2 of a frame: it says so.
    EXPECT_NE(job.TaskNote(0).find("copied whole packets: from 0.000 s to "), std::string::npos)
        << job.TaskNote(0);
    // Each edge is within half a packet of where it was asked.
    const std::vector<ProbedPacket> second = ProbedPackets(job.outputPaths[1]);
    EXPECT_NEAR(Length(second), cuts[1] - cuts[0], frame / 2 + 1e-3);
}

TEST(SoundCopy, AClipInAnMp4KeepsItsPacketsAndStartsAtZero) {
    const std::string source = Media("copy_aac.mp4").string();
    ScratchDir out;
    AVConvert job;
    RunCopy(job, {{source, out.File("clip.m4a"), 0.5, 2.5}});
    ASSERT_EQ(job.taskStatus[0], AVConvert::kTaskConverted) << job.FailureReason(0);
    const std::vector<ProbedPacket> copied = ProbedPackets(job.outputPaths[0]);
    const double packet = LongestPacket(ProbedPackets(source));
    EXPECT_NEAR(Length(copied), 2.0, 2 * packet);
    EXPECT_NEAR(Ffprobe(job.outputPaths[0]).duration, 2.0, 2 * packet);
}

TEST(SoundCopy, TimestampsThatJumpBackCarryOnInsteadOfFailing) {
    // Two MPEG-TS files of 2 s joined end to end; MP4 takes only rising timestamps.
    ScratchDir out;
    AVConvert job;
    RunCopy(job, {{Media("joined_aac.ts").string(), out.File("joined.x")}});
    ASSERT_EQ(job.taskStatus[0], AVConvert::kTaskConverted) << job.FailureReason(0);
    EXPECT_EQ(job.outputPaths[0], out.File("joined.m4a"));
    EXPECT_NEAR(Ffprobe(job.outputPaths[0]).duration, 4.0, 0.1) << "both halves, in time";
    EXPECT_NEAR(DecodedSeconds(job.outputPaths[0]), 4.0, 0.1);
}

TEST(SoundCopy, AClipAfterTheSoundFailsAndLeavesNoFile) {
    ScratchDir out;
    AVConvert job;
    RunCopy(job, {{Media("copy_ac3.mkv").string(), out.File("late.ac3"), 10.0, 12.0}});
    EXPECT_EQ(job.taskStatus[0], AVConvert::kTaskFailed);
    EXPECT_NE(job.FailureReason(0).find("no sound was copied"), std::string::npos);
    EXPECT_TRUE(fs::is_empty(out.Path()));
}

TEST(SoundCopy, AnExistingFileIsNeverReplaced) {
    ScratchDir out;
    const std::string taken = out.File("sound.ac3");
    {
        std::FILE* f = std::fopen(taken.c_str(), "w");
        ASSERT_NE(f, nullptr);
        std::fputs("keep me", f);
        std::fclose(f);
    }
    AVConvert job;
    RunCopy(job, {{Media("copy_ac3.mkv").string(), out.File("sound.wav")}});
    ASSERT_EQ(job.taskStatus[0], AVConvert::kTaskConverted) << job.FailureReason(0);
    EXPECT_EQ(job.outputPaths[0], out.File("sound(0).ac3"));
    EXPECT_EQ(ReadFile(taken), "keep me");
}

TEST(SoundCopy, TheChosenSoundTrackIsCopied) {
    // Tracks of 2, 3 and 4 seconds: English AAC, English AC-3 "Commentary", French MP2.
    const std::string source = Media("three_audio.mkv").string();
    ScratchDir out;
    AVConvert job;
    FillCopyJob(job, {{source, out.File("one.x"), 0.0, -1.0, 1},
                      {source, out.File("two.x"), 0.0, -1.0, 2},
                      {source, out.File("three.x")}});
    RunBatch(job);
    const char* extensions[] = {".m4a", ".ac3", ".mp2"};
    const double lengths[] = {2.0, 3.0, 4.0};
    for (int i = 0; i < 3; ++i) {
        ASSERT_EQ(job.taskStatus[static_cast<std::size_t>(i)], AVConvert::kTaskConverted);
        const std::string& output = job.outputPaths[static_cast<std::size_t>(i)];
        EXPECT_EQ(fs::path(output).extension(), extensions[i]);
        EXPECT_NEAR(Length(ProbedPackets(output)), lengths[i], 0.1) << output;
    }
    // The track's language goes along.
    EXPECT_NE(RunCommand("ffprobe -v error -show_entries stream_tags=language -of csv=p=0 '" +
                         job.outputPaths[0] + "'")
                  .find("eng"),
              std::string::npos);
}

TEST(SoundCopy, SoundOfOneKindMergesIntoOneFileOfTheSummedLength) {
    ScratchDir out;
    const std::vector<std::string> sources = {Media("merge_ac3_1.mkv").string(),
                                              Media("merge_ac3_2.mkv").string(),
                                              Media("copy_ac3.mkv").string()};
    AVConvert job;
    FillCopyJob(job, {{sources[0], out.File("merged.mp3")},
                      {sources[1], out.File("b.mp3")},
                      {sources[2], out.File("c.mp3")}});
    ASSERT_EQ(CheckCopyMerge(*job.plan).task, -1);
    RunMerge(job);
    double summed = 0.0;
    std::string allPackets;
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(job.taskStatus[static_cast<std::size_t>(i)], AVConvert::kTaskConverted)
            << job.FailureReason(i);
        const std::vector<ProbedPacket> in = ProbedPackets(sources[static_cast<std::size_t>(i)]);
        summed += Length(in);
        allPackets += PacketHashes(in);
    }
    const std::string merged = out.File("merged.ac3");
    ASSERT_EQ(job.outputPaths[0], merged);
    const std::vector<ProbedPacket> copied = ProbedPackets(merged);
    EXPECT_EQ(PacketHashes(copied), allPackets);
    EXPECT_NEAR(Length(copied), summed, 0.05);
    EXPECT_NEAR(DecodedSeconds(merged), summed, 0.05);  // plays through
    EXPECT_EQ(std::distance(fs::directory_iterator(out.Path()), fs::directory_iterator()), 1);
}

TEST(SoundCopy, FlacMergesIntoAFileThatDecodesWhole) {
    ScratchDir out;
    AVConvert job;
    FillCopyJob(job, {{Media("tone_a.mka").string(), out.File("tone.x")},
                      {Media("tone_b.mka").string(), out.File("b.x")},
                      {Media("tone_c.mka").string(), out.File("c.x")}});
    RunMerge(job);
    ASSERT_EQ(job.taskStatus[2], AVConvert::kTaskConverted) << job.FailureReason(2);
    // 457758 samples at 44100 Hz; the header no longer claims the first piece's length.
    EXPECT_NEAR(DecodedSeconds(out.File("tone.flac")), 457758.0 / 44100.0, 1e-3);
}

TEST(SoundCopy, AMergeOfDifferentSoundNamesTheOddFileAndWritesNothing) {
    ScratchDir out;
    AVConvert job;
    FillCopyJob(job, {{Media("merge_ac3_1.mkv").string(), out.File("a.x")},
                      {Media("merge_ac3_2.mkv").string(), out.File("b.x")},
                      {Media("copy_aac.mp4").string(), out.File("c.x")},
                      {Media("copy_mp3.mkv").string(), out.File("d.x")}});
    const CopyMergeCheck check = CheckCopyMerge(*job.plan);
    EXPECT_EQ(check.task, 2);
    EXPECT_EQ(check.firstTask, 0);
    EXPECT_NE(check.reason.find("AAC"), std::string::npos) << check.reason;
    EXPECT_NE(check.reason.find("AC-3"), std::string::npos) << check.reason;
    RunMerge(job);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(job.taskStatus[static_cast<std::size_t>(i)], AVConvert::kTaskFailed);
        EXPECT_NE(job.FailureReason(i).find("copy_aac.mp4 has AAC"), std::string::npos)
            << job.FailureReason(i);
    }
    EXPECT_TRUE(fs::is_empty(out.Path()));
}

TEST(SoundCopy, StopKeepsAPlayableFile) {
    ScratchDir out;
    AVConvert job;
    FillCopyJob(job, {{Media("long_60.m4a").string(), out.File("long.x")}});
    RunAndStopAt(job, false, 20);
    // Copying is quick: the stop may come after the end; either way the file is kept and plays.
    EXPECT_NE(job.taskStatus[0], AVConvert::kTaskFailed) << job.FailureReason(0);
    ASSERT_TRUE(fs::exists(job.outputPaths[0]));
    EXPECT_GT(DecodedSeconds(job.outputPaths[0]), 0.5);
}

// ---- Tags and cover pictures ----

std::string Tags(const std::string& path) {
    return RunCommand("ffprobe -v error -show_entries format_tags:stream_tags -of default=nw=1 '" +
                      path + "'");
}

// "codec,width,height" of the file's cover picture, or empty.
std::string Cover(const std::string& path) {
    const std::string text = RunCommand(
        "ffprobe -v error -select_streams v -show_entries "
        "stream=codec_name,width,height:stream_disposition=attached_pic -of csv=p=0 '" +
        path + "'");
    return text.find(",1") != std::string::npos ? text.substr(0, text.find(",1")) : "";
}

void ExpectSourceTags(const std::string& path) {
    const std::string tags = Tags(path);
    for (const char* expected : {"title=Night Song", "artist=The Testers", "album=Fixtures",
                                 "date=2024", "genre=Rock", "comment=made for tests"}) {
        EXPECT_NE(tags.find(expected), std::string::npos) << path << " lacks " << expected << ":\n"
                                                          << tags;
    }
    EXPECT_TRUE(tags.find("track=3") != std::string::npos) << path << ":\n" << tags;
}

TEST(OutputTags, TagsAndCoverGoIntoMp3M4aAndFlac) {
    ScratchDir out;
    AVConvert encode;
    FillJob(encode,
            {{Media("tagged_cover.mp4").string(), out.File("encoded.mp3")},
             {Media("tagged_attachment.mkv").string(), out.File("attached.mp3")}},
            {AV_CODEC_ID_MP3});
    RunBatch(encode);
    AVConvert copy;
    RunCopy(copy, {{Media("tagged_cover.mp4").string(), out.File("copied.x")},
                   {Media("tagged_attachment.mkv").string(), out.File("copied.x")}});
    for (const AVConvert* job : {&encode, &copy}) {
        ASSERT_EQ(job->taskStatus[0], AVConvert::kTaskConverted) << job->FailureReason(0);
        ASSERT_EQ(job->taskStatus[1], AVConvert::kTaskConverted) << job->FailureReason(1);
    }
    ASSERT_EQ(copy.outputPaths[0], out.File("copied.m4a"));
    ASSERT_EQ(copy.outputPaths[1], out.File("copied.flac"));
    for (const std::string& path :
         {encode.outputPaths[0], encode.outputPaths[1], copy.outputPaths[0], copy.outputPaths[1]}) {
        ExpectSourceTags(path);
    }
    // The MP4's attached PNG and the Matroska JPEG attachment, as they were.
    EXPECT_EQ(Cover(encode.outputPaths[0]).substr(0, 3), "png");
    EXPECT_EQ(Cover(copy.outputPaths[0]).substr(0, 3), "png");
    EXPECT_EQ(Cover(encode.outputPaths[1]).substr(0, 5), "mjpeg");
    EXPECT_EQ(Cover(copy.outputPaths[1]).substr(0, 5), "mjpeg");
    // The sound is whole beside the picture.
    EXPECT_NEAR(DecodedSeconds(encode.outputPaths[0]), 3.0, 0.05);
}

// A Matroska file names its attachments: only the one named as a cover is the cover (not the
// screenshot before it, not the font), and its named track gives no song title.
TEST(OutputTags, OnlyACoverIsTheCoverAndATracksNameIsNoTitle) {
    ScratchDir out;
    AVConvert job;
    FillJob(job, {{Media("named_track_attachments.mkv").string(), out.File("named.mp3")}},
            {AV_CODEC_ID_MP3});
    RunBatch(job);
    ASSERT_EQ(job.taskStatus[0], AVConvert::kTaskConverted) << job.FailureReason(0);
    EXPECT_EQ(Cover(job.outputPaths[0]), "mjpeg,64,48");
    EXPECT_EQ(Tags(job.outputPaths[0]).find("Commentary"), std::string::npos)
        << Tags(job.outputPaths[0]);
    EXPECT_TRUE(job.TaskNote(0).empty()) << job.TaskNote(0);
}

TEST(OutputTags, TagsGoIntoVorbisCommentsAndAsfAttributes) {
    ScratchDir out;
    for (const auto& [codec, name] : {std::pair{AV_CODEC_ID_VORBIS, "tagged.ogg"},
                                      std::pair{AV_CODEC_ID_WMAV2, "tagged.wma"}}) {
        AVConvert job;
        FillJob(job, {{Media("tagged_cover.mp4").string(), out.File(name)}}, {codec});
        RunBatch(job);
        ASSERT_EQ(job.taskStatus[0], AVConvert::kTaskConverted) << job.FailureReason(0);
        ExpectSourceTags(job.outputPaths[0]);
    }
}

TEST(OutputTags, ACoverTakenFromTheVideoOnlyWhenAsked) {
    ScratchDir out;
    AVConvert plain;
    FillJob(plain, {{Media("copy_ac3.mkv").string(), out.File("plain.mp3")}}, {AV_CODEC_ID_MP3});
    RunBatch(plain);
    ASSERT_EQ(plain.taskStatus[0], AVConvert::kTaskConverted);
    EXPECT_EQ(Cover(plain.outputPaths[0]), "");  // as before: no cover of its own, none made

    AVConvert job;
    JobPlan plan = TestPlan({{Media("copy_ac3.mkv").string(), out.File("shot.mp3")},
                             {Media("tagged_cover.mp4").string(), out.File("own.mp3")},
                             {Media("copy_ac3.mkv").string(), out.File("shot.wav")}},
                            {AV_CODEC_ID_MP3});
    plan.coverFromVideo = true;
    plan.coverFromVideoSeconds = 1.5;
    ApplyPlan(plan, job);
    RunBatch(job);
    for (int i = 0; i < 3; ++i) {
        ASSERT_EQ(job.taskStatus[static_cast<std::size_t>(i)], AVConvert::kTaskConverted);
    }
    EXPECT_EQ(Cover(job.outputPaths[0]), "mjpeg,64,48");
    EXPECT_EQ(Cover(job.outputPaths[1]).substr(0, 3), "png");  // its own cover wins
    EXPECT_EQ(Cover(job.outputPaths[2]), "");                  // WAV holds no picture

    AVConvert copy;
    FillCopyJob(copy, {{Media("copy_aac.mp4").string(), out.File("shot.x")},
                       {Media("copy_flac.mkv").string(), out.File("shot.x")}},
                [](JobPlan& plan) { plan.coverFromVideo = true; });  // at a tenth of the length
    RunBatch(copy);
    ASSERT_EQ(copy.taskStatus[0], AVConvert::kTaskConverted);
    EXPECT_EQ(Cover(copy.outputPaths[0]), "mjpeg,64,48");
    EXPECT_EQ(Cover(copy.outputPaths[1]), "mjpeg,64,48");
}

}  // namespace
}  // namespace tolvane::test
