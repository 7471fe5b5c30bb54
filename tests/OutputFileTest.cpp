// Output names and the exclusive creation of output files.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <thread>
#include <vector>

#include "OutputFile.h"
#include "TestSupport.h"

namespace tolvane::test {
namespace {

namespace fs = std::filesystem;

TEST(OutputFile, NumberedNamesGoBeforeTheExtensionOfTheFileName) {
    EXPECT_EQ(NumberedName("/out/song.mp3", 0), "/out/song(0).mp3");
    EXPECT_EQ(NumberedName("/out/talk.final.mp3", 12), "/out/talk.final(12).mp3");
    EXPECT_EQ(NumberedName("/out.d/README", 1), "/out.d/README(1)");
}

TEST(OutputFile, CreatesTheFirstFreeNameAndNeverOpensAnExistingFile) {
    ScratchDir dir;
    std::ofstream(dir.File("a.wav")) << "one";
    std::ofstream(dir.File("a(0).wav")) << "two";
    ExclusiveOutputFile file;
    ASSERT_EQ(file.Create(dir.File("a.wav")), 0);
    EXPECT_EQ(file.Path(), dir.File("a(1).wav"));
    avio_write(file.Io(), reinterpret_cast<const unsigned char*>("new"), 3);
    EXPECT_EQ(file.Close(), 0);
    EXPECT_EQ(ReadFile(dir.File("a.wav")), "one");
    EXPECT_EQ(ReadFile(dir.File("a(0).wav")), "two");
    EXPECT_EQ(ReadFile(dir.File("a(1).wav")), "new");
    EXPECT_EQ(FirstFreeName(dir.File("a.wav")), dir.File("a(2).wav"));
}

TEST(OutputFile, DanglingLinkCountsAsExisting) {
    ScratchDir dir;
    fs::create_symlink(dir.File("nowhere"), dir.File("a.mp3"));
    ExclusiveOutputFile file;
    ASSERT_EQ(file.Create(dir.File("a.mp3")), 0);
    EXPECT_EQ(file.Path(), dir.File("a(0).mp3"));
    EXPECT_FALSE(fs::exists(dir.File("nowhere")));
}

// The part file `output` is written as in `folder`, empty when there is none.
std::string PartOf(const ScratchDir& dir, const std::string& output) {
    for (const auto& entry : fs::directory_iterator(dir.Path())) {
        if (IsPartFileOf(entry.path().filename().string(), output)) {
            return entry.path().string();
        }
    }
    return {};
}

// What a killed run leaves: a part file of `output` that no process holds any more.
std::string LeaveStalePart(const ScratchDir& dir, const std::string& output) {
    const pid_t child = ::fork();
    if (child == 0) {
        ExclusiveOutputFile file;
        if (file.Create(output) == 0) {
            avio_write(file.Io(), reinterpret_cast<const unsigned char*>("cut"), 3);
            avio_flush(file.Io());
        }
        ::_exit(0);  // no destructor runs: as a kill
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return PartOf(dir, output);
}

// A file is written under a hidden part name and has its own name only once it is whole; a part
// file that no live writer holds is what a killed run left, and goes; a held one stays.
TEST(OutputFile, PartFilesUntilWholeAndOnlyStaleOnesGo) {
    ScratchDir dir;
    {
        ExclusiveOutputFile file;
        ASSERT_EQ(file.Create(dir.File("a.wav")), 0);
        EXPECT_EQ(file.PartPath(), PartOf(dir, dir.File("a.wav")));
        avio_write(file.Io(), reinterpret_cast<const unsigned char*>("new"), 3);
        EXPECT_FALSE(fs::exists(dir.File("a.wav"))) << "not before it is whole";
        EXPECT_EQ(RemoveStalePartFiles(dir.Path().string()), 0) << "held while written";
        EXPECT_TRUE(fs::exists(file.PartPath()));
        EXPECT_EQ(file.Close(), 0);
    }
    EXPECT_EQ(ReadFile(dir.File("a.wav")), "new");
    EXPECT_EQ(PartOf(dir, dir.File("a.wav")), "");
    {
        ExclusiveOutputFile unfinished;
        ASSERT_EQ(unfinished.Create(dir.File("b.wav")), 0);
    }
    EXPECT_EQ(PartOf(dir, dir.File("b.wav")), "")
        << "an owner that goes without closing removes its part";

    // A name whose part name would be too long still gets a part file of its own.
    const std::string longest = dir.File(std::string(250, 'x') + ".wav");
    ExclusiveOutputFile file;
    ASSERT_EQ(file.Create(longest), 0);
    EXPECT_TRUE(IsPartFileName(fs::path(file.PartPath()).filename().string()));
    EXPECT_EQ(file.Close(), 0);
    EXPECT_TRUE(fs::exists(longest));
}

// The sweep removes only what it can prove is a stale part file of ours: other programs' files
// (named like part files, even like ours; locked with flock or not; read-only; a FIFO, which
// must not block it) and the run's own inputs stay as they are.
TEST(OutputFile, TheSweepTouchesOnlyStalePartsOfOurs) {
    ScratchDir dir;
    const std::string stale = LeaveStalePart(dir, dir.File("killed.mp3"));
    ASSERT_FALSE(stale.empty());
    ASSERT_TRUE(IsPartFileName(fs::path(stale).filename().string()));

    std::vector<std::string> others = {dir.File(".holiday.mp4.part"), dir.File(".dl.iso.part"),
                                       dir.File(".x.mp3.0123456789abcdef.tolvane-part")};
    for (const std::string& other : others) {
        std::ofstream(other) << "another program's";
    }
    fs::permissions(dir.File(".dl.iso.part"), fs::perms::owner_read);
    const std::string fifo = dir.File(".f.mp3.0123456789abcdef.tolvane-part");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    const std::string fifo2 = dir.File(".pipe.part");
    ASSERT_EQ(::mkfifo(fifo2.c_str(), 0644), 0);
    others.push_back(fifo);
    others.push_back(fifo2);

    // Held with flock by another program: left alone, then taken once it is let go.
    const int held = ::open(stale.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(held, 0);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    EXPECT_EQ(RemoveStalePartFiles(dir.Path().string()), 0);
    EXPECT_TRUE(fs::exists(stale));
    ::close(held);
    // One of the run's inputs, whatever its name, is never removed.
    EXPECT_EQ(RemoveStalePartFiles(dir.Path().string(), {stale}), 0);
    EXPECT_TRUE(fs::exists(stale));

    EXPECT_EQ(RemoveStalePartFiles(dir.Path().string()), 1);
    EXPECT_FALSE(fs::exists(stale));
    for (const std::string& other : others) {
        EXPECT_TRUE(fs::exists(fs::symlink_status(other))) << other;
    }
}

// A part file is never to be found unlocked: a sweep running all the while another run creates
// and writes its files takes none of them.
TEST(OutputFile, ASweepNeverTakesAPartFileBeingMade) {
    ScratchDir dir;
    std::atomic<bool> done{false};
    std::atomic<int> taken{0};
    std::thread sweeper([&] {
        while (!done.load()) {
            taken += RemoveStalePartFiles(dir.Path().string());
        }
    });
    int kept = 0;
    for (int i = 0; i < 300; ++i) {
        ExclusiveOutputFile file;
        ASSERT_EQ(file.Create(dir.File("a.wav")), 0);
        avio_write(file.Io(), reinterpret_cast<const unsigned char*>("whole"), 5);
        kept += file.Close() == 0 ? 1 : 0;
    }
    done = true;
    sweeper.join();
    EXPECT_EQ(taken.load(), 0);
    EXPECT_EQ(kept, 300);
    EXPECT_EQ(ReadFile(dir.File("a(298).wav")), "whole");
}

// A part file stays ours when its disk comes back under another device number (a remount, a
// USB disk): its tag is its inode's. Tags of the device and inode, as earlier runs made them,
// still count; another file's never does.
TEST(OutputFile, APartFileIsKnownAfterARemount) {
    ScratchDir dir;
    const std::string stale = LeaveStalePart(dir, dir.File("talk.mp3"));
    ASSERT_FALSE(stale.empty());
    struct stat st {};
    ASSERT_EQ(::lstat(stale.c_str(), &st), 0);
    const std::string name = fs::path(stale).filename().string();
    const std::string tag = name.substr(name.rfind(".tolvane-part") - 16, 16);
    ASSERT_TRUE(PartTagMatches(tag, st));
    struct stat remounted = st;
    remounted.st_dev = st.st_dev + 17;
    EXPECT_TRUE(PartTagMatches(tag, remounted));
    struct stat another = st;
    another.st_ino = st.st_ino + 1;
    EXPECT_FALSE(PartTagMatches(tag, another));
    // A part file named the earlier way (FNV-1a of the device and the inode) is still swept.
    const std::string leftover = LeaveStalePart(dir, dir.File("old.mp3"));
    ASSERT_FALSE(leftover.empty());
    struct stat old {};
    ASSERT_EQ(::lstat(leftover.c_str(), &old), 0);
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    for (const std::uint64_t word :
         {static_cast<std::uint64_t>(old.st_dev), static_cast<std::uint64_t>(old.st_ino)}) {
        for (int i = 0; i < 8; ++i) {
            hash = (hash ^ ((word >> (8 * i)) & 0xff)) * 0x100000001b3ULL;
        }
    }
    char oldTag[17];
    std::snprintf(oldTag, sizeof oldTag, "%016llx", static_cast<unsigned long long>(hash));
    const std::string renamed = dir.File(std::string(".old.mp3.") + oldTag + ".tolvane-part");
    fs::rename(leftover, renamed);
    EXPECT_EQ(RemoveStalePartFiles(dir.Path().string()), 2);
    EXPECT_FALSE(fs::exists(renamed));
    EXPECT_FALSE(fs::exists(stale));
}

// A leftover that nobody writes and no sweep can remove (not provably ours) keeps no name: the
// next run takes the name itself instead of "(0)", so a rerun that skips what exists finds it.
// A part file a live writer holds still keeps its name for it.
TEST(OutputFile, ALeftoverNobodyWritesKeepsNoName) {
    ScratchDir dir;
    std::ofstream(dir.File(".talk.mp3.0123456789abcdef.tolvane-part")) << "left over";
    ExclusiveOutputFile file;
    ASSERT_EQ(file.Create(dir.File("talk.mp3")), 0);
    EXPECT_EQ(file.Path(), dir.File("talk.mp3"));
    ExclusiveOutputFile second;
    ASSERT_EQ(second.Create(dir.File("talk.mp3")), 0);
    EXPECT_EQ(second.Path(), dir.File("talk(0).mp3")) << "the first one is being written";
    EXPECT_EQ(file.Close(), 0);
    EXPECT_EQ(second.Close(), 0);
    EXPECT_TRUE(fs::exists(dir.File(".talk.mp3.0123456789abcdef.tolvane-part")))
        << "another program's file stays";
}

TEST(OutputFile, ReportsAFolderThatCannotBeWritten) {
    ScratchDir dir;
    ExclusiveOutputFile file;
    EXPECT_LT(file.Create(dir.File("missing/a.mp3")), 0);
}

}  // namespace
}  // namespace tolvane::test
