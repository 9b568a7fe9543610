// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <vector>

// The rules of Reversi written afresh from the rule book, sharing nothing with the engine, so
// that tests judge the program against an independent opinion rather than against itself.
// A position is n rows of 'B', 'W' and '.'.
class Position {
  public:
    explicit Position(int size);  // the four discs of a new game, black at (m, m+1)

    std::string Grid() const;  // one row per line
    std::string Text() const;  // the rows joined by '/', one shell word
    int Size() const { return static_cast<int>(rows_.size()); }
    // Places the disc and turns every run it brackets; false, and nothing changes, when the
    // cell is taken, off the board or brackets nothing.
    bool Play(char mover, int row, int col);

    bool operator==(const Position&) const = default;

  private:
    std::vector<std::string> rows_;
};

// "BE4" -> ('B', row 4, column 5); nothing for anything else.
struct Move {
    char side;
    int row;
    int col;
};
std::optional<Move> ParseMoveToken(const std::string& token);

// Replays a record text ("Size8 BE4 WD4 BD5 WE5 BC4 ...") from its starting position. Tokens
// 1 to 4 stand for the starting discs and tokens past n*n are never played. The error names
// the first token that cannot be played; nothing at all when the header is no header.
struct ReplayResult {
    Position position;
    int moves = 0;
    std::string error;
};
std::optional<ReplayResult> ReplayRecord(const std::string& recordText);
