// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

#include "Game.h"
#include "RecordText.h"

// Where a record's replay ends, without a window.
struct ReplayEnd {
    BoardGrid board;
    int16_t lastRow = 0;  // the last placed disc, where the last-move frame stands
    int16_t lastCol = 0;
    bool stoppedAtError = false;  // a move was refused; the board holds the moves before it
};

// What the window shows after opening a valid record and pressing Fast forward: the record's
// board set up, then Replay's steps until its timer stops. An invalid record gives an empty
// board.
ReplayEnd ReplayToEnd(ParsedRecord record);
