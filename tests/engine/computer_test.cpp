#include <cmath>
#include <set>

#include "EngineTestSupport.h"

namespace {

using Calls = std::vector<std::string>;

class ComputerTest : public EngineTest {
  protected:
    void UseRandom(std::vector<float> values) {
        draws = 0;
        game.SetRandomSource(std::make_unique<ScriptedRandom>(std::move(values), &draws));
    }
    // 8x8 after Black (3,4), White (the computer) to move: (3,3) 25, (3,5) 1, (5,3) 19,
    // in that scan order.
    void AfterBlack34() {
        NewGame(8);
        game.EvaluateMove(3, 4, true);
        game.sBoard(3, 4) = kBlack;
        game.bPlayerTurn = kComputer;
        host.calls.clear();
    }
    std::pair<int, int> Choice() {
        int16_t row = 0;
        int16_t col = 0;
        EXPECT_TRUE(game.ChooseComputerCell(row, col));
        return {row, col};
    }
    int draws = 0;
};

TEST_F(ComputerTest, ExpertAlwaysAnswersThirtyFourWithThirtyThree) {
    for (uint32_t seed = 1; seed <= 50; ++seed) {
        NewGame(8);
        game.SetRandomSource(std::make_unique<ClockSeededRandom>(seed));
        game.PlayerMove(3, 4);
        EXPECT_EQ(host.Only("RecordMove W"), (Calls{"RecordMove W 3 3"})) << "seed " << seed;
        EXPECT_EQ(game.bPlayerTurn, kTrue);
    }
}

TEST_F(ComputerTest, TwoDrawsPerLegalCellAndTheCoinSettlesTies) {
    // Computer first: the four openings all score 37.
    NewGame(8, kComputer);
    UseRandom({0.0f});  // tails every time: the first stays
    EXPECT_EQ(Choice(), std::make_pair(3, 4));
    EXPECT_EQ(draws, 8);
    UseRandom({0.0f, 0.5f});  // 0.5 is still tails
    EXPECT_EQ(Choice(), std::make_pair(3, 4));
    UseRandom({0.0f, 0.9f});  // heads every time: the last
    EXPECT_EQ(Choice(), std::make_pair(6, 5));
    UseRandom({0.0f, 0.0f, 0.0f, 0.9f, 0.0f, 0.0f, 0.0f, 0.0f});  // heads at the second only
    EXPECT_EQ(Choice(), std::make_pair(4, 3));

    // The opening through ComputerMove: the black disc lands after the wait.
    UseRandom({0.0f});
    game.ComputerMove();
    EXPECT_EQ(host.calls,
              (Calls{"Wait 1000", "DrawDisc B 4 4", "ShowScore C 4", "ShowScore P 1",
                     "DrawDisc B 3 4", "RecordMove B 3 4", "MarkLastMove 3 4", "RefreshStatus"}));
    EXPECT_EQ(host.line0, "提示：轮你走棋，你执白棋");
    EXPECT_EQ(host.line1, "轮次：1");
}

TEST_F(ComputerTest, SkillBonusStaysBelowTheSkill) {
    // (3,5) scores 24 less than (3,3); it gets the largest draw below 1 and heads.
    const float largest = std::nextafter(1.0f, 0.0f);
    AfterBlack34();
    game.iSkill = 24;
    UseRandom({0.0f, 0.0f, largest, 0.9f, 0.0f, 0.0f});
    EXPECT_EQ(Choice(), std::make_pair(3, 3));  // 1 + 23 < 25
    game.iSkill = 25;
    UseRandom({0.0f, 0.0f, largest, 0.9f, 0.0f, 0.0f});
    EXPECT_EQ(Choice(), std::make_pair(3, 5));  // 1 + 24 ties 25 and wins the coin

    // A source that strays to 1.0 still cannot reach the skill itself.
    game.iSkill = 24;
    UseRandom({0.0f, 0.0f, 1.0f, 0.9f, 0.0f, 0.0f});
    EXPECT_EQ(Choice(), std::make_pair(3, 3));

    // Menu levels: the poorest lets (3,5) overtake through its bonus alone.
    for (int16_t skill : {100, 200, 300, 400}) {
        game.iSkill = skill;
        UseRandom({0.0f, 0.0f, largest, 0.0f, 0.0f, 0.0f});
        EXPECT_EQ(Choice(), std::make_pair(3, 5)) << skill;
    }
}

TEST_F(ComputerTest, TheOnlyLegalCellIsPlayedAtEveryLevel) {
    for (int16_t skill : {0, 100, 200, 300, 400}) {
        LoadBoard(game, {"WB..", "....", "....", "...."});
        game.bPlayerTurn = kComputer;
        game.iSkill = skill;
        game.SetRandomSource(std::make_unique<ClockSeededRandom>(static_cast<uint32_t>(skill)));
        EXPECT_EQ(Choice(), std::make_pair(1, 3));
    }
}

TEST_F(ComputerTest, ReadSkillTakesTheHighestCheckedItem) {
    game.ReadSkill({false, false, true, false, false});
    EXPECT_EQ(game.iSkill, 200);
    game.ReadSkill({false, false, false, false, false});
    EXPECT_EQ(game.iSkill, 200);
    game.ReadSkill({true, true, false, true, false});
    EXPECT_EQ(game.iSkill, 300);
    game.ReadSkill({true, false, false, false, false});
    EXPECT_EQ(game.iSkill, 0);
    game.ReadSkill({false, false, false, false, true});
    EXPECT_EQ(game.iSkill, 400);
}

// Handlers run inside the wait; the pending move must look again before it plays.
TEST_F(ComputerTest, WhatHappensDuringTheWaitDecides) {
    // A new game that gives the player the first move.
    AfterBlack34();
    host.onWait.push_back([&] {
        game.SetupBoard();
        game.AssignColours(kPlayer);
    });
    game.ComputerMove();
    EXPECT_TRUE(host.Only("DrawDisc").empty());
    EXPECT_EQ(game.iTotalDiscs, 4);
    EXPECT_EQ(game.iMoveNumber, 0);
    EXPECT_EQ(game.bPlayerTurn, kTrue);

    // A new game with the computer first starts its own move: only that one lands.
    AfterBlack34();
    host.onWait.push_back([&] {
        game.SetupBoard();
        game.AssignColours(kComputer);
        game.ComputerMove();
    });
    game.ComputerMove();
    EXPECT_EQ(host.Only("RecordMove B").size(), 3u);  // two set-up discs and the opening
    EXPECT_EQ(game.iMoveNumber, 1);
    EXPECT_EQ(game.iTotalDiscs, 5);

    // A record opened for replay.
    AfterBlack34();
    host.onWait.push_back([&] {
        game.bReplayMode = true;
        game.SetupBoard();
        game.bPlayerTurn = kComputer;
    });
    game.ComputerMove();
    EXPECT_TRUE(host.Only("DrawDisc").empty());
    EXPECT_EQ(game.iMoveNumber, 0);
    game.bReplayMode = false;

    // The game ended meanwhile; and a click during the wait is dropped.
    AfterBlack34();
    host.onWait.push_back([&] {
        game.PlayerMove(5, 3);
        game.bGameOver = true;
    });
    game.ComputerMove();
    EXPECT_EQ(host.calls, (Calls{"Wait 1000"}));
    EXPECT_EQ(game.iPassCount, 0);

    // A game already over still waits first.
    host.calls.clear();
    game.ComputerMove();
    EXPECT_EQ(host.calls, (Calls{"Wait 1000"}));
}

TEST_F(ComputerTest, ClockSeededRandomIsUniformInTheHalfOpenInterval) {
    ClockSeededRandom a(7);
    ClockSeededRandom b(7);
    ClockSeededRandom clock;
    double sum = 0.0;
    std::set<float> seen;
    constexpr int kDraws = 100000;
    for (int i = 0; i < kDraws; ++i) {
        const float value = a.Next();
        ASSERT_EQ(value, b.Next());
        ASSERT_GE(value, 0.0f);
        ASSERT_LT(value, 1.0f);
        const float other = clock.Next();
        ASSERT_TRUE(other >= 0.0f && other < 1.0f);
        sum += value;
        seen.insert(value);
    }
    EXPECT_NEAR(sum / kDraws, 0.5, 0.01);
    EXPECT_GT(seen.size(), kDraws * 99u / 100u);
}

}  // namespace
