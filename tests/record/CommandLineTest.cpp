// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "CommandLine.h"

namespace fs = std::filesystem;

namespace {

TEST(CommandLine, OpenSwitchInAnyCaseAndProperCase) {
    EXPECT_EQ(OpenArgumentPath("/open c:\\games\\a.zvr"), "C:\\games\\a.zvr");
    EXPECT_EQ(OpenArgumentPath("/OPEN C:\\My Games\\A.zvr"), "C:\\my Games\\a.zvr");
    EXPECT_EQ(OpenArgumentPath("/Open /home/ME/x.ZVR"), "/home/me/x.zvr");
    EXPECT_EQ(ProperCase("one\ttwo\nthree  FOUR 1st"), "One\tTwo\nThree  Four 1st");
    EXPECT_EQ(ProperCase("\xE6\xA3\x8B\xE8\xB0\xB1 ABC"), "\xE6\xA3\x8B\xE8\xB0\xB1 Abc");
    for (const char* text : {"", "/open", "/opena.zvr", " /open a.zvr", "-open a.zvr"})
        EXPECT_FALSE(OpenArgumentPath(text).has_value()) << '"' << text << '"';
}

// The proper-cased path differs from the real name on a case-sensitive file system.
TEST(CommandLine, ResolvesTheRecordPathWithoutRegardToCase) {
    const fs::path root =
        fs::temp_directory_path() / ("quorvane-cmdline-" + std::to_string(::getpid()));
    fs::create_directories(root / "My Games");
    const auto under = [&](const char* tail) { return (root / tail).string(); };
    std::ofstream(under("My Games/Final Round.zvr")) << "Size8 \r\n";

    const std::string real = under("My Games/Final Round.zvr");
    EXPECT_EQ(
        ResolveRecordPath(under("MY GAMES/FINAL ROUND.ZVR"), under("My games/final Round.zvr")),
        real);
    const std::string missing = under("My games/Other.zvr");
    EXPECT_EQ(ResolveRecordPath(under("MY GAMES/OTHER.ZVR"), missing), missing);
    // Names differing only by case: the first in name order wins, whatever the folder order.
    std::ofstream(under("My Games/FINAL ROUND.zvr")) << "Size8 \r\n";
    EXPECT_EQ(ResolveRecordPath("", under("my games/final round.zvr")),
              under("My Games/FINAL ROUND.zvr"));
    fs::remove_all(root);
}

}  // namespace
