// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>

#include "Side.h"

// The only way the engine reaches the window. The main window implements it; tests fake it.
// Every call may re-enter the engine (the wait and the message box pump events), so the
// engine re-reads its flags after each of them.
class GameHost {
public:
    virtual ~GameHost() = default;

    // Draws a black ('B') or white ('W') disc; any other letter draws nothing.
    virtual void DrawDisc(char letter, int16_t row, int16_t col) = 0;
    // Moves the last-move marker onto the cell and plays the move sound when it is on.
    virtual void MarkLastMove(int16_t row, int16_t col) = 0;
    // Appends the move token to the record text.
    virtual void RecordMove(char letter, int16_t row, int16_t col) = 0;
    // Rewrites the move-number line, then status line 0 with the whose-turn hint.
    virtual void RefreshStatus() = 0;
    // Shows one side's score in that side's label, and only there.
    virtual void ShowScore(Side side, int16_t value) = 0;
    // Writes status line 0 (hints, notices, the result line), UTF-8.
    virtual void SetStatusLine0(const std::string& text) = 0;
    // A modal information box with an OK button, titled with the application title; UTF-8.
    virtual void ShowMessage(const std::string& text) = 0;
    // Holds the caller for the given time while every window event is processed.
    virtual void WaitMilliseconds(int32_t milliseconds) = 0;
};
