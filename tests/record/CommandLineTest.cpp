#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "CommandLine.h"

namespace fs = std::filesystem;

namespace {

TEST(CommandLine, ArgumentTextJoinsWithSingleSpaces) {
    EXPECT_EQ(ArgumentText({}), "");
    EXPECT_EQ(ArgumentText({"/open"}), "/open");
    EXPECT_EQ(ArgumentText({"/open", "/home/me/My Games/a b.zvr"}),
              "/open /home/me/My Games/a b.zvr");
}

TEST(CommandLine, ProperCaseRaisesOnlyTheFirstLetterOfEachWord) {
    EXPECT_EQ(ProperCase("c:\\games\\a.zvr"), "C:\\games\\a.zvr");
    EXPECT_EQ(ProperCase("C:\\My Games\\A.zvr"), "C:\\my Games\\a.zvr");
    EXPECT_EQ(ProperCase("/home/ME/Records/x.ZVR"), "/home/me/records/x.zvr");
    EXPECT_EQ(ProperCase("one\ttwo\nthree  four"), "One\tTwo\nThree  Four");
    EXPECT_EQ(ProperCase("1st PLACE"), "1st Place");
    EXPECT_EQ(ProperCase(""), "");
    // Bytes outside ASCII (UTF-8 names) are left as they are.
    EXPECT_EQ(ProperCase("\xE6\xA3\x8B\xE8\xB0\xB1 ABC"), "\xE6\xA3\x8B\xE8\xB0\xB1 Abc");
}

TEST(CommandLine, OpenSwitchInAnyCase) {
    EXPECT_EQ(OpenArgumentPath("/open c:\\games\\a.zvr"), "C:\\games\\a.zvr");
    EXPECT_EQ(OpenArgumentPath("/OPEN C:\\My Games\\A.zvr"), "C:\\my Games\\a.zvr");
    EXPECT_EQ(OpenArgumentPath("/Open /tmp/x.zvr"), "/tmp/x.zvr");
    EXPECT_EQ(OpenArgumentPath("/open "), "");
    for (const char* text : {"", "/open", "/opena.zvr", "open a.zvr", " /open a.zvr",
                             "/open\ta.zvr", "-open a.zvr", "/o a.zvr"}) {
        EXPECT_FALSE(OpenArgumentPath(text).has_value()) << '"' << text << '"';
    }
}

// A fresh folder under the system's temporary folder, removed with the test.
class ResolveRecordPathTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::random_device seed;
        root_ = fs::temp_directory_path() / ("quorvane-cmdline-" + std::to_string(seed()));
        fs::create_directories(root_ / "My Games");
        Touch(root_ / "My Games" / "Final Round.zvr");
    }
    void TearDown() override { fs::remove_all(root_); }

    static void Touch(const fs::path& path) { std::ofstream(path) << "Size8 \r\n"; }
    std::string Under(const std::string& tail) const { return (root_ / tail).string(); }

    fs::path root_;
};

TEST_F(ResolveRecordPathTest, PrefersTheExactPaths) {
    const std::string real = Under("My Games/Final Round.zvr");
    EXPECT_EQ(ResolveRecordPath(real, Under("My games/final Round.zvr")), real);

    Touch(root_ / "My Games" / "final Round.zvr");
    EXPECT_EQ(
        ResolveRecordPath(Under("MY GAMES/FINAL ROUND.ZVR"), Under("My Games/final Round.zvr")),
        Under("My Games/final Round.zvr"));
}

TEST_F(ResolveRecordPathTest, MatchesFoldersAndFileNamesWithoutRegardToCase) {
    const std::string real = Under("My Games/Final Round.zvr");
    EXPECT_EQ(
        ResolveRecordPath(Under("MY GAMES/FINAL ROUND.ZVR"), Under("My games/final Round.zvr")),
        real);
    EXPECT_EQ(ResolveRecordPath("", Under("my games/./final round.zvr")),
              Under("My Games/./Final Round.zvr"));

    // Names that differ only by case: the first in name order wins, whatever the folder order.
    Touch(root_ / "My Games" / "FINAL ROUND.zvr");
    EXPECT_EQ(ResolveRecordPath("", Under("my games/final round.zvr")),
              Under("My Games/FINAL ROUND.zvr"));
}

TEST_F(ResolveRecordPathTest, FallsBackToTheProperCasedPath) {
    const std::string missing = Under("My games/other.zvr");
    EXPECT_EQ(ResolveRecordPath(Under("MY GAMES/OTHER.ZVR"), missing), missing);
    // A file standing where a folder should be ends the search quietly.
    const std::string throughFile = Under("My Games/Final Round.zvr/x.zvr");
    EXPECT_EQ(ResolveRecordPath(throughFile, throughFile), throughFile);
    EXPECT_EQ(ResolveRecordPath("", ""), "");
}

}  // namespace
