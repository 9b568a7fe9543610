// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ReplayToEnd.h"

#include <utility>

#include "Replay.h"

namespace {

// Stands in for the window: only the timer, the last mark and a refused move matter here.
class EndHost final : public GameHost, public ReplayHost {
  public:
    void DrawDisc(char, int16_t, int16_t) override {}
    void MarkLastMove(int16_t row, int16_t col) override {
        end.lastRow = row;
        end.lastCol = col;
    }
    void RecordMove(char, int16_t, int16_t) override {}
    void RefreshStatus() override {}
    void ShowScore(Side, int16_t) override {}
    void SetStatusLine0(const std::string&) override {}
    void ShowMessage(const std::string&) override { end.stoppedAtError = true; }
    void WaitMilliseconds(int32_t) override {}

    void SetPlayTimerEnabled(bool enabled) override { timerOn = enabled; }
    void SetReplayButtonEnabled(ReplayButton, bool) override {}
    void InitializeBoard(int16_t) override {}  // only Back to start asks for it

    ReplayEnd end;
    bool timerOn = false;
};

}  // namespace

ReplayEnd ReplayToEnd(ParsedRecord record) {
    EndHost host;
    if (!record.valid) return host.end;
    Game game(host);
    Replay replay(game, host, host);
    // In the order of the window's open.
    replay.Load(std::move(record.tokens));
    game.iBoardSize = record.boardSize;
    game.SetupBoard();
    game.bReplayMode = true;
    replay.iReplayPos = 0;

    // Fast forward: every tick is a step, and each step moves on by a token or stops the
    // timer, so this ends after at most one tick per cell; the bound only makes that plain.
    host.timerOn = true;
    const int cells = game.iBoardSize * game.iBoardSize;
    for (int tick = 0; host.timerOn && tick <= cells + 1; ++tick) replay.Step();
    host.end.board = game.sBoard;
    return host.end;
}
