// Everything a person can do while the computer waits, and while a demo tick runs: after
// each, the board, the counts, the record text and the drawn board must agree.
#include <gtest/gtest.h>

#include <QFile>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>

#include "Quit.h"
#include "UiTestSupport.h"

namespace {

constexpr const char* kStart = "Size8 BE4 WD4 BD5 WE5 ";

struct Interruption {
    const char* name;
    std::function<void(TestWindow&, QTemporaryDir&)> act;
    // What must hold afterwards, beyond the shared invariants.
    std::function<void(TestWindow&, QTemporaryDir&)> check;
};

std::vector<Interruption> Interruptions() {
    return {
        {"click the board", [](TestWindow& w, QTemporaryDir&) { w.ClickCell(5, 6); },
         [](TestWindow& w, QTemporaryDir&) { EXPECT_EQ(w->game().bPlayerTurn, kTrue); }},
        {"new game", [](TestWindow& w, QTemporaryDir&) { w->mnuNewGame_Click(); },
         [](TestWindow& w, QTemporaryDir&) {
             EXPECT_EQ(w.Record(), kStart);
             EXPECT_EQ(w->game().iMoveNumber, 0);
         }},
        {"computer first", [](TestWindow& w, QTemporaryDir&) { w->optComputer->setChecked(true); },
         [](TestWindow& w, QTemporaryDir&) {
             EXPECT_EQ(w->game().iMoveNumber, 1);
             EXPECT_EQ(w->game().sSideLetter[kPlayer], 'W');
         }},
        {"board size",
         [](TestWindow& w, QTemporaryDir&) {
             w.script->inputs.push_back("10");
             w->mnuSize_Click();
         },
         [](TestWindow& w, QTemporaryDir&) {
             EXPECT_EQ(w->game().iBoardSize, 10);
             EXPECT_EQ(w.Record(), "Size10 BF5 WE5 BE6 WF6 ");
         }},
        {"open a valid record",
         [](TestWindow& w, QTemporaryDir& dir) {
             ASSERT_TRUE(WriteFile(dir.filePath("six.zvr"), "Size6 BD3 WC3 BC4 WD4 \r\n"));
             w.OpenRecord(dir.filePath("six.zvr"));
         },
         [](TestWindow& w, QTemporaryDir&) {
             EXPECT_TRUE(w->game().bReplayMode);
             EXPECT_EQ(w.Record(), "Size6 BD3 WC3 BC4 WD4 ");  // no move landed on it
             EXPECT_FALSE(w->demoTimer()->isActive());
         }},
        {"open an invalid record",
         [](TestWindow& w, QTemporaryDir& dir) {
             ASSERT_TRUE(WriteFile(dir.filePath("bad.zvr"), "Size8 BE4 XX\r\n"));
             w.OpenRecord(dir.filePath("bad.zvr"));
         },
         [](TestWindow& w, QTemporaryDir&) {
             EXPECT_FALSE(w->game().bReplayMode);
             EXPECT_EQ(w.Record().rfind("Size8 BE4 XX\r\n(Invalid)", 0), 0u);
         }},
        {"save",
         [](TestWindow& w, QTemporaryDir& dir) {
             w.script->savePaths.push_back(dir.filePath("saved.zvr"));
             w->mnuSave_Click();
         },
         [](TestWindow& w, QTemporaryDir& dir) {
             QFile file(dir.filePath("saved.zvr"));
             ASSERT_TRUE(file.open(QIODevice::ReadOnly));
             const QByteArray saved = file.readAll();
             EXPECT_TRUE(saved.endsWith(" \r\n"));
             // The save holds the record as it stood then, a prefix of the record now.
             EXPECT_EQ(w.Record().rfind(saved.chopped(2).toStdString(), 0), 0u);
         }},
    };
}

TEST(Reentry, DuringTheComputersPause) {
    for (const Interruption& interruption : Interruptions()) {
        SCOPED_TRACE(interruption.name);
        QTemporaryDir dir;
        TestWindow w;
        w.duringNextWait = [&] { interruption.act(w, dir); };
        w.ClickCell(3, 4);
        interruption.check(w, dir);
        EXPECT_EQ(InvariantFailures(*w), "");
    }
}

TEST(Reentry, DuringADemoTick) {
    for (const Interruption& interruption : Interruptions()) {
        SCOPED_TRACE(interruption.name);
        QTemporaryDir dir;
        TestWindow w;
        w->mnuDemo_Click();
        w.duringNextWait = [&] { interruption.act(w, dir); };
        w->tmrDemo_Timer();
        interruption.check(w, dir);
        EXPECT_EQ(InvariantFailures(*w), "");
        if (!w->demoTimer()->isActive()) continue;
        // A demo that goes on ends each tick with the player holding black, on the move.
        EXPECT_EQ(w->game().sSideLetter[kPlayer], 'B');
        EXPECT_EQ(w->game().bPlayerTurn, kTrue);
    }
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
