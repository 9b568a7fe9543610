#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "Game.h"

// Records every host call as one text line, in order, and keeps the two status lines the
// way the window would show them. A wait or a message box can run one scripted action
// each, which is how the tests re-enter the engine.
class FakeHost : public GameHost {
  public:
    void DrawDisc(char letter, int16_t row, int16_t col) override {
        Log("DrawDisc " + Cell(letter, row, col));
    }
    void MarkLastMove(int16_t row, int16_t col) override {
        Log("MarkLastMove " + std::to_string(row) + " " + std::to_string(col));
    }
    void RecordMove(char letter, int16_t row, int16_t col) override {
        Log("RecordMove " + Cell(letter, row, col));
    }
    void RefreshStatus() override {
        Log("RefreshStatus");
        if (game != nullptr) {
            line1 = MoveNumberText(game->iMoveNumber);
            line0 = TurnHintText(*game);
        }
    }
    void ShowScore(Side side, int16_t value) override {
        Log(std::string("ShowScore ") + (side == kPlayer ? "P " : "C ") + std::to_string(value));
    }
    void SetStatusLine0(const std::string& text) override {
        Log("Status " + text);
        line0 = text;
    }
    void ShowMessage(const std::string& text) override {
        Log("Message " + text);
        RunNext(onMessage);
    }
    void WaitMilliseconds(int32_t milliseconds) override {
        Log("Wait " + std::to_string(milliseconds));
        RunNext(onWait);
    }

    // The logged lines that start with the prefix.
    std::vector<std::string> Only(std::string_view prefix) const {
        std::vector<std::string> matching;
        for (const auto& call : calls) {
            if (call.rfind(prefix, 0) == 0) matching.push_back(call);
        }
        return matching;
    }

    Game* game = nullptr;
    bool logging = true;
    std::vector<std::string> calls;
    std::string line0;
    std::string line1;
    std::deque<std::function<void()>> onWait;
    std::deque<std::function<void()>> onMessage;

  private:
    static std::string Cell(char letter, int16_t row, int16_t col) {
        return std::string(1, letter) + " " + std::to_string(row) + " " + std::to_string(col);
    }
    void Log(std::string line) {
        if (logging) calls.push_back(std::move(line));
    }
    static void RunNext(std::deque<std::function<void()>>& actions) {
        if (actions.empty()) return;
        auto action = std::move(actions.front());
        actions.pop_front();
        action();
    }
};

// Hands out the given values in order, then repeats the last one; counts every draw.
class ScriptedRandom : public RandomSource {
  public:
    explicit ScriptedRandom(std::vector<float> values, int* draws = nullptr)
        : values_(std::move(values)), draws_(draws) {}
    float Next() override {
        if (draws_ != nullptr) ++*draws_;
        if (values_.empty()) return 0.0f;
        return values_[std::min(next_++, values_.size() - 1)];
    }

  private:
    std::vector<float> values_;
    std::size_t next_ = 0;
    int* draws_;
};

// A fresh board of the rows' size holding the rows (B, W, .), counts taken from the
// current side letters, the game running with the player to move. No host call is made.
inline void LoadBoard(Game& game, const std::vector<std::string_view>& rows) {
    game.iBoardSize = static_cast<int16_t>(rows.size());
    game.CreateBoard();
    int16_t row = 1;
    for (std::string_view text : rows) {
        for (int16_t col = 1; col <= game.iBoardSize; ++col) {
            game.sBoard(row, col) = text.at(static_cast<std::size_t>(col - 1));
        }
        ++row;
    }
    for (Side side : {kPlayer, kComputer}) {
        int16_t count = 0;
        for (char cell : game.sBoard.ToString()) count += cell == game.sSideLetter[side];
        game.iDiscCount[side] = count;
    }
    game.iTotalDiscs = static_cast<int16_t>(game.iDiscCount[kPlayer] + game.iDiscCount[kComputer]);
    game.ResetTurnCounters();
    game.bPlayerTurn = kPlayer;
}

inline std::string Rows(const std::vector<std::string_view>& rows) {
    std::string text;
    for (std::string_view row : rows) {
        if (!text.empty()) text += '\n';
        text += row;
    }
    return text;
}

inline int16_t CountLetter(const Game& game, char letter) {
    int16_t count = 0;
    for (char cell : game.sBoard.ToString()) count += cell == letter;
    return count;
}

// A game on the host with a scripted random source (all zeros unless replaced): expert
// play then always keeps the first of equal cells.
class EngineTest : public ::testing::Test {
  protected:
    EngineTest() {
        host.game = &game;
        game.SetRandomSource(std::make_unique<ScriptedRandom>(std::vector<float>{0.0f}));
    }
    // A new 8x8 (or other) game as the window starts it, with the log cleared.
    void NewGame(int16_t size = 8, Side first = kPlayer) {
        game.iBoardSize = size;
        game.SetupBoard();
        game.AssignColours(first);
        host.calls.clear();
    }

    FakeHost host;
    Game game{host};
};
