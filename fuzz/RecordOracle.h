#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "Game.h"

// Prints what broke, with the board and the record text, then aborts so libFuzzer keeps
// the input.
[[noreturn]] void FuzzFail(std::string_view what, const Game& game, std::string_view record);

// A second, deliberately plain implementation of the flipping rule with no border ring and
// no code shared with the engine, so the engine is checked against something independent.
class ReferenceBoard {
  public:
    explicit ReferenceBoard(int size = 0);
    int Size() const { return size_; }
    char At(int row, int col) const { return cells_[Index(row, col)]; }
    void Put(char letter, int row, int col) { cells_[Index(row, col)] = letter; }
    // Places the disc and turns what it brackets; false, with nothing changed, when the cell
    // is off the board or taken or the disc would turn nothing.
    bool Play(char side, int row, int col);
    bool IsLegal(char side, int row, int col) const;

  private:
    // How many opposing discs a disc of `side` at the cell would turn in one direction.
    int Bracketed(char side, int row, int col, int dr, int dc) const;
    bool OnBoard(int row, int col) const {
        return row >= 1 && row <= size_ && col >= 1 && col <= size_;
    }
    std::size_t Index(int row, int col) const {
        return static_cast<std::size_t>((row - 1) * size_ + (col - 1));
    }
    int size_;
    std::vector<char> cells_;
};

// Follows the record text the window keeps, token by token as it grows, and holds the
// board that replaying it gives. Check() compares that board with the game's.
class RecordChecker {
  public:
    // The board was set up again: the record text starts over.
    void Restart() { consumed_.clear(); }
    // Aborts unless the board is well formed, the record text is the header, the four
    // set-up tokens and legal moves, each followed by one space, and replaying it gives
    // exactly the game's board.
    void Check(const Game& game, const std::string& record);
    const ReferenceBoard& Board() const { return board_; }
    int TokenCount() const { return tokens_; }

  private:
    void ReadToken(const Game& game, const std::string& record, std::string_view token);

    std::string consumed_;  // the part of the record text already applied to board_
    ReferenceBoard board_;
    int tokens_ = 0;
};

// The disc the board set-up writes as token 1 to 4 for side n.
struct StartingDisc {
    char letter;
    int row;
    int col;
};
StartingDisc StartingDiscFor(int16_t boardSize, int index);
