#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "Game.h"

using Calls = std::vector<std::string>;

// Hands out the values in order, then repeats the last one.
class ScriptedRandom : public RandomSource {
  public:
    explicit ScriptedRandom(std::vector<float> values) : values_(std::move(values)) {}
    float Next() override { return values_[std::min(next_++, values_.size() - 1)]; }

  private:
    std::vector<float> values_;
    std::size_t next_ = 0;
};

inline int16_t CountLetter(const Game& game, char letter) {
    const std::string cells = game.sBoard.ToString();
    return static_cast<int16_t>(std::count(cells.begin(), cells.end(), letter));
}

// The test is the window: it logs every host call in order and keeps status line 0 as the
// window shows it. A wait or a message box runs its scripted action once; that is how the
// tests re-enter the engine. Expert play with every coin tails keeps the first of equal cells.
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
    void ShowMessage(const std::string& text) override { Run(onMessage, "Message " + text); }
    void WaitMilliseconds(int32_t ms) override { Run(onWait, "Wait " + std::to_string(ms)); }

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
        game.SetDiscCount(kPlayer, CountLetter(game, kBlack));
        game.SetDiscCount(kComputer, CountLetter(game, kWhite));
        game.ResetTurnCounters();
        game.bPlayerTurn = kPlayer;
        calls.clear();
    }

    Game game{*this};
    Calls calls;
    std::string line0;
    std::function<void()> onWait, onMessage;

  private:
    template <class... Parts>
    void Log(std::string line, Parts... parts) {
        ((line += " " + (std::is_same_v<Parts, char> ? std::string(1, char(parts))
                                                      : std::to_string(int(parts)))), ...);
        calls.push_back(line);
    }
    void Run(std::function<void()>& action, const std::string& line) {
        Log(line);
        if (auto once = std::exchange(action, nullptr)) once();
    }
};
