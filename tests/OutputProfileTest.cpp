// The output profile, its tables, output paths and the remembered output folder.

#include <gtest/gtest.h>
#include <atomic>

#include <filesystem>
#include <fstream>
#include <optional>
#include <thread>
#include <vector>

extern "C" {
#include <libavcodec/codec_id.h>
}

#include "AVConvert.h"
#include "JobSettings.h"
#include "OutputFolder.h"
#include "OutputSettings.h"
#include "Paths.h"
#include "TestSupport.h"

namespace tolvane::test {
namespace {

namespace fs = std::filesystem;

TEST(OutputProfile, StartupRunUsesMp3At192kAnd48kHz) {
    OutputSettings settings;
    ApplyStartupValues(settings);
    AVConvert job;
    tolvane::CopySettingsToJob(settings, job);
    EXPECT_EQ(settings.presetId, 90106);
    EXPECT_EQ(job.audioCodecId, AV_CODEC_ID_MP3);
    EXPECT_EQ(job.audioBitRate, 192000);
    EXPECT_EQ(job.audioSampleRate, 48000);
    EXPECT_EQ(job.audioChannels, 2);
    EXPECT_FALSE(job.includeVideo);
    EXPECT_EQ(job.writeThumbnail, -1);
    EXPECT_EQ(settings.savedChannelText, "2 Channel stereo");
}

TEST(OutputProfile, FormatChoiceSetsTheEntrysPresetAndCommonValues) {
    OutputSettings settings;
    ApplyStartupValues(settings);
    settings.savedAudioBitRateText = "64 kbps";
    settings.videoEncoderName = "FLV";
    settings.pspPreset = true;
    settings.audioOnly = false;
    ASSERT_TRUE(ApplyFormatChoice(settings, 1));
    EXPECT_EQ(settings.presetId, 90109);
    EXPECT_EQ(settings.audioEncoderName, "PCM_S16LE");
    EXPECT_EQ(settings.audioBitRate, 128000);
    EXPECT_EQ(settings.channels, 2);
    EXPECT_EQ(settings.sampleRate, 44100);
    EXPECT_TRUE(settings.audioOnly);
    EXPECT_FALSE(settings.pspPreset);
    EXPECT_EQ(settings.savedAudioBitRateText, "64 kbps") << "remembered texts stay";
    EXPECT_EQ(settings.videoEncoderName, "FLV") << "video fields stay";

    const int expected[] = {90106, 90109, 90110, 90107, 91700};
    for (int i = 0; i < 5; ++i) {
        ASSERT_TRUE(ApplyFormatChoice(settings, i));
        EXPECT_EQ(settings.presetId, expected[i]);
        EXPECT_EQ(settings.sampleRate, i == 4 ? 48000 : 44100) << "Opus takes only 48000 Hz";
    }
    EXPECT_FALSE(ApplyFormatChoice(settings, 5));
    EXPECT_FALSE(ApplyFormatChoice(settings, -1));
    EXPECT_EQ(settings.presetId, 91700);
}

TEST(OutputProfile, TablesTranslateExactNamesAndLeaveUnknownOnesAlone) {
    OutputSettings settings;
    ApplyStartupValues(settings);
    AVConvert job;
    job.audioCodecId = 7;
    job.videoCodecId = 8;
    job.videoFrameRate = 12.5;
    settings.audioEncoderName = "mp3";  // comparisons are case-sensitive
    settings.videoEncoderName = "MPEG-4";
    settings.frameRateText = "29.97fps";
    tolvane::CopySettingsToJob(settings, job);
    EXPECT_EQ(job.audioCodecId, 7);
    EXPECT_EQ(job.videoCodecId, 8);
    EXPECT_EQ(job.videoFrameRate, 12.5);

    settings.audioEncoderName = "WMA7";
    settings.videoEncoderName = "DivX";
    settings.frameRateText = "29.97 fps";
    settings.audioOnly = false;
    settings.pspPreset = true;
    settings.frameWidth = 320;
    settings.frameHeight = 240;
    tolvane::CopySettingsToJob(settings, job);
    EXPECT_EQ(job.audioCodecId, AV_CODEC_ID_WMAV1);
    EXPECT_EQ(job.videoCodecId, AV_CODEC_ID_MSMPEG4V3);
    EXPECT_EQ(job.videoFrameRate, 29.97);
    EXPECT_TRUE(job.includeVideo);
    EXPECT_EQ(job.writeThumbnail, 1);
    EXPECT_EQ(job.videoWidth, 320);

    EXPECT_EQ(AudioCodecForName("APE"), AV_CODEC_ID_APE);
    EXPECT_EQ(VideoCodecForName("XVID"), kCodecIdXvid);
    EXPECT_EQ(FrameRateForText("14.985 fps"), 14.985);
    EXPECT_FALSE(FrameRateForText("18.0 fps").has_value());
}

TEST(OutputProfile, OutputPathsFollowTheSourceNameAndTheEntryExtension) {
    const char* mp3 = kFormatEntries[0].text;
    EXPECT_EQ(OutputPathForTask("/clips/talk.final.avi", "/out", mp3), "/out/talk.final.mp3");
    // A backslash is part of a Linux file name; only "/" separates.
    EXPECT_EQ(OutputPathForTask("/clips/back\\slash.mp4", "/out", kFormatEntries[3].text),
              "/out/back\\slash.ogg");
    EXPECT_EQ(OutputPathForTask("talk.avi", "/out/", mp3), "/out/talk.mp3")
        << "a folder ending in a separator gets no second one";
    EXPECT_FALSE(OutputPathForTask("/clips/README", "/out", mp3).has_value());
    EXPECT_FALSE(OutputPathForTask("/clips.d/README", "/out", mp3).has_value());
    const char* extensions[] = {".mp3", ".wav", ".wma", ".ogg", ".opus"};
    ASSERT_EQ(std::size(extensions), kFormatEntries.size());
    for (std::size_t i = 0; i < kFormatEntries.size(); ++i) {
        EXPECT_EQ(ExtensionFromEntryText(kFormatEntries[i].text), extensions[i]);
        EXPECT_EQ(ExtensionFromEntryText(kFormatEntries[i].text), kFormatEntries[i].extension);
    }
}

TEST(OutputProfile, TheOriginalSoundIsNamedByItsCodecOnceKnown) {
    // Until the worker knows the codec, a copy is named as Matroska audio; the worker puts the
    // codec's extension in its place, also after a name with dots.
    EXPECT_EQ(OutputPathForTask("/clips/talk.final.avi", "/out", kOriginalAudioEntry),
              "/out/talk.final.mka");
    EXPECT_EQ(WithExtension("/out/talk.final.mka", ".ac3"), "/out/talk.final.ac3");
    EXPECT_EQ(WithExtension("/out.d/README", ".ac3"), "/out.d/README.ac3");
    EXPECT_TRUE(IsOriginalAudioEntry("Original audio (no re-encode)"));
    EXPECT_FALSE(IsOriginalAudioEntry(kFormatEntries[0].text));
}

TEST(OutputFolder, SettingsFileRoundTripKeepsTheRestOfTheFile) {
    ScratchDir dir;
    const fs::path file = dir.Path() / "bin" / "Path_Registration.ini";
    EXPECT_EQ(ReadRememberedFolder(file), "") << "missing file";
    ASSERT_TRUE(WriteRememberedFolder(file, "/music/out")) << "creates the bin folder";
    EXPECT_EQ(ReadRememberedFolder(file), "/music/out");
    EXPECT_NE(ReadFile(file.string()).find("[Info]\nPath=/music/out"), std::string::npos);

    std::ofstream(file) << "[Other]\npath=/not/this\n[INFO]\nKeep=1\nPATH = /old folder \n";
    EXPECT_EQ(ReadRememberedFolder(file), "/old folder") << "key read in any case";
    ASSERT_TRUE(WriteRememberedFolder(file, "/new"));
    EXPECT_EQ(ReadRememberedFolder(file), "/new");
    // A deep folder comes back whole.
    std::string deep;
    for (int i = 0; i < 30; ++i) {
        deep += "/folder number " + std::to_string(i);
    }
    ASSERT_GT(deep.size(), 400u);
    ASSERT_TRUE(WriteRememberedFolder(file, deep));
    EXPECT_EQ(ReadRememberedFolder(file), deep);
    ASSERT_TRUE(WriteRememberedFolder(file, "/new"));
    const std::string text = ReadFile(file.string());
    EXPECT_NE(text.find("path=/not/this"), std::string::npos);
    EXPECT_NE(text.find("Keep=1"), std::string::npos);
    EXPECT_NE(text.find("Path=/new"), std::string::npos);

    std::ofstream(file) << "[Info]\nOther=1\n[Next]\nx=y\n";
    ASSERT_TRUE(WriteRememberedFolder(file, "/added"));
    EXPECT_EQ(ReadRememberedFolder(file), "/added");
    EXPECT_LT(ReadFile(file.string()).find("Path=/added"), ReadFile(file.string()).find("[Next]"));
}

TEST(OutputFolder, StartupFolderFallsBackToTheDefaultAndCreatesIt) {
    ScratchDir dir;
    const ProfileLocations locations = LocateProfile(dir.Path());
    EXPECT_EQ(locations.settingsFile, dir.Path() / "bin" / "Path_Registration.ini");
    EXPECT_EQ(locations.defaultOutputFolder, dir.Path() / "OutPut");

    EXPECT_EQ(StartupFolder(locations), (dir.Path() / "OutPut").string()) << "no file";
    EXPECT_TRUE(fs::is_directory(dir.Path() / "OutPut"));
    fs::remove(dir.Path() / "OutPut");

    fs::create_directories(dir.Path() / "bin");
    std::ofstream(locations.settingsFile) << "[Info]\n";
    EXPECT_EQ(StartupFolder(locations), (dir.Path() / "OutPut").string()) << "no key";
    std::ofstream(locations.settingsFile) << "[Info]\nPath=\n";
    EXPECT_EQ(StartupFolder(locations), (dir.Path() / "OutPut").string()) << "empty value";
    EXPECT_TRUE(fs::is_directory(dir.Path() / "OutPut"));

    const std::string elsewhere = (dir.Path() / "not" / "there").string();
    std::ofstream(locations.settingsFile) << "[Info]\npath=" << elsewhere << "\n";
    EXPECT_EQ(StartupFolder(locations), elsewhere);
    EXPECT_FALSE(fs::exists(elsewhere)) << "a remembered folder is neither checked nor created";
}

// An installed program never writes beside itself, writable or not (as root); a build tree or a
// portable folder does.
TEST(OutputFolder, AnInstalledProgramKeepsItsSettingsWithTheUser) {
    ScratchDir prefix;
    fs::create_directories(prefix.Path() / "bin");
    EXPECT_FALSE(IsInstalledProgram(prefix.Path() / "bin")) << "a portable folder";
    fs::create_directories(prefix.Path() / "share" / "tolvane");
    EXPECT_TRUE(IsInstalledProgram(prefix.Path() / "bin"));
    const char* config = std::getenv("XDG_CONFIG_HOME");
    const std::string before = config != nullptr ? config : "";
    ::setenv("XDG_CONFIG_HOME", prefix.File("config").c_str(), 1);
    const ProfileLocations installed = LocateProfile(prefix.Path() / "bin");
    EXPECT_EQ(installed.settingsFile,
              prefix.Path() / "config" / "tolvane" / "Path_Registration.ini");
    config != nullptr ? ::setenv("XDG_CONFIG_HOME", before.c_str(), 1)
                      : ::unsetenv("XDG_CONFIG_HOME");
    EXPECT_TRUE(IsInstalledProgram("/usr/bin"));
    EXPECT_TRUE(IsInstalledProgram("/usr/local/bin/"));
    EXPECT_TRUE(IsInstalledProgram("/opt/tolvane/bin"));
}

// The music folder as the desktop names it in user-dirs.dirs (XDG_MUSIC_DIR is never in a
// desktop session's environment), else ~/Music.
TEST(OutputFolder, TheMusicFolderIsTheOneTheDesktopNames) {
    ScratchDir dir;
    const auto keep = [](const char* name) {
        const char* value = std::getenv(name);
        return value != nullptr ? std::optional<std::string>(value) : std::nullopt;
    };
    const auto home = keep("HOME");
    const auto config = keep("XDG_CONFIG_HOME");
    const auto music = keep("XDG_MUSIC_DIR");
    ::setenv("HOME", dir.Path().c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", dir.File("cfg").c_str(), 1);
    ::unsetenv("XDG_MUSIC_DIR");
    EXPECT_EQ(UserMusicFolder(), dir.Path() / "Music");
    fs::create_directories(dir.Path() / "cfg");
    std::ofstream(dir.File("cfg/user-dirs.dirs"))
        << "# written by xdg-user-dirs-update\nXDG_DESKTOP_DIR=\"$HOME/Desktop\"\n"
           "XDG_MUSIC_DIR=\"$HOME/Musik\"\n";
    EXPECT_EQ(UserMusicFolder(), dir.Path() / "Musik");
    std::ofstream(dir.File("cfg/user-dirs.dirs")) << "XDG_MUSIC_DIR=\"/srv/music\"\n";
    EXPECT_EQ(UserMusicFolder(), fs::path("/srv/music"));
    ::setenv("XDG_MUSIC_DIR", "/set/here", 1);
    EXPECT_EQ(UserMusicFolder(), fs::path("/set/here"));
    const auto restore = [](const char* name, const std::optional<std::string>& value) {
        value ? ::setenv(name, value->c_str(), 1) : ::unsetenv(name);
    };
    restore("HOME", home);
    restore("XDG_CONFIG_HOME", config);
    restore("XDG_MUSIC_DIR", music);
}

TEST(OutputFolder, RunFolderCheckByMode) {
    ScratchDir dir;
    const std::string missing = dir.File("new/folder");
    EXPECT_EQ(CheckRunFolder("\\", RunFolderMode::ExistingOnly), RunFolderCheck::Refused);
    EXPECT_EQ(CheckRunFolder("\\", RunFolderMode::CreateIfMissing), RunFolderCheck::Refused);
    EXPECT_EQ(CheckRunFolder(missing, RunFolderMode::ExistingOnly),
              RunFolderCheck::RefusedWithMessage);
    EXPECT_FALSE(fs::exists(missing));
    EXPECT_EQ(CheckRunFolder(missing, RunFolderMode::CreateIfMissing), RunFolderCheck::Accepted);
    EXPECT_TRUE(fs::is_directory(missing));
    EXPECT_EQ(CheckRunFolder(missing, RunFolderMode::ExistingOnly), RunFolderCheck::Accepted);

    std::ofstream(dir.File("plain")) << "a file";
    EXPECT_EQ(CheckRunFolder(dir.File("plain"), RunFolderMode::ExistingOnly),
              RunFolderCheck::RefusedWithMessage);
    EXPECT_EQ(CheckRunFolder(dir.File("plain/sub"), RunFolderMode::CreateIfMissing),
              RunFolderCheck::RefusedWithMessage);

    // Slices of one job started together all make the same folder: none of them is refused
    // because another made it first.
    for (int round = 0; round < 20; ++round) {
        const std::string shared = dir.File("slices/" + std::to_string(round) + "/audio");
        std::atomic<int> waiting{4};
        std::atomic<int> accepted{0};
        std::vector<std::thread> slices;
        for (int i = 0; i < 4; ++i) {
            slices.emplace_back([&] {
                --waiting;
                while (waiting > 0) {
                }
                if (CheckRunFolder(shared, RunFolderMode::CreateIfMissing) ==
                    RunFolderCheck::Accepted) {
                    ++accepted;
                }
            });
        }
        for (auto& slice : slices) {
            slice.join();
        }
        ASSERT_EQ(accepted, 4) << "round " << round;
    }
}

}  // namespace
}  // namespace tolvane::test
