// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "GameHost.h"
#include "RandomSource.h"
#include "Side.h"

// Cell letters of sBoard.
inline constexpr char kEmpty = '.';
inline constexpr char kBlack = 'B';
inline constexpr char kWhite = 'W';
inline constexpr char kBorder = 'X';

// EvaluateMove's answer for a cell that is not a legal move; every other value is a score.
inline constexpr int32_t kIllegalMove = -32000;

// Record files cannot describe boards outside this range, so the game never builds one.
inline constexpr int16_t kMinBoardSize = 3;
inline constexpr int16_t kMaxBoardSize = 26;

inline constexpr int16_t kSkillLevels = 5;

// The board with its border ring: rows and columns 0 to n+1, playable cells 1 to n.
class BoardGrid {
  public:
    void Create(int16_t size);  // every cell "X", then every playable cell "."
    char operator()(int16_t row, int16_t col) const { return cells_[Index(row, col)]; }
    char& operator()(int16_t row, int16_t col) { return cells_[Index(row, col)]; }
    int16_t Size() const { return size_; }
    // Rows of the playable cells joined by '\n' ("B", "W", "."), for tests and diagnostics.
    std::string ToString() const;

  private:
    std::size_t Index(int16_t row, int16_t col) const {
        return static_cast<std::size_t>(row) * static_cast<std::size_t>(size_ + 2) +
               static_cast<std::size_t>(col);
    }
    int16_t size_ = 0;
    std::vector<char> cells_;
};

// The state of one game and the procedures of the rules, the turn flow and the computer
// player. The window owns exactly one Game for its whole life and reaches the user only
// through GameHost. Members are public because the window's set-up, replay and demo mode
// rewrite them between moves, as the game's own procedures do.
class Game {
  public:
    explicit Game(GameHost& host);

    // ---- Board and rules -------------------------------------------------------------
    // Board part of a new game for side iBoardSize: the board array and derived sizes.
    void CreateBoard();
    // The four starting discs, each followed by RecordMove and MarkLastMove.
    void PlaceStartingDiscs();
    // Pass count, move number and game-over flag of a fresh game.
    void ResetTurnCounters();
    // CreateBoard, PlaceStartingDiscs, both counts to 2, ResetTurnCounters: the engine's
    // share of a new board, for callers without a record box or labels to prepare.
    void SetupBoard();

    int32_t EvaluateMove(int16_t row, int16_t col, bool play);
    bool NoLegalMove();
    int16_t EdgeLevel(int16_t x) const;
    void UpdateCounts(Side side, int16_t flips);
    void SetDiscCount(Side side, int16_t value);
    // Both counts from the discs on the board, for a position the counts did not follow.
    void RecountDiscs();

    // ---- Turn flow ----------------------------------------------------------------------
    void AssignColours(Side first);
    // The letters and colour names of AssignColours alone: `first` takes black.
    void GiveColours(Side first);
    void PlayerMove(int16_t row, int16_t col);
    void CheckGameOver();

    // ---- Computer player ----------------------------------------------------------------
    void ComputerMove();
    // The scan of ComputerMove without the wait: false when the side to move has no legal
    // cell. Draws two random numbers for every legal cell.
    bool ChooseComputerCell(int16_t& bestRow, int16_t& bestCol);
    // iSkill from the checked items of the skill menu; the highest checked index wins and
    // nothing checked keeps the level.
    void ReadSkill(const std::array<bool, kSkillLevels>& checked);
    void SetRandomSource(std::unique_ptr<RandomSource> random);

    // ---- State ---------------------------------------------------------------------------
    int16_t iBoardSize = 8;
    int16_t iBoardMid = 4;
    int16_t iOuterIndex = 9;
    int16_t iCellCount = 64;
    BoardGrid sBoard;

    BySide<char> sSideLetter;
    BySide<std::string> sSideColour;
    BySide<int16_t> iDiscCount;
    int16_t iTotalDiscs = 0;

    Side bPlayerTurn = kTrue;
    bool bGameOver = false;
    bool bReplayMode = false;
    int16_t iPassCount = 0;
    int16_t iMoveNumber = 0;
    int16_t iSkill = 0;

    // Raised by every CreateBoard, so code that pumped events can tell whether the game it
    // was working on is still the one on the board.
    int32_t lBoardSerial = 0;

  private:
    enum class EndKind { Open, Edge, Blocked };
    EndKind EndOfRun(int16_t row, int16_t col, int16_t dr, int16_t dc, char own) const;
    void PassComputer();
    // The pass of one side: notice, box, then the counters; false when the box saw the board
    // replaced by a new game, which then keeps its own state.
    bool Pass(Side passer, const char* notice, const char* message);
    // A legal move of `side`: flips, the disc itself, then the turn handed over and the end
    // of the game tested.
    void PlayMove(Side side, int16_t row, int16_t col);

    GameHost& host_;
    std::unique_ptr<RandomSource> random_;
    std::array<int16_t, 9> iLineValue{};  // index 1 to 8, one per direction
};

// Texts of the status panel, UTF-8.
std::string TurnHintText(const Game& game);       // line 0 while the game runs
std::string MoveNumberText(int16_t moveNumber);   // line 1
std::string ScoreText(Side side, int16_t value);  // lines 2 and 3
