#include "EngineTestSupport.h"

namespace {

using Calls = std::vector<std::string>;

class TurnFlowTest : public EngineTest {
  protected:
    // The window's new game, as a handler run inside a wait or a message box would start it.
    void StartNewGameInside(Side first) {
        game.iBoardSize = 8;
        game.SetupBoard();
        game.AssignColours(first);
    }
};

TEST_F(TurnFlowTest, AssignColoursGivesBlackToTheFirstMover) {
    game.AssignColours(kPlayer);
    EXPECT_EQ(game.sSideLetter[kPlayer], kBlack);
    EXPECT_EQ(game.sSideLetter[kComputer], kWhite);
    EXPECT_EQ(game.sSideColour[kPlayer], "黑棋");
    EXPECT_EQ(game.sSideColour[kComputer], "白棋");
    EXPECT_EQ(game.bPlayerTurn, kTrue);
    EXPECT_EQ(host.line0, "提示：轮你走棋，你执黑棋");

    game.AssignColours(kComputer);
    EXPECT_EQ(game.sSideLetter[kPlayer], kWhite);
    EXPECT_EQ(game.sSideLetter[kComputer], kBlack);
    EXPECT_EQ(game.sSideColour[kPlayer], "白棋");
    EXPECT_EQ(game.sSideColour[kComputer], "黑棋");
    EXPECT_EQ(game.bPlayerTurn, kFalse);
    EXPECT_EQ(host.calls, (Calls{"RefreshStatus", "RefreshStatus"}));
    EXPECT_EQ(host.line0, "提示：轮计算机走棋，计算机执黑棋");
}

TEST_F(TurnFlowTest, PlayerMoveAndTheComputersReply) {
    NewGame(8);
    std::string hintDuringWait;
    host.onWait.push_back([&] { hintDuringWait = host.line0; });
    game.PlayerMove(3, 4);
    EXPECT_EQ(host.calls,
              (Calls{"DrawDisc B 4 4", "ShowScore P 4", "ShowScore C 1", "DrawDisc B 3 4",
                     "RecordMove B 3 4", "MarkLastMove 3 4", "RefreshStatus", "Wait 1000",
                     "DrawDisc W 4 4", "ShowScore C 3", "ShowScore P 3", "DrawDisc W 3 3",
                     "RecordMove W 3 3", "MarkLastMove 3 3", "RefreshStatus"}));
    EXPECT_EQ(hintDuringWait, "提示：轮计算机走棋，计算机执白棋");
    EXPECT_EQ(host.line0, "提示：轮你走棋，你执黑棋");
    EXPECT_EQ(host.line1, "轮次：2");
    EXPECT_EQ(game.iTotalDiscs, 6);
}

TEST_F(TurnFlowTest, RefusedAndDroppedClicks) {
    NewGame(8);
    const std::string start = game.sBoard.ToString();
    for (auto [row, col] : {std::pair<int16_t, int16_t>{4, 4}, {1, 1}, {3, 3}}) {
        host.calls.clear();
        game.PlayerMove(row, col);
        EXPECT_EQ(host.calls, (Calls{"Status 提示：所选方格不能落子"}));
    }
    EXPECT_EQ(game.sBoard.ToString(), start);
    EXPECT_EQ(game.bPlayerTurn, kTrue);
    EXPECT_EQ(game.iMoveNumber, 0);

    // Not the player's turn, the game over, or a record on the board: nothing at all.
    host.calls.clear();
    game.bPlayerTurn = kComputer;
    game.PlayerMove(3, 4);
    game.bPlayerTurn = kPlayer;
    game.bReplayMode = true;
    game.PlayerMove(3, 4);
    game.bReplayMode = false;
    game.bGameOver = true;
    game.PlayerMove(3, 4);
    EXPECT_TRUE(host.calls.empty());
    EXPECT_EQ(game.sBoard.ToString(), start);
}

TEST_F(TurnFlowTest, PlayerPassThenTheComputerTakesTheLastDisc) {
    LoadBoard(game, {"WB..", "....", "....", "...."});
    std::string lineDuringBox;
    std::string lineDuringWait;
    host.onMessage.push_back([&] { lineDuringBox = host.line0; });
    host.onWait.push_back([&] { lineDuringWait = host.line0; });
    game.PlayerMove(4, 4);  // any cell
    EXPECT_EQ(host.calls,
              (Calls{"Status 提示：玩家被罚步一次", "Message 你被罚步一次", "RefreshStatus",
                     "Wait 1000", "DrawDisc W 1 2", "ShowScore C 3", "ShowScore P 0",
                     "DrawDisc W 1 3", "RecordMove W 1 3", "MarkLastMove 1 3", "RefreshStatus",
                     "RefreshStatus", "Status 提示：子被吃尽，计算机赢了"}));
    EXPECT_EQ(lineDuringBox, "提示：玩家被罚步一次");
    EXPECT_EQ(lineDuringWait, "提示：轮计算机走棋，计算机执白棋");
    EXPECT_EQ(game.iPassCount, 0);
    EXPECT_EQ(game.iMoveNumber, 1);
    EXPECT_TRUE(game.bGameOver);
}

TEST_F(TurnFlowTest, ComputerPassAfterThePlayerThenTheDoublePass) {
    LoadBoard(game, {"BW...", ".....", "....W", ".....", "....."});
    game.PlayerMove(1, 3);
    EXPECT_EQ(host.calls, (Calls{"DrawDisc B 1 2", "ShowScore P 3", "ShowScore C 1",
                                 "DrawDisc B 1 3", "RecordMove B 1 3", "MarkLastMove 1 3",
                                 "RefreshStatus", "Status 提示：计算机被罚步一次",
                                 "Message 计算机被罚步一次", "RefreshStatus"}));
    EXPECT_EQ(game.iPassCount, 1);
    EXPECT_EQ(game.bPlayerTurn, kTrue);
    EXPECT_EQ(host.line0, "提示：轮你走棋，你执黑棋");

    // Now neither side can move: the click is the player's pass and ends the game; the
    // computer still waits, then finds the game over.
    host.calls.clear();
    game.PlayerMove(5, 5);
    EXPECT_EQ(host.calls,
              (Calls{"Status 提示：玩家被罚步一次", "Message 你被罚步一次", "RefreshStatus",
                     "RefreshStatus", "Status 提示：双方罚步，你赢了", "Wait 1000"}));
    EXPECT_EQ(game.iPassCount, 2);
    EXPECT_TRUE(game.bGameOver);

    // After the end, clicks do nothing and the result line stays.
    host.calls.clear();
    game.PlayerMove(2, 2);
    EXPECT_TRUE(host.calls.empty());
    EXPECT_EQ(host.line0, "提示：双方罚步，你赢了");
}

TEST_F(TurnFlowTest, BothSidesPassInARow) {
    LoadBoard(game, {"B....", ".....", ".....", ".....", "....W"});
    game.PlayerMove(3, 3);
    EXPECT_EQ(host.calls,
              (Calls{"Status 提示：玩家被罚步一次", "Message 你被罚步一次", "RefreshStatus",
                     "Wait 1000", "Status 提示：计算机被罚步一次", "Message 计算机被罚步一次",
                     "RefreshStatus", "RefreshStatus", "Status 提示：双方罚步，平局"}));
    EXPECT_EQ(game.iPassCount, 2);
    EXPECT_EQ(game.iMoveNumber, 0);
    EXPECT_EQ(game.bPlayerTurn, kTrue);
    EXPECT_TRUE(game.bGameOver);
}

TEST_F(TurnFlowTest, PlayerMovesThatEndTheGame) {
    // The last empty cell: the board is full and the computer never waits.
    LoadBoard(game, {"BW.", "WWW", "BBB"});
    game.PlayerMove(1, 3);
    EXPECT_EQ(host.calls,
              (Calls{"DrawDisc B 1 2", "DrawDisc B 2 2", "DrawDisc B 2 3", "ShowScore P 8",
                     "ShowScore C 1", "DrawDisc B 1 3", "RecordMove B 1 3", "MarkLastMove 1 3",
                     "RefreshStatus", "RefreshStatus", "Status 提示：棋盘已满，你赢了"}));
    EXPECT_TRUE(game.bGameOver);

    // Capturing the computer's last disc.
    LoadBoard(game, {"BW..", "....", "....", "...."});
    host.calls.clear();
    game.PlayerMove(1, 3);
    EXPECT_EQ(host.line0, "提示：子被吃尽，你赢了");
    EXPECT_TRUE(host.Only("Wait").empty());
}

TEST_F(TurnFlowTest, EndReasonsLastTrueOneWins) {
    struct Case {
        int16_t passes, player, computer, cells;
        const char* line;  // nullptr: the game goes on
    };
    const Case cases[] = {
        {1, 30, 30, 64, nullptr},
        {2, 3, 1, 64, "提示：双方罚步，你赢了"},
        {2, 8, 8, 16, "提示：棋盘已满，平局"},
        {0, 7, 9, 16, "提示：棋盘已满，计算机赢了"},
        {2, 16, 0, 16, "提示：子被吃尽，你赢了"},
        {0, 0, 5, 64, "提示：子被吃尽，计算机赢了"},
    };
    for (const Case& c : cases) {
        game.bGameOver = false;
        game.iPassCount = c.passes;
        game.iCellCount = c.cells;
        game.SetDiscCount(kPlayer, c.player);
        game.SetDiscCount(kComputer, c.computer);
        host.calls.clear();
        game.CheckGameOver();
        if (c.line == nullptr) {
            EXPECT_FALSE(game.bGameOver);
            EXPECT_TRUE(host.calls.empty());
        } else {
            EXPECT_TRUE(game.bGameOver);
            EXPECT_EQ(host.calls, (Calls{"RefreshStatus", std::string("Status ") + c.line}));
        }
    }
    // An ended game is not judged again.
    game.SetDiscCount(kPlayer, 0);
    host.calls.clear();
    game.CheckGameOver();
    EXPECT_TRUE(host.calls.empty());
}

// A modal box pumps events; a game started from inside it must not inherit the pass.
TEST_F(TurnFlowTest, NewGameDuringAPassBoxIsLeftAlone) {
    LoadBoard(game, {"WB..", "....", "....", "...."});
    host.onMessage.push_back([&] { StartNewGameInside(kPlayer); });
    game.PlayerMove(4, 4);
    EXPECT_TRUE(host.Only("Wait").empty());
    EXPECT_EQ(host.calls.back(), "RefreshStatus");  // the new game's own
    EXPECT_EQ(game.iPassCount, 0);
    EXPECT_EQ(game.bPlayerTurn, kTrue);
    EXPECT_EQ(game.iTotalDiscs, 4);

    // The computer's pass after a player move: the new game's computer keeps its turn.
    LoadBoard(game, {"BW...", ".....", "....W", ".....", "....."});
    host.calls.clear();
    host.onMessage.push_back([&] { StartNewGameInside(kComputer); });
    game.PlayerMove(1, 3);
    EXPECT_EQ(host.calls.back(), "RefreshStatus");
    EXPECT_EQ(game.iPassCount, 0);
    EXPECT_EQ(game.bPlayerTurn, kFalse);
    EXPECT_EQ(host.line0, "提示：轮计算机走棋，计算机执黑棋");

    // The computer's pass inside ComputerMove.
    LoadBoard(game, {"B....", ".....", ".....", ".....", "....W"});
    game.bPlayerTurn = kComputer;
    host.onMessage.push_back([&] { StartNewGameInside(kComputer); });
    game.ComputerMove();
    EXPECT_EQ(game.iPassCount, 0);
    EXPECT_EQ(game.bPlayerTurn, kFalse);
    EXPECT_EQ(game.iCellCount, 64);
}

}  // namespace
