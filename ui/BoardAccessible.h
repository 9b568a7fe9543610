// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <cstdint>

class BoardView;

// How a cell is read: its coordinate as the record writes it and its content ("D3 黑棋").
QString CellSpeech(char letter, int16_t row, int16_t col);

// Lets screen readers read the board: n × n cells with the table interface, each named by
// CellSpeech, the keyboard cursor's cell focused and the last move named in its cell's
// description. Installing twice does nothing more.
void InstallBoardAccessibility();

// Tells assistive technology that the cursor cell of a focused board is the focus now.
void AnnounceBoardCursor(BoardView* board);
