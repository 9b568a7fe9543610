#include <cmath>
#include <tuple>

#include "EngineTestSupport.h"

namespace {

using ComputerTest = EngineTest;

TEST_F(ComputerTest, ExpertAnswersBlack34WithWhite33AfterTheWait) {
    for (uint32_t seed = 1; seed <= 10; ++seed) {
        NewGame(8);
        game.SetRandomSource(std::make_unique<ClockSeededRandom>(seed));
        game.PlayerMove(3, 4);
        EXPECT_EQ(calls,
                  (Calls{"DrawDisc B 4 4", "ShowScore P 4", "ShowScore C 1", "DrawDisc B 3 4",
                         "RecordMove B 3 4", "MarkLastMove 3 4", "RefreshStatus", "Wait 1000",
                         "DrawDisc W 4 4", "ShowScore C 3", "ShowScore P 3", "DrawDisc W 3 3",
                         "RecordMove W 3 3", "MarkLastMove 3 3", "RefreshStatus"}));
        EXPECT_EQ(line0, "提示：轮你走棋，你执黑棋");
    }
}

// After Black (3,4) White scans (3,3) 25, (3,5) 1, (5,3) 19; (3,5) draws a bonus and heads.
TEST_F(ComputerTest, SkillBonusStaysBelowTheSkill) {
    const float largest = std::nextafter(1.0f, 0.0f);
    for (auto [skill, draw, reply] : {std::tuple{24, largest, "W 3 3"},
                                      {25, largest, "W 3 5"},
                                      {24, 1.0f, "W 3 3"},
                                      {100, largest, "W 3 5"}}) {
        NewGame(8);
        game.iSkill = static_cast<int16_t>(skill);
        game.SetRandomSource(
            std::make_unique<ScriptedRandom>(std::vector{0.0f, 0.0f, draw, 0.9f, 0.0f}));
        game.PlayerMove(3, 4);
        EXPECT_EQ(Count(std::string("RecordMove ") + reply), 1) << skill << " " << draw;
    }
}

// Handlers run inside the wait; the pending move must look again before it plays.
TEST_F(ComputerTest, NewGameOrOpenedRecordDuringTheWaitLeavesThePendingMoveUndone) {
    for (bool openRecord : {false, true}) {
        NewGame(8);
        onWait = [&] {
            NewGame(8, openRecord ? kComputer : kPlayer);
            game.bReplayMode = openRecord;
        };
        game.PlayerMove(3, 4);
        EXPECT_EQ(Count("DrawDisc"), 0);
        EXPECT_EQ(game.iMoveNumber, 0);
        EXPECT_EQ(game.iTotalDiscs, 4);
    }
}

// Two engine computers, as demo mode drives them: before each half-move the mover becomes
// "the computer", taking its colour and its count.
TEST_F(ComputerTest, WholeGamesBetweenTwoComputers) {
    for (auto [size, seeds] : {std::pair<int16_t, uint32_t>{8, 10}, {26, 1}}) {
        for (uint32_t seed = 1; seed <= seeds; ++seed) {
            NewGame(size);
            game.iSkill = static_cast<int16_t>(seed % 5 * 100);
            game.SetRandomSource(std::make_unique<ClockSeededRandom>(seed));
            for (int half = 0; !game.bGameOver && half < 2 * size * size; ++half) {
                std::swap(game.sSideLetter[kPlayer], game.sSideLetter[kComputer]);
                const int16_t other = game.iDiscCount[kPlayer];
                game.SetDiscCount(kPlayer, game.iDiscCount[kComputer]);
                game.SetDiscCount(kComputer, other);
                game.bPlayerTurn = kComputer;
                game.ComputerMove();
                for (Side side : {kPlayer, kComputer})
                    ASSERT_EQ(game.iDiscCount[side], CountLetter(game, game.sSideLetter[side]));
            }
            const int16_t discs = CountLetter(game, kBlack) + CountLetter(game, kWhite);
            EXPECT_TRUE(game.bGameOver);
            EXPECT_EQ(game.iTotalDiscs, discs);
            EXPECT_EQ(Count("RecordMove"), discs - 4);
            const bool wipedOut = game.iDiscCount[kPlayer] == 0 || game.iDiscCount[kComputer] == 0;
            EXPECT_TRUE(line0.starts_with(wipedOut                   ? "提示：子被吃尽"
                                          : discs == game.iCellCount ? "提示：棋盘已满"
                                                                     : "提示：双方罚步"))
                << line0;
        }
    }
}

}  // namespace
