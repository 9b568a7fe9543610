#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

// The rules of Reversi written afresh from the rule book, sharing nothing with the engine, so
// that tests judge the program against an independent opinion rather than against itself.
// A position is n rows of 'B', 'W' and '.'; its text form joins them with '/'
// ("......../...WB.../..."), which keeps it one shell word.
class Position {
  public:
    static std::optional<Position> FromText(const std::string& text);
    static Position Start(int size);  // the four discs of a new game, black at (m, m+1)

    std::string Text() const;
    std::string Grid() const;  // one row per line, for failure messages
    int Size() const { return static_cast<int>(rows_.size()); }
    char At(int row, int col) const { return rows_[row - 1][col - 1]; }  // 1-based
    int Count(char letter) const;

    // Discs the move would turn over; 0 for an occupied cell or a move that brackets none.
    int Flips(char mover, int row, int col) const;
    std::vector<std::pair<int, int>> LegalMoves(char mover) const;
    // The position after a legal move; nothing for an illegal one.
    std::optional<Position> Play(char mover, int row, int col) const;

    bool operator==(const Position&) const = default;

  private:
    // Walks from the cell towards (dr, dc); the run of opposing discs it brackets, or 0.
    int Run(char mover, int row, int col, int dr, int dc) const;
    bool Inside(int row, int col) const {
        return row >= 1 && col >= 1 && row <= Size() && col <= Size();
    }
    std::vector<std::string> rows_;
};

// "BE4" -> ('B', row 4, column 5); nothing for anything else.
struct Move {
    char side;
    int row;
    int col;
};
std::optional<Move> ParseMoveToken(const std::string& token);
std::string MoveToken(const Move& move);

// Replays a record text ("Size8 BE4 WD4 BD5 WE5 BC4 ...") from its starting position. Tokens
// 1 to 4 stand for the starting discs and tokens past n*n are never played. The error names
// the first token that cannot be played; nothing at all when the header is no header.
struct ReplayResult {
    Position position;
    int moves = 0;
    std::string error;
};
std::optional<ReplayResult> ReplayRecord(const std::string& recordText);
