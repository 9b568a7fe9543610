// The main window as a player meets it: start-up, clicks, the computer's reply, menus.
#include <gtest/gtest.h>

#include <QAction>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

#include "BoardSizeEntry.h"
#include "BoardView.h"
#include "ReplayPanel.h"
#include "UiTestSupport.h"

namespace {

constexpr const char* kStart = "Size8 BE4 WD4 BD5 WE5 ";

QStringList Labels(TestWindow& w) {
    return {w->StatusText(0), w->StatusText(1), w->StatusText(2), w->StatusText(3)};
}

TEST(frmMain, StartsWithTheDefaultGame) {
    TestWindow w;
    EXPECT_EQ(w->windowTitle(), "Quorvane");
    EXPECT_EQ(w.Record(), kStart);
    EXPECT_EQ(Labels(w),
              QStringList({"提示：轮你走棋，你执黑棋", "轮次：0", "玩家得分：2", "计算机得分：2"}));
    EXPECT_TRUE(w->mnuSkill[0]->isChecked() && w->mnuSound->isChecked());
    EXPECT_FALSE(w->mnuSkill[1]->isChecked());
    EXPECT_TRUE(w->optHuman->isChecked());
    EXPECT_FALSE(w->picReplay->Button(ReplayButton::Stop)->isEnabled());
    // The keyboard runs through the replay panel from Stop back to Top.
    for (int b = 4; b > 0; --b)
        EXPECT_EQ(w->picReplay->Button(ReplayButton(b))->nextInFocusChain(),
                  w->picReplay->Button(ReplayButton(b - 1)));
    EXPECT_EQ(w->board()->Marker()->geometry(), w->board()->CellRect(5, 5));
    EXPECT_EQ(InvariantFailures(*w), "");
}

TEST(frmMain, ReleasesOffTheBoardAreDropped) {
    TestWindow w;
    QTest::mouseClick(w->board(), Qt::LeftButton, Qt::NoModifier, QPoint(320, 100));
    QTest::mouseClick(w->board(), Qt::LeftButton, Qt::NoModifier, QPoint(100, -1));
    EXPECT_EQ(w->StatusText(0), "提示：轮你走棋，你执黑棋");
    EXPECT_EQ(w.Record(), kStart);
}

TEST(frmMain, IllegalClickOnlyHintsAndALegalOneIsAnswered) {
    TestWindow w;
    w.ClickCell(4, 4);  // occupied
    EXPECT_EQ(w->StatusText(0), "提示：所选方格不能落子");
    EXPECT_EQ(w.Record(), kStart);

    std::string duringWait;
    w.duringNextWait = [&] { duringWait = w.Record() + w->StatusText(0).toStdString(); };
    w.ClickCell(3, 4);
    EXPECT_EQ(duringWait, std::string(kStart) + "BD3 提示：轮计算机走棋，计算机执白棋");
    EXPECT_EQ(w.Record(), std::string(kStart) + "BD3 WC3 ");  // the expert's answer
    EXPECT_EQ(Labels(w),
              QStringList({"提示：轮你走棋，你执黑棋", "轮次：2", "玩家得分：3", "计算机得分：3"}));
    EXPECT_EQ(w->board()->Marker()->geometry(), w->board()->CellRect(3, 3));
    EXPECT_TRUE(w.script->messages.empty());
    EXPECT_EQ(InvariantFailures(*w), "");
}

TEST(frmMain, ComputerFirstOpensAndPlayerFirstGivesBlackBack) {
    TestWindow w;
    w->optComputer->setChecked(true);
    EXPECT_EQ(w.Record().substr(22, 1), "B");
    EXPECT_EQ(w->StatusText(0), "提示：轮你走棋，你执白棋");
    EXPECT_EQ(w->StatusText(1), "轮次：1");
    w->optHuman->setChecked(true);
    EXPECT_EQ(w.Record(), kStart);
    EXPECT_EQ(w->StatusText(0), "提示：轮你走棋，你执黑棋");
}

TEST(frmMain, SizeAndDemoItemsFollowTheGameState) {
    TestWindow w;
    const auto sizeEnabled = [&] {
        w->mnuOptions_DropDown();
        return w->mnuSize->isEnabled();
    };
    EXPECT_TRUE(sizeEnabled());
    w.ClickCell(3, 4);
    EXPECT_FALSE(sizeEnabled());
    w->game().bGameOver = true;
    EXPECT_TRUE(sizeEnabled());
    w->game().bReplayMode = true;
    w->mnuGame_DropDown();
    EXPECT_FALSE(sizeEnabled() || w->mnuDemo->isEnabled());
}

TEST(frmMain, BoardSizeEntriesAndSkillItems) {
    const std::pair<const char*, std::optional<int16_t>> cases[] = {
        {"10", 10},   {"2", 3},      {"-5", 3},  {"abc", {}},  {"", {}},    {"9.5", 10},
        {"8.5", 8},   {"1000", 26},  {" 7 ", 7}, {"+1e1", 10}, {"3.5", 4},  {"12.", 12},
        {".5e2", 26}, {"1e999", 26}, {"5x", {}}, {"0x10", {}}, {"1 2", {}}, {"١٢", {}}};
    for (const auto& [entry, side] : cases)
        EXPECT_EQ(ParseBoardSizeEntry(QString::fromUtf8(entry)), side) << entry;
    TestWindow w;
    w.script->inputs = {"10", "abc", std::nullopt};
    for (int i = 0; i < 3; ++i) w->mnuSize_Click();
    EXPECT_EQ(w.Record(), "Size10 BF5 WE5 BE6 WF6 ");
    EXPECT_EQ(InvariantFailures(*w), "");
    // A new level keeps the game.
    w->mnuSkill_Click(3);
    EXPECT_TRUE(w->mnuSkill[3]->isChecked());
    EXPECT_FALSE(w->mnuSkill[0]->isChecked());
    EXPECT_EQ(w->game().iSkill, 300);
    EXPECT_EQ(w.Record(), "Size10 BF5 WE5 BE6 WF6 ");
}

TEST(frmMain, MenuAndCloseRunTheQuitRoutine) {
    TestWindow w;
    w->mnuQuit_Click();
    w->close();
    EXPECT_EQ(w.quitCount, 2);
}

}  // namespace
