// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "InfoOptions.h"

namespace {

TEST(InfoOptions, HelpAndVersionAnswerWhileEveryOtherTextStaysTheGames) {
    const std::string help = "help", version = "Quorvane 3.0.0\n", game = "game";
    const std::pair<QStringList, std::string> cases[] = {
        {{"--version"}, version},        {{"--help"}, help},
        {{"--unknown", "--help"}, help}, {{}, game},
        {{"--unknown"}, game},           {{"/open"}, game},  // what the menu entry passes
        {{"/open", "--help"}, game},                         // a record named --help
        {{"/OPEN", "-v.zvr"}, game},     {{"-help"}, game},
        // Qt's own options, whose letters are no -h or -v, and their values.
        {{"-reverse"}, game},            {{"-visual", "TrueColor"}, game},
        {{"-stylesheet", "x.qss"}, game}, {{"-platformtheme", "gtk3"}, game},
        {{"-qwindowtitle", "-v"}, game}, {{"--style", "x", "-v"}, version},
        {{"-style", "x", "/open", "-h"}, game},
    };
    for (const auto& [arguments, expected] : cases) {
        const std::optional<QString> text = InfoOptionText(arguments);
        const std::string shown = !text                                 ? game
                                  : text->startsWith("Usage: quorvane") ? help
                                                                        : text->toStdString();
        EXPECT_EQ(shown, expected) << arguments.join(' ').toStdString();
    }
}

}  // namespace
