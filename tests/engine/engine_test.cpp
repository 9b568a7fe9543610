// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <tuple>
#include <utility>

#include "Game.h"

using Calls = std::vector<std::string>;

// Hands out the values in order, then repeats the last one.
struct ScriptedRandom : RandomSource {
    explicit ScriptedRandom(std::vector<float> values) : values(std::move(values)) {}
    float Next() override { return values[std::min(next++, values.size() - 1)]; }
    std::vector<float> values;
    std::size_t next = 0;
};

// The test is the window: it logs every host call in order and keeps status line 0 as the
// window shows it. A message box runs its scripted action once; that is how the tests
// re-enter the engine. Expert play with every coin tails keeps the first of equal cells.
class EngineTest : public ::testing::Test, public GameHost {
  protected:
    EngineTest() { game.SetRandomSource(std::make_unique<ScriptedRandom>(std::vector{0.0f})); }
    void DrawDisc(char c, int16_t row, int16_t col) override { Log("DrawDisc", c, row, col); }
    void MarkLastMove(int16_t row, int16_t col) override { Log("MarkLastMove", row, col); }
    void RecordMove(char c, int16_t row, int16_t col) override { Log("RecordMove", c, row, col); }
    void ShowScore(Side side, int16_t value) override {
        Log("ShowScore", side == kPlayer ? 'P' : 'C', value);
    }
    void RefreshStatus() override {
        Log("RefreshStatus");
        line0 = TurnHintText(game);
    }
    void SetStatusLine0(const std::string& text) override { Log("Status " + (line0 = text)); }
    void ShowMessage(const std::string& text) override {
        Log("Message " + text);
        if (auto once = std::exchange(onMessage, nullptr)) once();
    }
    void WaitMilliseconds(int32_t ms) override { Log("Wait", ms); }

    long Count(const std::string& prefix) const {
        return std::ranges::count_if(calls,
                                     [&](const auto& call) { return call.starts_with(prefix); });
    }
    void NewGame(int16_t size = 8, Side first = kPlayer) {
        game.iBoardSize = size;
        game.SetupBoard();
        game.AssignColours(first);
        calls.clear();
    }
    // Rows joined by '\n' (B, W, .), the player (black) to move.
    void LoadBoard(const std::string& rows) {
        const auto n = static_cast<int16_t>(rows.find('\n'));
        game.iBoardSize = n;
        game.CreateBoard();
        for (int16_t i = 0; i < n * n; ++i)
            game.sBoard(int16_t(i / n + 1), int16_t(i % n + 1)) = rows[i / n * (n + 1) + i % n];
        game.SetDiscCount(kPlayer, static_cast<int16_t>(std::ranges::count(rows, kBlack)));
        game.SetDiscCount(kComputer, static_cast<int16_t>(std::ranges::count(rows, kWhite)));
        game.ResetTurnCounters();
        game.bPlayerTurn = kPlayer;
        calls.clear();
    }

    Game game{*this};
    Calls calls;
    std::string line0;
    std::function<void()> onMessage;  // run once, inside the next message box

  private:
    template <class... Parts>
    void Log(std::string line, Parts... parts) {
        ((line += " " + (std::is_same_v<Parts, char> ? std::string(1, char(parts))
                                                      : std::to_string(int(parts)))), ...);
        calls.push_back(line);
    }
};

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

TEST_F(EngineTest, WorkedScores) {
    NewGame(8);
    EXPECT_EQ(LegalScores(game), (Cells{{{3, 4}, 37}, {{4, 3}, 37}, {{5, 6}, 37}, {{6, 5}, 37}}));
    EXPECT_TRUE(calls.empty());
    game.EvaluateMove(3, 4, true);  // White's replies after Black (3,4)
    game.sBoard(3, 4) = kBlack;
    game.bPlayerTurn = kComputer;
    EXPECT_EQ(LegalScores(game), (Cells{{{3, 3}, 25}, {{5, 3}, 19}, {{3, 5}, 1}}));
    NewGame(5);  // the fourth line is also the second from the far edge
    EXPECT_EQ(LegalScores(game), (Cells{{{1, 2}, -10}, {{2, 1}, -10}, {{3, 4}, 37}, {{4, 3}, 37}}));
}

// Black at (4,4) captures right (a white disc lies beyond the capturing one), up, and
// down-left (its capturing disc against the border); the run to the left is open and stays.
const std::string kMultiCapture =
    "........\n...B....\n...W....\n.WW.WWBW\n..W.B...\n.W......\nB.......\n........";

TEST_F(EngineTest, PlayModeFlipsExactlyTheBracketedRunsAndNothingOnARefusedCell) {
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

// The player's pass, then the computer's pass inside its own move: the double pass.
TEST_F(EngineTest, PlayerPassThenComputerPassEndsTheGame) {
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

// The last true reason is the one shown; the verdict follows the counts.
TEST_F(EngineTest, EndReasonsAndVerdicts) {
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
TEST_F(EngineTest, NewGameDuringAPassBoxKeepsItsOwnState) {
    LoadBoard("WB..\n....\n....\n....");
    onMessage = [&] { NewGame(8, kPlayer); };
    game.PlayerMove(4, 4);
    EXPECT_EQ(Count("Wait"), 0);
    EXPECT_EQ(game.iPassCount, 0);
    EXPECT_EQ(game.bPlayerTurn, kPlayer);
}

// After Black (3,4) White scans (3,3) 25, (3,5) 1, (5,3) 19; (3,5) draws a bonus and heads.
TEST_F(EngineTest, SkillBonusStaysBelowTheSkill) {
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

}  // namespace
