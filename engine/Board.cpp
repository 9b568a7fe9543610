// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <algorithm>

#include "Game.h"

void BoardGrid::Create(int16_t size) {
    size_ = size;
    const auto side = static_cast<std::size_t>(size + 2);
    cells_.assign(side * side, kBorder);
    for (int16_t row = 1; row <= size; ++row) {
        for (int16_t col = 1; col <= size; ++col) {
            (*this)(row, col) = kEmpty;
        }
    }
}

std::string BoardGrid::ToString() const {
    std::string text;
    text.reserve(static_cast<std::size_t>(size_) * static_cast<std::size_t>(size_ + 1));
    for (int16_t row = 1; row <= size_; ++row) {
        if (row > 1) text += '\n';
        for (int16_t col = 1; col <= size_; ++col) text += (*this)(row, col);
    }
    return text;
}

Game::Game(GameHost& host) : host_(host), random_(std::make_unique<ClockSeededRandom>()) {
    // Usable before the first set-up: an empty board and the colours of a player-first game.
    sBoard.Create(iBoardSize);
    sSideLetter[kPlayer] = kBlack;
    sSideLetter[kComputer] = kWhite;
    sSideColour[kPlayer] = "黑棋";
    sSideColour[kComputer] = "白棋";
}

void Game::CreateBoard() {
    // A side outside the range would put the starting discs on the border ring (or the
    // record could not describe the board), so it is brought into range here as well.
    iBoardSize = std::clamp(iBoardSize, kMinBoardSize, kMaxBoardSize);
    const int16_t n = iBoardSize;
    iBoardMid = static_cast<int16_t>(n / 2);
    iOuterIndex = static_cast<int16_t>(n + 1);
    iCellCount = static_cast<int16_t>(n * n);
    sBoard.Create(n);
    ++lBoardSerial;
}

void Game::PlaceStartingDiscs() {
    const int16_t m = iBoardMid;
    const auto m1 = static_cast<int16_t>(m + 1);
    // Fixed letters, whichever side holds which colour; the order is that of the record.
    const struct {
        int16_t row, col;
        char letter;
    } discs[] = {{m, m1, kBlack}, {m, m, kWhite}, {m1, m, kBlack}, {m1, m1, kWhite}};
    for (const auto& disc : discs) {
        sBoard(disc.row, disc.col) = disc.letter;
        host_.RecordMove(disc.letter, disc.row, disc.col);
        host_.MarkLastMove(disc.row, disc.col);
    }
}

void Game::ResetTurnCounters() {
    iPassCount = 0;
    iMoveNumber = 0;
    bGameOver = false;
}

void Game::SetupBoard() {
    CreateBoard();
    PlaceStartingDiscs();
    SetDiscCount(kTrue, 2);
    SetDiscCount(kFalse, 2);
    ResetTurnCounters();
}
