#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "Game.h"
#include "GameHost.h"
#include "Notation.h"
#include "Replay.h"

// Both hosts write one shared log, so a test can check the order of what the window saw.
using CallLog = std::vector<std::string>;

// The window's side of the engine: keeps the record text as the record box would.
class FakeGameHost : public GameHost {
  public:
    explicit FakeGameHost(CallLog& log) : log_(log) {}

    void DrawDisc(char letter, int16_t row, int16_t col) override {
        log_.push_back("draw " + MoveToken(letter, row, col));
    }
    void MarkLastMove(int16_t row, int16_t col) override {
        log_.push_back("mark " + MoveToken('-', row, col));
    }
    void RecordMove(char letter, int16_t row, int16_t col) override {
        recordText = AppendMove(recordText, letter, row, col);
    }
    void RefreshStatus() override {}
    void ShowScore(Side, int16_t) override {}
    void SetStatusLine0(const std::string&) override {}
    void ShowMessage(const std::string& text) override {
        log_.push_back("message " + text);
        if (onMessage) onMessage();
    }
    void WaitMilliseconds(int32_t) override {}

    std::string recordText;
    std::function<void()> onMessage;  // runs while the "message box" is open

  private:
    CallLog& log_;
};

// The window's replay controls and its board set-up.
class FakeReplayHost : public ReplayHost {
  public:
    FakeReplayHost(CallLog& log, Game& game, FakeGameHost& gameHost)
        : log_(log), game_(game), gameHost_(gameHost) {}

    void SetPlayTimerEnabled(bool enabled) override {
        timerEnabled = enabled;
        log_.push_back(enabled ? "timer on" : "timer off");
    }
    void SetReplayButtonEnabled(ReplayButton button, bool enabled) override {
        buttons[button] = enabled;
    }
    void InitializeBoard(int16_t boardSize) override {
        log_.push_back("initialize " + std::to_string(boardSize));
        game_.iBoardSize = boardSize;
        gameHost_.recordText = HeaderToken(boardSize) + " ";
        game_.SetupBoard();
    }

    // Top, Step, Auto, Bottom, Stop as "10011".
    std::string ButtonStates() const {
        std::string states;
        for (ReplayButton button :
             {ReplayButton::Top, ReplayButton::StepPlay, ReplayButton::AutoPlay,
              ReplayButton::Bottom, ReplayButton::Stop}) {
            const auto it = buttons.find(button);
            states += it != buttons.end() && it->second ? '1' : '0';
        }
        return states;
    }

    bool timerEnabled = false;
    std::map<ReplayButton, bool> buttons;

  private:
    CallLog& log_;
    Game& game_;
    FakeGameHost& gameHost_;
};
