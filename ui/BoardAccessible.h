// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class BoardView;

// Lets screen readers read the board: a table of n × n cells, each named by its coordinate
// as the record writes it and its content ("D3 黑棋"), the keyboard cursor's cell focused
// and the last move named in its cell's description. Installing twice does nothing more.
void InstallBoardAccessibility();

// Tells assistive technology that the cursor cell of a focused board is the focus now.
void AnnounceBoardCursor(BoardView* board);
