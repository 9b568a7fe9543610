#include <cmath>
#include <tuple>

#include "EngineTestSupport.h"

namespace {

using ComputerTest = EngineTest;

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
        }
    }
}

}  // namespace
