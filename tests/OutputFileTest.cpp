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

TEST(OutputFile, ReportsAFolderThatCannotBeWritten) {
    ScratchDir dir;
    ExclusiveOutputFile file;
    EXPECT_LT(file.Create(dir.File("missing/a.mp3")), 0);
}

}  // namespace
}  // namespace tolvane::test
