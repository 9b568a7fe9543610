#include <tuple>

#include "EngineTestSupport.h"

namespace {

using TurnFlowTest = EngineTest;

// The player's pass, then the computer's pass inside its own move: the double pass.
TEST_F(TurnFlowTest, PlayerPassThenComputerPassEndsTheGame) {
    LoadBoard("B....\n.....\n.....\n.....\n....W");
    std::string lineDuringBox;
    onMessage = [&] { lineDuringBox = line0; };
    game.PlayerMove(3, 3);  // any cell
    EXPECT_EQ(calls,
              (Calls{"Status 提示：玩家被罚步一次", "Message 你被罚步一次", "RefreshStatus",
                     "Wait 1000", "Status 提示：计算机被罚步一次", "Message 计算机被罚步一次",
                     "RefreshStatus", "RefreshStatus", "Status 提示：双方罚步，平局"}));
    EXPECT_EQ(lineDuringBox, "提示：玩家被罚步一次");
    EXPECT_EQ(game.iMoveNumber, 0);
    EXPECT_TRUE(game.bGameOver);
}

// The computer's pass after the player's move; then the player's pass ends the game.
TEST_F(TurnFlowTest, ComputerPassAfterThePlayerThenThePlayersPass) {
    LoadBoard("BW...\n.....\n....W\n.....\n.....");
    game.PlayerMove(1, 3);
    EXPECT_EQ(calls, (Calls{"DrawDisc B 1 2", "ShowScore P 3", "ShowScore C 1", "DrawDisc B 1 3",
                            "RecordMove B 1 3", "MarkLastMove 1 3", "RefreshStatus",
                            "Status 提示：计算机被罚步一次", "Message 计算机被罚步一次",
                            "RefreshStatus"}));
    EXPECT_EQ(line0, "提示：轮你走棋，你执黑棋");
    calls.clear();
    game.PlayerMove(5, 5);
    EXPECT_EQ(calls, (Calls{"Status 提示：玩家被罚步一次", "Message 你被罚步一次", "RefreshStatus",
                            "RefreshStatus", "Status 提示：双方罚步，你赢了", "Wait 1000"}));
    EXPECT_TRUE(game.bGameOver);
    calls.clear();
    game.PlayerMove(2, 2);  // after the end clicks do nothing
    EXPECT_TRUE(calls.empty());
}

// The last true reason is the one shown; the verdict follows the counts.
TEST_F(TurnFlowTest, EndReasonsAndVerdicts) {
    for (auto [passes, player, computer, cells, line] :
         {std::tuple<int16_t, int16_t, int16_t, int16_t, std::string>{1, 30, 30, 64, ""},
          {2, 3, 1, 64, "双方罚步，你赢了"},
          {2, 8, 8, 16, "棋盘已满，平局"},
          {0, 7, 9, 16, "棋盘已满，计算机赢了"},
          {2, 16, 0, 16, "子被吃尽，你赢了"},
          {0, 0, 5, 64, "子被吃尽，计算机赢了"}}) {
        game.bGameOver = false;
        game.iPassCount = passes;
        game.iCellCount = cells;
        game.SetDiscCount(kPlayer, player);
        game.SetDiscCount(kComputer, computer);
        calls.clear();
        game.CheckGameOver();
        EXPECT_EQ(game.bGameOver, !line.empty());
        EXPECT_EQ(calls, (line.empty() ? Calls{} : Calls{"RefreshStatus", "Status 提示：" + line}));
    }
}

// A modal box pumps events; a game started from inside it must not inherit the pass.
TEST_F(TurnFlowTest, NewGameDuringAPassBoxKeepsItsOwnState) {
    LoadBoard("WB..\n....\n....\n....");
    onMessage = [&] { NewGame(8, kPlayer); };
    game.PlayerMove(4, 4);
    EXPECT_EQ(Count("Wait"), 0);
    EXPECT_EQ(game.iPassCount, 0);
    EXPECT_EQ(game.bPlayerTurn, kPlayer);
}

}  // namespace
