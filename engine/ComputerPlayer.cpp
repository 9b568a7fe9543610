// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <algorithm>
#include <cmath>

#include "Game.h"

void Game::ComputerMove() {
    // The wait comes first, always; everything after it re-reads the flags because any
    // handler (a new game, an opened record, the end of the game) may have run inside it.
    host_.WaitMilliseconds(1000);
    if (bGameOver || bPlayerTurn != kFalse || bReplayMode) return;

    int16_t bestRow = 0;
    int16_t bestCol = 0;
    if (!ChooseComputerCell(bestRow, bestCol)) {
        PassComputer();
        return;
    }
    PlayMove(kComputer, bestRow, bestCol);
}

bool Game::ChooseComputerCell(int16_t& bestRow, int16_t& bestCol) {
    int32_t best = kIllegalMove;
    bool found = false;
    const int16_t n = sBoard.Size();
    for (int16_t row = 1; row <= n; ++row) {
        for (int16_t col = 1; col <= n; ++col) {
            if (sBoard(row, col) != kEmpty) continue;
            int32_t score = EvaluateMove(row, col, false);
            if (score <= kIllegalMove) continue;

            // Both numbers are drawn for every legal cell, so a seeded game replays exactly.
            const float r1 = random_->Next();
            const float r2 = random_->Next();
            if (iSkill > 0 && r1 > 0.0f) {
                // In double the product is exact; the clamp keeps the bonus below iSkill
                // even for a source that strays to 1.0.
                const auto bonus =
                    static_cast<int32_t>(std::floor(static_cast<double>(r1) * iSkill));
                score += std::clamp<int32_t>(bonus, 0, iSkill - 1);
            }
            const bool heads = r2 > 0.5f;
            if (score > best || (score == best && heads)) {
                best = score;
                bestRow = row;
                bestCol = col;
                found = true;
            }
        }
    }
    return found;
}

void Game::ReadSkill(const std::array<bool, kSkillLevels>& checked) {
    for (int16_t index = 0; index < kSkillLevels; ++index) {
        if (checked[static_cast<std::size_t>(index)]) iSkill = static_cast<int16_t>(index * 100);
    }
}

void Game::SetRandomSource(std::unique_ptr<RandomSource> random) {
    random_ = random ? std::move(random) : std::make_unique<ClockSeededRandom>();
}
