#include <map>
#include <utility>

#include "EngineTestSupport.h"

namespace {

using Cells = std::map<std::pair<int, int>, int32_t>;

// Every cell's test-mode score, legal cells only.
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

class RulesTest : public EngineTest {};

TEST_F(RulesTest, WorkedScoresOfTheOpenings) {
    NewGame(8);
    const std::string start = game.sBoard.ToString();
    EXPECT_EQ(LegalScores(game), (Cells{{{3, 4}, 37}, {{4, 3}, 37}, {{5, 6}, 37}, {{6, 5}, 37}}));
    EXPECT_EQ(game.sBoard.ToString(), start);
    EXPECT_TRUE(host.calls.empty());

    // White's replies after Black (3,4).
    EXPECT_EQ(game.EvaluateMove(3, 4, true), 37);
    game.sBoard(3, 4) = kBlack;
    game.bPlayerTurn = kComputer;
    EXPECT_EQ(LegalScores(game), (Cells{{{3, 3}, 25}, {{5, 3}, 19}, {{3, 5}, 1}}));

    // The 3x3 start touches the border; Black has two cells, each -10.
    NewGame(3);
    EXPECT_EQ(game.sBoard.ToString(), Rows({"WB.", "BW.", "..."}));
    EXPECT_EQ(LegalScores(game), (Cells{{{2, 3}, -10}, {{3, 2}, -10}}));
}

// Black at (4,4) captures right (2, with a white disc beyond the capturing one), up (1),
// down-left (2, its capturing disc against the border); the run to the left is open-ended
// and must stay.
const std::vector<std::string_view> kMultiCapture = {
    "........", "...B....", "...W....", ".WW.WWBW", "..W.B...", ".W......", "B.......", "........"};

TEST_F(RulesTest, CaptureInSeveralDirectionsFlipsExactlyTheBracketedRuns) {
    LoadBoard(game, kMultiCapture);
    game.iPassCount = 1;
    // Cell 0 + line products (-3·-3) + (3·0) + (3·3) + (3·3) + 5 flips.
    EXPECT_EQ(game.EvaluateMove(4, 4, false), 32);
    EXPECT_EQ(game.sBoard.ToString(), Rows(kMultiCapture));
    EXPECT_TRUE(host.calls.empty());

    EXPECT_EQ(game.EvaluateMove(4, 4, true), 32);
    EXPECT_EQ(game.sBoard.ToString(), Rows({"........", "...B....", "...B....", ".WW.BBBW",
                                            "..B.B...", ".B......", "B.......", "........"}));
    EXPECT_EQ(host.calls,
              (std::vector<std::string>{"DrawDisc B 4 5", "DrawDisc B 4 6", "DrawDisc B 3 4",
                                        "DrawDisc B 5 3", "DrawDisc B 6 2", "ShowScore P 10",
                                        "ShowScore C 3"}));
    EXPECT_EQ(game.iDiscCount[kPlayer], 10);
    EXPECT_EQ(game.iDiscCount[kComputer], 3);
    EXPECT_EQ(game.iTotalDiscs, 13);
    EXPECT_EQ(game.iPassCount, 0);
    EXPECT_EQ(game.iMoveNumber, 1);
}

TEST_F(RulesTest, TheSideToMoveAndItsLetterDecideTheMove) {
    LoadBoard(game, kMultiCapture);
    game.bPlayerTurn = kComputer;  // White cannot play the cell Black can
    EXPECT_EQ(game.EvaluateMove(4, 4, false), kIllegalMove);

    // Demo mode hands the computer black: the same move, counted on the computer's side.
    game.sSideLetter[kPlayer] = kWhite;
    game.sSideLetter[kComputer] = kBlack;
    std::swap(game.iDiscCount[kPlayer], game.iDiscCount[kComputer]);
    EXPECT_EQ(game.EvaluateMove(4, 4, true), 32);
    EXPECT_EQ(host.Only("DrawDisc B").size(), 5u);
    EXPECT_EQ(game.iDiscCount[kComputer], 10);
    EXPECT_EQ(game.iDiscCount[kPlayer], 3);

    // With the colours of the board swapped, White has that move.
    LoadBoard(game, {"........", "...W....", "...B....", ".BB.BBWB", "..B.W...", ".B......",
                     "W.......", "........"});
    game.sSideLetter[kPlayer] = kBlack;
    game.sSideLetter[kComputer] = kWhite;
    game.bPlayerTurn = kComputer;
    EXPECT_EQ(game.EvaluateMove(4, 4, false), 32);
}

TEST_F(RulesTest, RefusedCellsChangeNothingEvenInPlayMode) {
    LoadBoard(game, kMultiCapture);
    game.iPassCount = 1;
    const std::string before = game.sBoard.ToString();
    // Occupied; no opposing neighbour; opposing neighbours but nothing bracketed; off board.
    for (auto [row, col] : {std::pair{4, 7}, {8, 8}, {4, 1}, {2, 5}, {0, 3}, {9, 9}, {-1, 40}}) {
        SCOPED_TRACE(std::to_string(row) + "," + std::to_string(col));
        const auto r = static_cast<int16_t>(row);
        const auto c = static_cast<int16_t>(col);
        EXPECT_EQ(game.EvaluateMove(r, c, false), kIllegalMove);
        EXPECT_EQ(game.EvaluateMove(r, c, true), kIllegalMove);
    }
    EXPECT_EQ(game.sBoard.ToString(), before);
    EXPECT_TRUE(host.calls.empty());
    EXPECT_EQ(game.iPassCount, 1);
    EXPECT_EQ(game.iMoveNumber, 0);
    EXPECT_EQ(game.iDiscCount[kPlayer], 4);
    EXPECT_EQ(game.iDiscCount[kComputer], 8);
}

TEST_F(RulesTest, NoLegalMove) {
    NewGame(8);
    EXPECT_FALSE(game.NoLegalMove());

    LoadBoard(game, {"BBB", "BWW", "WWW"});  // full
    EXPECT_TRUE(game.NoLegalMove());

    // White's discs can only be bracketed through the border or an empty cell.
    LoadBoard(game, {"W.B.", "....", "....", "...."});
    EXPECT_TRUE(game.NoLegalMove());
    game.bPlayerTurn = kComputer;
    EXPECT_TRUE(game.NoLegalMove());
    LoadBoard(game, {"WB..", "....", "....", "...."});
    EXPECT_TRUE(game.NoLegalMove());
    game.bPlayerTurn = kComputer;
    EXPECT_FALSE(game.NoLegalMove());
    EXPECT_TRUE(host.calls.empty());
}

TEST_F(RulesTest, ReplayModeFreezesTheCounts) {
    NewGame(8);
    game.bReplayMode = true;
    EXPECT_EQ(game.EvaluateMove(3, 4, true), 37);
    EXPECT_EQ(game.sBoard(4, 4), kBlack);
    EXPECT_EQ(game.iDiscCount[kPlayer], 2);
    EXPECT_EQ(game.iDiscCount[kComputer], 2);
    EXPECT_EQ(game.iTotalDiscs, 4);
    EXPECT_EQ(host.Only("ShowScore").size(), 0u);
    EXPECT_EQ(game.iMoveNumber, 1);
}

// Leaf counts of the move tree from the 8x8 start, the well-known Othello figures: they
// catch any fault in legality or flipping that the hand-made positions miss.
int64_t Perft(Game& game, int depth) {
    if (depth == 0) return 1;
    int64_t leaves = 0;
    const int16_t n = game.iBoardSize;
    for (int16_t row = 1; row <= n; ++row) {
        for (int16_t col = 1; col <= n; ++col) {
            if (game.EvaluateMove(row, col, false) == kIllegalMove) continue;
            const BoardGrid saved = game.sBoard;
            game.EvaluateMove(row, col, true);
            game.sBoard(row, col) = game.sSideLetter[game.bPlayerTurn];
            game.bPlayerTurn = Not(game.bPlayerTurn);
            leaves += Perft(game, depth - 1);
            game.bPlayerTurn = Not(game.bPlayerTurn);
            game.sBoard = saved;
        }
    }
    return leaves;  // no pass can occur within these depths
}

TEST_F(RulesTest, MoveTreeCountsFromTheStart) {
    NewGame(8);
    game.bReplayMode = true;  // the counts are not part of the tree
    host.logging = false;
    const int64_t expected[] = {1, 4, 12, 56, 244, 1396, 8200};
    for (int depth = 0; depth <= 6; ++depth) {
        EXPECT_EQ(Perft(game, depth), expected[depth]) << "depth " << depth;
    }
}

}  // namespace
