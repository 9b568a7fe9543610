// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Game.h"
#include "GameHost.h"

enum class ReplayButton { Top, StepPlay, AutoPlay, Bottom, Stop };

// What replay needs from the window besides the game's own host.
class ReplayHost {
public:
    virtual ~ReplayHost() = default;
    virtual void SetPlayTimerEnabled(bool enabled) = 0;  // tmrPlay
    virtual void SetReplayButtonEnabled(ReplayButton button, bool enabled) = 0;
    virtual void InitializeBoard(int16_t boardSize) = 0;
};

// Plays an opened record onto the board one token at a time.
class Replay {
public:
    Replay(Game& game, GameHost& gameHost, ReplayHost& host);

    // A valid record was opened: its tokens, position 0, and the game in replay mode.
    void Load(std::vector<std::string> tokens);
    // An invalid record was opened: nothing may ever apply its tokens. Leaves replay mode,
    // stops tmrPlay and disables Top, Step, Auto and Bottom (Stop still starts a new game).
    void Discard();
    // An invalid record was opened. As Discard; a position that was being replayed then
    // goes on as a game: true counts, the letters of the first-mover choice `first`, and
    // the player to move.
    void ContinueAsGame(Side first);

    // Step and BackToStart do nothing unless a loaded record is in replay mode.
    void Step();  // cmdStepPlay and every tick of tmrPlay
    void PlayRecordedMove(char side, int16_t row, int16_t col);
    void BackToStart();  // cmdTop

    std::vector<std::string> sRecordTokens;
    int16_t iReplayPos = 0;

private:
    bool IsReplaying() const;
    void ReportRecordError();

    Game& game_;
    GameHost& gameHost_;
    ReplayHost& host_;
    bool loaded_ = false;
};
