// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// Everything a person can do while the computer waits, and while a demo tick runs: after
// each, the board, the counts, the record text and the drawn board must agree.
#include <gtest/gtest.h>

#include <QRadioButton>
#include <QTimer>

#include "Quit.h"
#include "UiTestSupport.h"

namespace {

// What a person does while the game waits, and the record text it must leave: exactly
// that, or beginning with it when it ends in "…".
const std::pair<std::function<void(TestWindow&)>, std::string> kInterruptions[] = {
    {[](TestWindow& w) { w.ClickCell(5, 6); }, "Size8 …"},
    {[](TestWindow& w) { w->mnuNewGame_Click(); }, kStart},
    {[](TestWindow& w) { w->optComputer->setChecked(true); }, std::string(kStart) + "B…"},
    {[](TestWindow& w) {
         w.script->inputs.push_back("10");
         w->mnuSize_Click();
     },
     "Size10 BF5 WE5 BE6 WF6 "},
    {[](TestWindow& w) { w.OpenRecord(w.File("six.zvr", "Size6 BD3 WC3 BC4 WD4 \r\n")); },
     "Size6 BD3 WC3 BC4 WD4 "},
    {[](TestWindow& w) { w.OpenRecord(w.File("bad.zvr", "Size8 BE4 XX\r\n")); },
     "Size8 BE4 XX\r\n(Invalid)…"},
};

// A replay board is never played on by the demo, and nothing the wait's caller does
// afterwards may break the invariants.
TEST(Reentry, DuringTheComputersPauseAndADemoTick) {
    for (const bool demo : {false, true}) {
        for (const auto& [act, want] : kInterruptions) {
            SCOPED_TRACE(want + (demo ? " in a demo tick" : ""));
            TestWindow w;
            w.duringNextWait = [&, &act = act] { act(w); };  // clang 14 captures no binding
            if (demo) w->mnuDemo_Click();
            demo ? w->tmrDemo_Timer() : w.ClickCell(3, 4);
            const bool start = want.ends_with("…");  // 3 bytes
            EXPECT_EQ(start ? w.Record().substr(0, want.size() - 3) + "…" : w.Record(), want);
            EXPECT_EQ(w.InvariantFailures(), "");
            EXPECT_FALSE(w->game().bReplayMode && w->demoTimer()->isActive());
        }
    }
}

// Quitting inside the pause ends the process there: nothing after the wait may run.
TEST(ReentryDeathTest, QuitDuringThePauseEndsTheProcessAtOnce) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            TestWindow w;
            w->SetQuitRoutine([] { Quit::QuitRoutine(); });
            w.duringNextWait = [&] { w->mnuQuit_Click(); };
            w.ClickCell(3, 4);
            std::exit(3);  // reached only if the quit returned
        },
        ::testing::ExitedWithCode(0), "");
}

}  // namespace
