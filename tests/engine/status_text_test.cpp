#include "EngineTestSupport.h"

namespace {

class StatusTextTest : public EngineTest {};

TEST_F(StatusTextTest, Texts) {
    EXPECT_EQ(ScoreText(kPlayer, 2), "玩家得分：2");
    EXPECT_EQ(ScoreText(kComputer, 676), "计算机得分：676");
    EXPECT_EQ(ScoreText(kComputer, 0), "计算机得分：0");
    EXPECT_EQ(MoveNumberText(0), "轮次：0");
    EXPECT_EQ(MoveNumberText(672), "轮次：672");

    game.AssignColours(kPlayer);
    EXPECT_EQ(TurnHintText(game), "提示：轮你走棋，你执黑棋");
    game.bPlayerTurn = kComputer;
    EXPECT_EQ(TurnHintText(game), "提示：轮计算机走棋，计算机执白棋");
    game.AssignColours(kComputer);
    EXPECT_EQ(TurnHintText(game), "提示：轮计算机走棋，计算机执黑棋");
    game.bPlayerTurn = kPlayer;
    EXPECT_EQ(TurnHintText(game), "提示：轮你走棋，你执白棋");
}

TEST_F(StatusTextTest, ANewGameAndAPassAsTheWindowShowsThem) {
    NewGame(8);
    EXPECT_EQ(host.line0, "提示：轮你走棋，你执黑棋");
    EXPECT_EQ(host.line1, "轮次：0");

    // A pass does not advance the move number.
    LoadBoard(game, {"BW...", ".....", "....W", ".....", "....."});
    game.PlayerMove(1, 3);
    EXPECT_EQ(host.line1, "轮次：1");
    EXPECT_EQ(game.iPassCount, 1);
    EXPECT_EQ(game.iMoveNumber, 1);
}

}  // namespace
