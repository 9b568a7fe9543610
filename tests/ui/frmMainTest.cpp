// The main window as a player meets it: start-up, clicks, the computer's reply, menus.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "BoardView.h"
#include "ReplayPanel.h"
#include "UiTestSupport.h"

namespace {

TEST(frmMainStartUp, ShowsTheDefaultGame) {
    TestWindow w;
    EXPECT_EQ(w->windowTitle(), "Quorvane");
    EXPECT_EQ(w.Record(), "Size8 BE4 WD4 BD5 WE5 ");
    EXPECT_EQ(w->txtRecord->toPlainText(), "Size8 BE4 WD4 BD5 WE5 ");
    EXPECT_EQ(w->StatusText(0), "提示：轮你走棋，你执黑棋");
    EXPECT_EQ(w->StatusText(1), "轮次：0");
    EXPECT_EQ(w->StatusText(2), "玩家得分：2");
    EXPECT_EQ(w->StatusText(3), "计算机得分：2");
    EXPECT_TRUE(w->mnuSkill[0]->isChecked());
    for (int i = 1; i < kSkillLevels; ++i) EXPECT_FALSE(w->mnuSkill[i]->isChecked());
    EXPECT_TRUE(w->mnuSound->isChecked());
    EXPECT_TRUE(w->optHuman->isChecked());
    EXPECT_FALSE(w->playTimer()->isActive());
    EXPECT_FALSE(w->demoTimer()->isActive());
    for (auto b : {ReplayButton::Top, ReplayButton::StepPlay, ReplayButton::AutoPlay,
                   ReplayButton::Bottom, ReplayButton::Stop}) {
        EXPECT_FALSE(w->picReplay->Button(b)->isEnabled());
    }
    // The marker frames the last starting disc, row 5 column 5.
    EXPECT_EQ(w->board()->Marker()->geometry(), QRect(160, 160, 40, 40));
    EXPECT_EQ(w->board()->geometry(), QRect(26, 24, 320, 320));
    EXPECT_EQ(InvariantFailures(*w), "");
}

TEST(frmMainBoard, MapsReleasePointsToCells) {
    int16_t row = 0, col = 0;
    BoardView::CellFromTwips(685, 10, 7, row, col);
    EXPECT_EQ(col, 1);
    BoardView::CellFromTwips(686, 10, 7, row, col);
    EXPECT_EQ(col, 2);
    BoardView::CellFromTwips(4800, 4799, 8, row, col);
    EXPECT_EQ(col, 9);
    EXPECT_EQ(row, 8);
    BoardView::CellFromTwips(100, -10, 8, row, col);
    EXPECT_EQ(row, 0);

    // Releases beside the board change nothing.
    TestWindow w;
    QTest::mouseClick(w->board(), Qt::LeftButton, Qt::NoModifier, QPoint(320, 100));
    QTest::mouseClick(w->board(), Qt::LeftButton, Qt::NoModifier, QPoint(100, -1));
    EXPECT_EQ(w->StatusText(0), "提示：轮你走棋，你执黑棋");
    EXPECT_EQ(w.Record(), "Size8 BE4 WD4 BD5 WE5 ");
}

TEST(frmMainBoard, IllegalClickOnlyHints) {
    TestWindow w;
    w.ClickCell(1, 1);
    EXPECT_EQ(w->StatusText(0), "提示：所选方格不能落子");
    w.ClickCell(4, 4);  // occupied
    EXPECT_EQ(w->StatusText(0), "提示：所选方格不能落子");
    EXPECT_EQ(w.Record(), "Size8 BE4 WD4 BD5 WE5 ");
    EXPECT_TRUE(w.script->messages.empty());
}

TEST(frmMainBoard, LegalClickIsAnsweredByTheExpertComputer) {
    TestWindow w;
    std::string duringWait;
    w.duringNextWait = [&] { duringWait = w.Record(); };
    w.ClickCell(3, 4);
    EXPECT_EQ(duringWait, "Size8 BE4 WD4 BD5 WE5 BD3 ");
    EXPECT_EQ(w.Record(), "Size8 BE4 WD4 BD5 WE5 BD3 WC3 ");
    EXPECT_EQ(w->StatusText(0), "提示：轮你走棋，你执黑棋");
    EXPECT_EQ(w->StatusText(1), "轮次：2");
    EXPECT_EQ(w->StatusText(2), "玩家得分：3");
    EXPECT_EQ(w->StatusText(3), "计算机得分：3");
    EXPECT_EQ(w->board()->Marker()->geometry(), w->board()->CellRect(3, 3));
    EXPECT_EQ(InvariantFailures(*w), "");
}

TEST(frmMainBoard, ClicksDuringTheComputersPauseAreDropped) {
    TestWindow w;
    w.duringNextWait = [&] { w.ClickCell(5, 6); };  // legal for black, but not black's turn
    w.ClickCell(3, 4);
    EXPECT_EQ(w.Record(), "Size8 BE4 WD4 BD5 WE5 BD3 WC3 ");
    EXPECT_EQ(InvariantFailures(*w), "");
}

TEST(frmMainMenus, SizeAndDemoFollowTheGameState) {
    TestWindow w;
    w->mnuOptions_DropDown();
    w->mnuGame_DropDown();
    EXPECT_TRUE(w->mnuSize->isEnabled());
    EXPECT_TRUE(w->mnuDemo->isEnabled());

    w.ClickCell(3, 4);
    w->mnuOptions_DropDown();
    EXPECT_FALSE(w->mnuSize->isEnabled());

    w->game().bGameOver = true;
    w->mnuOptions_DropDown();
    EXPECT_TRUE(w->mnuSize->isEnabled());

    w->game().bReplayMode = true;
    w->mnuOptions_DropDown();
    w->mnuGame_DropDown();
    EXPECT_FALSE(w->mnuSize->isEnabled());
    EXPECT_FALSE(w->mnuDemo->isEnabled());
}

TEST(frmMainMenus, BoardSizeEntries) {
    struct Case {
        const char* entry;
        int side;  // 0: nothing changes
    };
    const Case cases[] = {{"10", 10}, {"2", 3},   {"-5", 3},   {"abc", 0}, {"", 0},
                          {"9.5", 10}, {"8.5", 8}, {"1000", 26}, {" 7 ", 7}, {"+1e1", 10},
                          {"2.5", 3},  {"6.5", 6}, {"1e999", 26}, {"5x", 0}, {"0x10", 0}};
    for (const Case& c : cases) {
        TestWindow w;
        w->game().iBoardSize = 5;  // so "nothing changes" is visible
        w->mnuNewGame_Click();
        w.script->inputs.push_back(QString::fromUtf8(c.entry));
        w->mnuSize_Click();
        const int expected = c.side == 0 ? 5 : c.side;
        EXPECT_EQ(w->game().iBoardSize, expected) << "entry '" << c.entry << "'";
        EXPECT_EQ(w.Record().substr(0, w.Record().find(' ')), "Size" + std::to_string(expected));
    }
    TestWindow cancelled;
    cancelled.script->inputs.push_back(std::nullopt);
    cancelled->mnuSize_Click();
    EXPECT_EQ(cancelled->game().iBoardSize, 8);
}

TEST(frmMainMenus, TenByTenGameAndSkillChangeKeepTheBoard) {
    TestWindow w;
    w.script->inputs.push_back("10");
    w->mnuSize_Click();
    EXPECT_EQ(w.Record(), "Size10 BF5 WE5 BE6 WF6 ");
    EXPECT_EQ(InvariantFailures(*w), "");
    w.ClickCell(4, 5);
    const std::string before = w.Record();
    w->mnuSkill_Click(3);
    EXPECT_TRUE(w->mnuSkill[3]->isChecked());
    EXPECT_FALSE(w->mnuSkill[0]->isChecked());
    EXPECT_EQ(w->game().iSkill, 300);
    EXPECT_EQ(w.Record(), before);
}

TEST(frmMainReentry, NewGameDuringTheComputersPause) {
    TestWindow w;
    w.duringNextWait = [&] { w->mnuNewGame_Click(); };
    w.ClickCell(3, 4);
    EXPECT_EQ(w.Record(), "Size8 BE4 WD4 BD5 WE5 ");
    EXPECT_EQ(w->StatusText(0), "提示：轮你走棋，你执黑棋");
    EXPECT_EQ(w->StatusText(1), "轮次：0");
    EXPECT_EQ(InvariantFailures(*w), "");
}

TEST(frmMainReentry, ComputerFirstChosenDuringThePause) {
    TestWindow w;
    w.duringNextWait = [&] { w->optComputer->setChecked(true); };
    w.ClickCell(3, 4);
    // Only the new game's opening move by the computer (black) is on the board.
    const std::vector<std::string> openings = {"BD3", "BC4", "BF5", "BE6"};
    const std::string record = w.Record();
    ASSERT_EQ(record.size(), std::string("Size8 BE4 WD4 BD5 WE5 BD3 ").size());
    EXPECT_NE(std::find(openings.begin(), openings.end(), record.substr(22, 3)), openings.end());
    EXPECT_EQ(w->StatusText(0), "提示：轮你走棋，你执白棋");
    EXPECT_EQ(w->StatusText(1), "轮次：1");
    EXPECT_EQ(InvariantFailures(*w), "");

    // Back to the player first: another new game, the player holds black.
    w->optHuman->setChecked(true);
    EXPECT_EQ(w.Record(), "Size8 BE4 WD4 BD5 WE5 ");
    EXPECT_EQ(w->StatusText(0), "提示：轮你走棋，你执黑棋");
}

TEST(frmMainQuit, MenuAndCloseRunTheQuitRoutine) {
    TestWindow w;
    w->mnuQuit_Click();
    EXPECT_EQ(w.quitCount, 1);
    w->close();
    EXPECT_EQ(w.quitCount, 2);
}

}  // namespace
