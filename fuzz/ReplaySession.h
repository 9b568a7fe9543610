#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzWindow.h"
#include "Game.h"
#include "RecordOracle.h"
#include "RecordText.h"
#include "Replay.h"

// How a call into the replay ended.
enum class StepResult { Played, Refused, AtEnd };

// Where a run through the record stopped.
struct PassResult {
    StepResult last = StepResult::AtEnd;
    std::string board;
    std::string record;
    int16_t replayPos = 0;
    bool operator==(const PassResult&) const = default;
};

// One window with its game and its replay, driven the way the user drives them (open, the
// replay buttons, the timer's ticks), checked after every call and every step against the
// record text and an independent model of what the step should have done.
class ReplaySession {
  public:
    ReplaySession();  // the window's start-up: a new 8 by 8 board

    // The window's open flow for a record read from a file, valid or not.
    void Open(const ParsedRecord& record);
    // cmdBottom, then the timer's ticks until it stops.
    PassResult FastForward();
    // cmdStepPlay while it is enabled, until the record runs out or errs.
    PassResult StepThrough();
    // cmdStepPlay `presses` times at most (fewer when it is disabled).
    void PressStep(int presses);
    void BackToStart();  // cmdTop

    const Game& GameState() const { return game_; }
    const std::string& RecordText() const { return window_.recordText; }

  private:
    StepResult Step();
    PassResult Result(StepResult last) const;
    void OpenValid(const ParsedRecord& record);
    void OpenInvalid(const ParsedRecord& record);
    // The checks that hold after every call while a valid record is loaded.
    void CheckLoaded();
    void CheckFreshStart(std::string_view after);
    [[noreturn]] void Fail(std::string_view what) const;

    FuzzWindow window_;
    Game game_;
    Replay replay_;
    RecordChecker checker_;
    int initializationsSeen_ = 0;
};

// Save then open: the window's record text written as a file and opened again, in the same
// window, must be a valid record whose full replay gives the same record text and board.
void CheckSaveAndReopen(ReplaySession& session);
