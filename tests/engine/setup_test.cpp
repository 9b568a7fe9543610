#include <vector>

#include "EngineTestSupport.h"

namespace {

class SetupTest : public EngineTest {};

std::string Cell(int row, int col) { return std::to_string(row) + " " + std::to_string(col); }

TEST_F(SetupTest, StartingPositionOnSeveralSides) {
    for (int16_t n : {3, 5, 6, 8, 9, 26}) {
        SCOPED_TRACE("side " + std::to_string(n));
        const int32_t serial = game.lBoardSerial;
        game.iPassCount = 2;
        game.iMoveNumber = 40;
        game.bGameOver = true;
        host.calls.clear();
        game.iBoardSize = n;
        game.SetupBoard();

        const int m = n / 2;
        EXPECT_EQ(game.iBoardMid, m);
        EXPECT_EQ(game.iOuterIndex, n + 1);
        EXPECT_EQ(game.iCellCount, n * n);
        EXPECT_EQ(game.lBoardSerial, serial + 1);
        EXPECT_EQ(game.sBoard.Size(), n);
        EXPECT_EQ(host.calls,
                  (std::vector<std::string>{
                      "RecordMove B " + Cell(m, m + 1), "MarkLastMove " + Cell(m, m + 1),
                      "RecordMove W " + Cell(m, m), "MarkLastMove " + Cell(m, m),
                      "RecordMove B " + Cell(m + 1, m), "MarkLastMove " + Cell(m + 1, m),
                      "RecordMove W " + Cell(m + 1, m + 1), "MarkLastMove " + Cell(m + 1, m + 1),
                      "ShowScore P 2", "ShowScore C 2"}));

        // Exactly four discs on the playable cells, the ring all border.
        for (int16_t row = 0; row <= n + 1; ++row) {
            for (int16_t col = 0; col <= n + 1; ++col) {
                const bool ring = row == 0 || col == 0 || row == n + 1 || col == n + 1;
                const bool disc = (row == m || row == m + 1) && (col == m || col == m + 1);
                const char expected = ring         ? kBorder
                                      : !disc      ? kEmpty
                                      : row == col ? kWhite
                                                   : kBlack;
                ASSERT_EQ(game.sBoard(row, col), expected) << row << "," << col;
            }
        }
        EXPECT_EQ(game.iTotalDiscs, 4);
        EXPECT_EQ(game.iPassCount, 0);
        EXPECT_EQ(game.iMoveNumber, 0);
        EXPECT_FALSE(game.bGameOver);
    }
}

TEST_F(SetupTest, EdgeLevels) {
    const std::vector<std::pair<int16_t, std::vector<int16_t>>> cases = {
        {3, {1, 2, 3}},
        {5, {1, 2, 3, 4, 1}},
        {6, {1, 2, 3, 4, 2, 1}},
        {8, {1, 2, 3, 4, 4, 3, 2, 1}},
        {9, {1, 2, 3, 4, 4, 4, 3, 2, 1}},
        {26, {1, 2, 3, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 3, 2, 1}},
    };
    for (const auto& [n, levels] : cases) {
        game.iBoardSize = n;
        std::vector<int16_t> actual;
        for (int16_t x = 1; x <= n; ++x) actual.push_back(game.EdgeLevel(x));
        EXPECT_EQ(actual, levels) << "side " << n;
    }
}

TEST_F(SetupTest, SidesOutsideTheRangeAreBroughtIntoIt) {
    for (auto [asked, built] : {std::pair<int16_t, int16_t>{2, 3}, {0, 3}, {-5, 3}, {27, 26}}) {
        game.iBoardSize = asked;
        game.SetupBoard();
        EXPECT_EQ(game.iBoardSize, built);
        EXPECT_EQ(game.sBoard.Size(), built);
        EXPECT_EQ(game.iCellCount, built * built);
        EXPECT_EQ(CountLetter(game, kBlack) + CountLetter(game, kWhite), 4);
    }
}

TEST_F(SetupTest, NewGameOverAFinishedOneWithTheComputerFirst) {
    NewGame(8);
    game.PlayerMove(3, 4);  // and the computer's reply
    game.bGameOver = true;
    game.iBoardSize = 6;
    game.SetupBoard();
    game.AssignColours(kComputer);
    EXPECT_EQ(game.sBoard.ToString(),
              Rows({"......", "......", "..WB..", "..BW..", "......", "......"}));
    EXPECT_EQ(game.iDiscCount[kPlayer], 2);
    EXPECT_EQ(game.iDiscCount[kComputer], 2);
    EXPECT_EQ(game.sSideLetter[kComputer], kBlack);
    EXPECT_EQ(game.bPlayerTurn, kComputer);
    EXPECT_FALSE(game.bGameOver);
    EXPECT_EQ(host.line0, "提示：轮计算机走棋，计算机执黑棋");
    EXPECT_EQ(host.line1, "轮次：0");
}

}  // namespace
