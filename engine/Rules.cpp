// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <algorithm>
#include <array>

#include "Game.h"

namespace {

// Directions 1 to 8 (index 0 unused). Direction k and k+4 are opposite: the score pairs
// them into the four lines through the move cell.
constexpr std::array<int16_t, 9> iStepRow = {0, 0, -1, -1, -1, 0, 1, 1, 1};
constexpr std::array<int16_t, 9> iStepCol = {0, 1, 1, 0, -1, -1, -1, 0, 1};

using LevelTable = std::array<std::array<int32_t, 4>, 4>;

// Indexed by (row level - 1, column level - 1); every table is symmetric.
constexpr LevelTable lCellValue = {{
    {999, -20, 15, 15},
    {-20, -333, -20, -20},
    {15, -20, 6, 0},
    {15, -20, 0, 0},
}};
constexpr LevelTable lOpenEndValue = {{
    {3, 3, 3, 3},
    {3, 1, 3, 3},
    {3, 3, 3, 3},
    {3, 3, 3, 3},
}};
constexpr LevelTable lEdgeEndValue = {};
constexpr LevelTable lBlockedEndValue = {{
    {0, -40, -30, -30},
    {-40, -9, -5, -5},
    {-30, -5, -3, -3},
    {-30, -5, -3, -3},
}};

constexpr bool IsSymmetric(const LevelTable& table) {
    for (std::size_t i = 0; i < 4; ++i) {
        for (std::size_t j = 0; j < 4; ++j) {
            if (table[i][j] != table[j][i]) return false;
        }
    }
    return true;
}
static_assert(IsSymmetric(lCellValue) && IsSymmetric(lOpenEndValue) &&
              IsSymmetric(lBlockedEndValue));
static_assert(iStepRow[1] == -iStepRow[5] && iStepCol[2] == -iStepCol[6] &&
              iStepRow[3] == -iStepRow[7] && iStepCol[4] == -iStepCol[8]);

}  // namespace

int16_t Game::EdgeLevel(int16_t x) const {
    if (x <= 4) return x;
    if (x < iBoardSize - 3) return 4;
    return static_cast<int16_t>(iBoardSize - x + 1);
}

Game::EndKind Game::EndOfRun(int16_t row, int16_t col, int16_t dr, int16_t dc, char own) const {
    // The border ring stops every walk, so no index is tested.
    while (sBoard(row, col) == own) {
        row = static_cast<int16_t>(row + dr);
        col = static_cast<int16_t>(col + dc);
    }
    const char end = sBoard(row, col);
    if (end == kEmpty) return EndKind::Open;
    if (end == kBorder) return EndKind::Edge;
    return EndKind::Blocked;
}

int32_t Game::EvaluateMove(int16_t row, int16_t col, bool play) {
    const char own = sSideLetter[bPlayerTurn];
    const char opp = sSideLetter[Not(bPlayerTurn)];

    // Cells off the board are refused rather than read past the border ring.
    const int16_t n = sBoard.Size();
    if (row < 1 || row > n || col < 1 || col > n) return kIllegalMove;
    if (sBoard(row, col) != kEmpty) return kIllegalMove;

    bool oppNear = false;
    for (int16_t dr = -1; dr <= 1 && !oppNear; ++dr) {
        for (int16_t dc = -1; dc <= 1; ++dc) {
            if (sBoard(static_cast<int16_t>(row + dr), static_cast<int16_t>(col + dc)) == opp) {
                oppNear = true;
                break;
            }
        }
    }
    if (!oppNear) return kIllegalMove;

    // Clamped so that a side changed without a new board cannot index past the tables.
    const auto rowLevel = static_cast<std::size_t>(std::clamp<int16_t>(EdgeLevel(row), 1, 4) - 1);
    const auto colLevel = static_cast<std::size_t>(std::clamp<int16_t>(EdgeLevel(col), 1, 4) - 1);
    int16_t flips = 0;
    for (std::size_t k = 1; k <= 8; ++k) {
        const int16_t dr = iStepRow[k];
        const int16_t dc = iStepCol[k];
        auto r = static_cast<int16_t>(row + dr);
        auto c = static_cast<int16_t>(col + dc);
        EndKind kind = EndKind::Blocked;
        const char first = sBoard(r, c);
        if (first == kEmpty) {
            kind = EndKind::Open;
        } else if (first == kBorder) {
            kind = EndKind::Edge;
        } else if (first == own) {
            kind = EndOfRun(r, c, dr, dc, own);
        } else if (first == opp) {
            int16_t run = 0;
            while (sBoard(r, c) == opp) {
                ++run;
                r = static_cast<int16_t>(r + dr);
                c = static_cast<int16_t>(c + dc);
            }
            if (sBoard(r, c) == own) {
                flips = static_cast<int16_t>(flips + run);
                kind = EndOfRun(r, c, dr, dc, own);
                if (play) {
                    // Near to far, so the window sees the discs turn in order.
                    for (int16_t i = 1; i <= run; ++i) {
                        const auto fr = static_cast<int16_t>(row + i * dr);
                        const auto fc = static_cast<int16_t>(col + i * dc);
                        sBoard(fr, fc) = own;
                        host_.DrawDisc(own, fr, fc);
                    }
                }
            }
        }
        const LevelTable& table = kind == EndKind::Open   ? lOpenEndValue
                                  : kind == EndKind::Edge ? lEdgeEndValue
                                                          : lBlockedEndValue;
        iLineValue[k] = static_cast<int16_t>(table[rowLevel][colLevel]);
    }

    if (flips == 0) {
        // Nothing was placed, so nothing is counted: a refused replay move must not add a
        // phantom disc, a move number or clear the pass count.
        return kIllegalMove;
    }
    if (play) {
        UpdateCounts(bPlayerTurn, flips);
        iPassCount = 0;
        ++iMoveNumber;
    }

    int32_t score = lCellValue[rowLevel][colLevel] + flips;
    for (std::size_t k = 1; k <= 4; ++k) {
        score += static_cast<int16_t>(iLineValue[k] * iLineValue[k + 4]);
    }
    return score;
}

bool Game::NoLegalMove() {
    // Every cell is evaluated, as the computer's scan does; test mode changes nothing.
    bool none = true;
    const int16_t n = sBoard.Size();
    for (int16_t row = 1; row <= n; ++row) {
        for (int16_t col = 1; col <= n; ++col) {
            if (EvaluateMove(row, col, false) > kIllegalMove) none = false;
        }
    }
    return none;
}

void Game::UpdateCounts(Side side, int16_t flips) {
    if (bReplayMode) return;
    SetDiscCount(side, static_cast<int16_t>(iDiscCount[side] + flips + 1));
    SetDiscCount(Not(side), static_cast<int16_t>(iDiscCount[Not(side)] - flips));
}

void Game::RecountDiscs() {
    BySide<int16_t> discs;
    for (int16_t row = 1; row <= iBoardSize; ++row) {
        for (int16_t col = 1; col <= iBoardSize; ++col) {
            for (Side side : {kPlayer, kComputer}) {
                if (sBoard(row, col) == sSideLetter[side]) ++discs[side];
            }
        }
    }
    SetDiscCount(kPlayer, discs[kPlayer]);
    SetDiscCount(kComputer, discs[kComputer]);
}

void Game::SetDiscCount(Side side, int16_t value) {
    iDiscCount[side] = value;
    iTotalDiscs = static_cast<int16_t>(iDiscCount[kTrue] + iDiscCount[kFalse]);
    host_.ShowScore(side, value);
}
