#include <map>

#include "EngineTestSupport.h"

namespace {

using Cells = std::map<std::pair<int, int>, int32_t>;

Cells LegalScores(Game& game) {
    Cells scores;
    for (int16_t row = 1; row <= game.iBoardSize; ++row) {
        for (int16_t col = 1; col <= game.iBoardSize; ++col) {
            const int32_t score = game.EvaluateMove(row, col, false);
            if (score != kIllegalMove) scores[{row, col}] = score;
        }
    }
    return scores;
}

// Leaf counts of the move tree; no pass can occur within the depths asked for.
int64_t Perft(Game& game, int depth) {
    if (depth == 0) return 1;
    int64_t leaves = 0;
    for (const auto& [cell, score] : LegalScores(game)) {
        const BoardGrid saved = game.sBoard;
        game.EvaluateMove(cell.first, cell.second, true);
        game.sBoard(cell.first, cell.second) = game.sSideLetter[game.bPlayerTurn];
        game.bPlayerTurn = Not(game.bPlayerTurn);
        leaves += Perft(game, depth - 1);
        game.bPlayerTurn = Not(game.bPlayerTurn);
        game.sBoard = saved;
    }
    return leaves;
}

using RulesTest = EngineTest;

TEST_F(RulesTest, WorkedScores) {
    NewGame(8);
    EXPECT_EQ(LegalScores(game), (Cells{{{3, 4}, 37}, {{4, 3}, 37}, {{5, 6}, 37}, {{6, 5}, 37}}));
    EXPECT_TRUE(calls.empty());
    game.EvaluateMove(3, 4, true);  // White's replies after Black (3,4)
    game.sBoard(3, 4) = kBlack;
    game.bPlayerTurn = kComputer;
    EXPECT_EQ(LegalScores(game), (Cells{{{3, 3}, 25}, {{5, 3}, 19}, {{3, 5}, 1}}));
    NewGame(3);
    EXPECT_EQ(LegalScores(game), (Cells{{{2, 3}, -10}, {{3, 2}, -10}}));
}

// Black at (4,4) captures right (a white disc lies beyond the capturing one), up, and
// down-left (its capturing disc against the border); the run to the left is open and stays.
const std::string kMultiCapture =
    "........\n...B....\n...W....\n.WW.WWBW\n..W.B...\n.W......\nB.......\n........";

TEST_F(RulesTest, PlayModeFlipsExactlyTheBracketedRunsAndNothingOnARefusedCell) {
    LoadBoard(kMultiCapture);
    game.iPassCount = 1;
    // Occupied; no opposing neighbour; nothing bracketed; off the board.
    for (auto [row, col] : {std::pair<int16_t, int16_t>{4, 7}, {8, 8}, {4, 1}, {2, 5}, {0, 3}})
        EXPECT_EQ(game.EvaluateMove(row, col, true), kIllegalMove) << row << "," << col;
    EXPECT_EQ(game.sBoard.ToString(), kMultiCapture);
    EXPECT_TRUE(calls.empty());
    EXPECT_EQ(game.iPassCount, 1);

    EXPECT_EQ(game.EvaluateMove(4, 4, true), 32);
    EXPECT_EQ(game.sBoard.ToString(),
              "........\n...B....\n...B....\n.WW.BBBW\n..B.B...\n.B......\nB.......\n........");
    EXPECT_EQ(calls, (Calls{"DrawDisc B 4 5", "DrawDisc B 4 6", "DrawDisc B 3 4", "DrawDisc B 5 3",
                            "DrawDisc B 6 2", "ShowScore P 10", "ShowScore C 3"}));
    EXPECT_EQ(game.iTotalDiscs, 13);
    EXPECT_EQ(game.iPassCount, 0);
    EXPECT_EQ(game.iMoveNumber, 1);
}

// Well-known Othello figures: they catch what the hand-made positions miss.
TEST_F(RulesTest, MoveTreeCountsFromTheStart) {
    NewGame(8);
    game.bReplayMode = true;  // keeps the counts out of the tree
    const int64_t expected[] = {1, 4, 12, 56, 244, 1396, 8200};
    for (int depth = 0; depth <= 6; ++depth) EXPECT_EQ(Perft(game, depth), expected[depth]);
}

// The edge level of every column, one digit each, names the side.
TEST_F(RulesTest, EdgeLevelsOnSeveralSides) {
    for (const std::string levels : {"123", "123421", "12344444444444444444444321"}) {
        game.iBoardSize = static_cast<int16_t>(levels.size());
        std::string actual;
        for (int16_t x = 1; x <= game.iBoardSize; ++x) actual += char('0' + game.EdgeLevel(x));
        EXPECT_EQ(actual, levels);
    }
}

}  // namespace
