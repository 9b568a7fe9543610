// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <string>

#include "Game.h"

std::string TurnHintText(const Game& game) {
    if (game.bPlayerTurn == kTrue) return "提示：轮你走棋，你执" + game.sSideColour[kPlayer];
    return "提示：轮计算机走棋，计算机执" + game.sSideColour[kComputer];
}

std::string MoveNumberText(int16_t moveNumber) { return "轮次：" + std::to_string(moveNumber); }

std::string ScoreText(Side side, int16_t value) {
    return (side == kTrue ? "玩家得分：" : "计算机得分：") + std::to_string(value);
}
