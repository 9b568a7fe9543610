#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "Game.h"
#include "GameHost.h"
#include "Replay.h"

// What the window saw during one call into the replay, for checks after it.
struct WindowEvents {
    int draws = 0;
    int marks = 0;
    int records = 0;
    int messages = 0;
    int waits = 0;
    std::string lastToken;    // the last token written by RecordMove
    std::string lastMessage;  // UTF-8
    bool timerOnAtMessage = false;
};

// The window's side of the engine and of the replay, without Qt: draws and the sound are
// only counted, message boxes and waits return at once, and the record box is a string.
class FuzzWindow : public GameHost, public ReplayHost {
  public:
    // The game is created with this window as its host, so it is attached afterwards.
    void Attach(Game& game) { game_ = &game; }

    // GameHost
    void DrawDisc(char letter, int16_t row, int16_t col) override;
    void MarkLastMove(int16_t row, int16_t col) override;
    void RecordMove(char letter, int16_t row, int16_t col) override;
    void RefreshStatus() override {}
    void ShowScore(Side, int16_t) override {}
    void SetStatusLine0(const std::string&) override {}
    void ShowMessage(const std::string& text) override;
    void WaitMilliseconds(int32_t) override { ++events.waits; }

    // ReplayHost
    void SetPlayTimerEnabled(bool enabled) override { timerEnabled = enabled; }
    void SetReplayButtonEnabled(ReplayButton button, bool enabled) override {
        buttons[static_cast<std::size_t>(button)] = enabled;
    }
    // As the window's: a new board of iBoardSize with the record text reset to the header
    // and the set-up tokens, counts 2 and 2, fresh turn counters.
    void InitializeBoard(int16_t boardSize) override;

    bool ButtonEnabled(ReplayButton button) const {
        return buttons[static_cast<std::size_t>(button)];
    }

    std::string recordText;  // txtRecord
    bool timerEnabled = false;
    std::array<bool, 5> buttons{};  // Top, StepPlay, AutoPlay, Bottom, Stop
    int initializations = 0;
    WindowEvents events;

  private:
    void CheckCell(const char* what, int16_t row, int16_t col) const;

    Game* game_ = nullptr;
};
