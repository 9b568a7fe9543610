#include "EngineTestSupport.h"

namespace {

// Two engine computers play each other the way demo mode drives them: before each
// half-move the turn goes to the computer, the counts swap and the computer takes the
// mover's colour.
class WholeGameTest : public EngineTest {
  protected:
    void HalfMove(char moverLetter) {
        game.bPlayerTurn = Not(game.bPlayerTurn);
        const int16_t human = game.iDiscCount[kPlayer];
        game.SetDiscCount(kPlayer, game.iDiscCount[kComputer]);
        game.SetDiscCount(kComputer, human);
        game.sSideLetter[kPlayer] = moverLetter == kBlack ? kWhite : kBlack;
        game.sSideLetter[kComputer] = moverLetter;
        game.ComputerMove();
        CheckInvariants();
    }

    void CheckInvariants() {
        for (Side side : {kPlayer, kComputer}) {
            ASSERT_EQ(game.iDiscCount[side], CountLetter(game, game.sSideLetter[side]));
        }
        const int16_t discs = CountLetter(game, kBlack) + CountLetter(game, kWhite);
        ASSERT_EQ(game.iTotalDiscs, discs);
        ASSERT_EQ(game.iMoveNumber, discs - 4);
        ASSERT_EQ(static_cast<int>(host.Only("RecordMove").size()), discs);
    }

    // Plays to the end; returns the number of half-moves, passes included.
    int PlayOut(int16_t size, int16_t skill, std::unique_ptr<RandomSource> random) {
        game.iBoardSize = size;
        game.SetupBoard();
        game.AssignColours(kPlayer);
        game.iSkill = skill;
        game.SetRandomSource(std::move(random));
        int halfMoves = 0;
        const int limit = 2 * size * size;
        while (!game.bGameOver && halfMoves < limit) {
            HalfMove(kBlack);
            ++halfMoves;
            if (game.bGameOver || ::testing::Test::HasFatalFailure()) break;
            HalfMove(kWhite);
            ++halfMoves;
            if (::testing::Test::HasFatalFailure()) break;
        }
        EXPECT_TRUE(game.bGameOver);
        return halfMoves;
    }

    // The result line must match the board it was reached on.
    void CheckEnd() {
        const int16_t black = CountLetter(game, kBlack);
        const int16_t white = CountLetter(game, kWhite);
        const bool full = black + white == game.iCellCount;
        const bool wipedOut = black == 0 || white == 0;
        const std::string reason = wipedOut ? "子被吃尽，" : full ? "棋盘已满，" : "双方罚步，";
        EXPECT_EQ(host.line0.rfind("提示：" + reason, 0), 0u) << host.line0;
        if (!full && !wipedOut) {
            EXPECT_EQ(game.iPassCount, 2);
            EXPECT_TRUE(game.NoLegalMove());
            game.bPlayerTurn = Not(game.bPlayerTurn);
            EXPECT_TRUE(game.NoLegalMove());
        }
        const int16_t mine = game.iDiscCount[kPlayer];
        const int16_t theirs = game.iDiscCount[kComputer];
        const char* verdict = mine > theirs ? "你赢了" : mine < theirs ? "计算机赢了" : "平局";
        EXPECT_EQ(host.line0, "提示：" + reason + verdict);
    }
};

TEST_F(WholeGameTest, SeededGamesOnEightByEight) {
    for (uint32_t seed = 1; seed <= 20; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        host.calls.clear();
        PlayOut(8, static_cast<int16_t>((seed % 5) * 100),
                std::make_unique<ClockSeededRandom>(seed));
        CheckEnd();
    }
}

TEST_F(WholeGameTest, SeededGamesOnTwentySixByTwentySix) {
    for (uint32_t seed : {3u, 11u}) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        host.calls.clear();
        PlayOut(26, static_cast<int16_t>(seed == 3 ? 0 : 400),
                std::make_unique<ClockSeededRandom>(seed));
        CheckEnd();
        EXPECT_GT(game.iMoveNumber, 300);
    }
}

TEST_F(WholeGameTest, SmallBoardsEndToo) {
    for (int16_t size : {3, 4, 5}) {
        for (uint32_t seed = 1; seed <= 10; ++seed) {
            SCOPED_TRACE("side " + std::to_string(size) + " seed " + std::to_string(seed));
            host.calls.clear();
            PlayOut(size, 200, std::make_unique<ClockSeededRandom>(seed));
            CheckEnd();
        }
    }
}

// An expert game with every coin tails is fully determined: a fixed record guards the
// evaluation against silent changes.
TEST_F(WholeGameTest, ScriptedExpertGameIsFixed) {
    PlayOut(8, 0, std::make_unique<ScriptedRandom>(std::vector<float>{0.0f}));
    CheckEnd();
    std::string record;
    for (const auto& call : host.Only("RecordMove")) record += call.substr(11) + ";";
    EXPECT_EQ(record,
              "B 4 5;W 4 4;B 5 4;W 5 5;B 3 4;W 3 3;B 5 6;W 6 6;B 4 3;W 3 5;B 3 6;W 6 4;B 6 3;"
              "W 6 7;B 3 2;W 5 3;B 7 4;W 2 6;B 1 6;W 3 1;B 6 2;W 8 4;B 4 6;W 6 1;B 6 5;W 5 2;"
              "B 6 8;W 3 7;B 4 8;W 2 8;B 4 2;W 4 1;B 2 5;W 1 4;B 5 1;W 7 5;B 8 6;W 7 6;B 2 3;"
              "W 5 8;B 3 8;W 1 3;B 1 8;W 1 7;B 1 5;W 5 7;B 2 4;W 4 7;B 8 7;W 7 3;B 8 2;W 8 3;"
              "B 8 5;W 2 7;B 2 1;W 1 1;B 1 2;W 7 8;B 8 8;W 7 7;B 7 1;W 8 1;B 7 2;W 2 2;");
    EXPECT_EQ(game.sBoard.ToString(), Rows({"WBBBBBWB", "WWWWWWWB", "WBWBBWWB", "WBBWBBWB",
                                            "WBBBWWWB", "WBBBBWWB", "WBBBBBBB", "WBBBBBBB"}));
}

}  // namespace
