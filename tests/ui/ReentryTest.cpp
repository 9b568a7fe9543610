// Everything a person can do while the computer waits, and while a demo tick runs: after
// each, the board, the counts, the record text and the drawn board must agree.
#include <gtest/gtest.h>

#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>

#include "Quit.h"
#include "UiTestSupport.h"

namespace {

constexpr const char* kStart = "Size8 BE4 WD4 BD5 WE5 ";

// What a person does while the game waits, and the record text it must leave: exactly
// that, or beginning with it when it ends in "…".
struct Interruption {
    const char* name;
    std::function<void(TestWindow&, const QString& folder)> act;
    std::string record;
};

const Interruption kInterruptions[] = {
    {"click the board", [](TestWindow& w, const QString&) { w.ClickCell(5, 6); }, "Size8 …"},
    {"new game", [](TestWindow& w, const QString&) { w->mnuNewGame_Click(); }, kStart},
    {"computer first", [](TestWindow& w, const QString&) { w->optComputer->setChecked(true); },
     std::string(kStart) + "B…"},
    {"board size",
     [](TestWindow& w, const QString&) {
         w.script->inputs.push_back("10");
         w->mnuSize_Click();
     },
     "Size10 BF5 WE5 BE6 WF6 "},
    {"open a valid record",
     [](TestWindow& w, const QString& folder) {
         WriteFile(folder + "/six.zvr", "Size6 BD3 WC3 BC4 WD4 \r\n");
         w.OpenRecord(folder + "/six.zvr");
     },
     "Size6 BD3 WC3 BC4 WD4 "},
    {"open an invalid record",
     [](TestWindow& w, const QString& folder) {
         WriteFile(folder + "/bad.zvr", "Size8 BE4 XX\r\n");
         w.OpenRecord(folder + "/bad.zvr");
     },
     "Size8 BE4 XX\r\n(Invalid)…"},
};

// After each: the record is as it must be, nothing the wait's caller did afterwards broke
// the invariants, and a replay board is never played on by the demo.
void RunInterruptions(const std::function<void(TestWindow&)>& startWait) {
    for (const Interruption& interruption : kInterruptions) {
        SCOPED_TRACE(interruption.name);
        QTemporaryDir dir;
        TestWindow w;
        w.duringNextWait = [&] { interruption.act(w, dir.path()); };
        startWait(w);
        const std::string& want = interruption.record;
        if (want.ends_with("…"))
            EXPECT_TRUE(w.Record().starts_with(want.substr(0, want.size() - 3))) << w.Record();
        else
            EXPECT_EQ(w.Record(), want);
        EXPECT_EQ(InvariantFailures(*w), "");
        EXPECT_FALSE(w->game().bReplayMode && w->demoTimer()->isActive());
    }
}

TEST(Reentry, DuringTheComputersPauseAndADemoTick) {
    RunInterruptions([](TestWindow& w) { w.ClickCell(3, 4); });
    RunInterruptions([](TestWindow& w) {
        w->mnuDemo_Click();
        w->tmrDemo_Timer();
    });
}

TEST(Reentry, ATickThatFallsDueDuringATickIsSkipped) {
    TestWindow w;
    w->mnuDemo_Click();
    std::string recordDuringNestedTick;
    w.duringNextWait = [&] {
        const std::string before = w.Record();
        w->tmrDemo_Timer();  // falls due while the first tick waits
        recordDuringNestedTick = before == w.Record() ? "unchanged" : "changed";
    };
    w->tmrDemo_Timer();
    EXPECT_EQ(recordDuringNestedTick, "unchanged");
    EXPECT_EQ(w->game().iMoveNumber, 2);
    EXPECT_EQ(InvariantFailures(*w), "");
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
