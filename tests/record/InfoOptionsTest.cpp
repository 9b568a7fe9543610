// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "InfoOptions.h"

namespace {

TEST(InfoOptions, HelpAndVersionAnswerWhileEveryOtherTextStaysTheGames) {
    const auto answer = [](const QStringList& arguments) {
        return InfoOptionText(arguments).value_or("game").section('\n', 0, 0).toStdString();
    };
    for (const QStringList& arguments : {QStringList{"--version"}, {"--style", "x", "-v"}})
        EXPECT_EQ(answer(arguments), "Quorvane 3.0.0");
    for (const QStringList& arguments : {QStringList{"--help"}, {"--unknown", "-h"}})
        EXPECT_EQ(answer(arguments), "Usage: quorvane [/open PATH]");
    // What the menu entry passes, records named --help and -v.zvr, and Qt's own options,
    // whose letters are no -h or -v, with their values.
    for (const QStringList& arguments :
         {QStringList{}, {"--unknown"}, {"/open"}, {"/open", "--help"}, {"/OPEN", "-v.zvr"},
          {"-help"}, {"-reverse"}, {"-visual", "TrueColor"}, {"-stylesheet", "x.qss"},
          {"-platformtheme", "gtk3"}, {"-qwindowtitle", "-v"}, {"-style", "x", "/open", "-h"}})
        EXPECT_EQ(answer(arguments), "game") << arguments.join(' ').toStdString();
}

}  // namespace
