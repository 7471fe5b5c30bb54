// Output names and the exclusive creation of output files.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

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

// A file is written under a hidden part name and has its own name only once it is whole; a part
// file that no live writer holds is what a killed run left, and goes; a held one stays.
TEST(OutputFile, PartFilesUntilWholeAndOnlyStaleOnesGo) {
    ScratchDir dir;
    {
        ExclusiveOutputFile file;
        ASSERT_EQ(file.Create(dir.File("a.wav")), 0);
        EXPECT_EQ(file.PartPath(), dir.File(".a.wav.part"));
        avio_write(file.Io(), reinterpret_cast<const unsigned char*>("new"), 3);
        EXPECT_FALSE(fs::exists(dir.File("a.wav"))) << "not before it is whole";
        EXPECT_EQ(RemoveStalePartFiles(dir.Path().string()), 0) << "held while written";
        EXPECT_TRUE(fs::exists(dir.File(".a.wav.part")));
        EXPECT_EQ(file.Close(), 0);
    }
    EXPECT_EQ(ReadFile(dir.File("a.wav")), "new");
    EXPECT_FALSE(fs::exists(dir.File(".a.wav.part")));
    {
        ExclusiveOutputFile unfinished;
        ASSERT_EQ(unfinished.Create(dir.File("b.wav")), 0);
    }
    EXPECT_FALSE(fs::exists(dir.File(".b.wav.part")))
        << "an owner that goes without closing removes its part";

    std::ofstream(dir.File(".killed.mp3.part")) << "left by a killed run";
    std::ofstream(dir.File(".notes")) << "not ours";
    EXPECT_EQ(RemoveStalePartFiles(dir.Path().string()), 1);
    EXPECT_FALSE(fs::exists(dir.File(".killed.mp3.part")));
    EXPECT_TRUE(fs::exists(dir.File(".notes")));

    // A name whose part name would be too long still gets a part file of its own.
    const std::string longest = dir.File(std::string(250, 'x') + ".wav");
    ExclusiveOutputFile file;
    ASSERT_EQ(file.Create(longest), 0);
    EXPECT_TRUE(IsPartFileName(fs::path(file.PartPath()).filename().string()));
    EXPECT_EQ(file.Close(), 0);
    EXPECT_TRUE(fs::exists(longest));
}

TEST(OutputFile, ReportsAFolderThatCannotBeWritten) {
    ScratchDir dir;
    ExclusiveOutputFile file;
    EXPECT_LT(file.Create(dir.File("missing/a.mp3")), 0);
}

}  // namespace
}  // namespace tolvane::test
