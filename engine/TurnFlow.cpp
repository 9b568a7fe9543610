// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <string>

#include "Game.h"

namespace {

constexpr const char* kHintPrefix = "提示：";

}  // namespace

void Game::AssignColours(Side first) {
    GiveColours(first);
    bPlayerTurn = first == kTrue ? kTrue : kFalse;
    host_.RefreshStatus();
}

void Game::GiveColours(Side first) {
    // Black always opens, so the side that moves first takes black.
    const bool playerFirst = first == kTrue;
    sSideLetter[kPlayer] = playerFirst ? kBlack : kWhite;
    sSideLetter[kComputer] = playerFirst ? kWhite : kBlack;
    sSideColour[kPlayer] = playerFirst ? "黑棋" : "白棋";
    sSideColour[kComputer] = playerFirst ? "白棋" : "黑棋";
}

void Game::PlayerMove(int16_t row, int16_t col) {
    // Clicks during the computer's wait, after the end, or on a replayed board are dropped.
    if (bGameOver || bPlayerTurn != kTrue || bReplayMode) return;

    if (NoLegalMove()) {
        // Any click becomes the pass when the player has nowhere to go.
        if (Pass(kPlayer, "玩家被罚步一次", "你被罚步一次")) ComputerMove();
        return;
    }

    if (EvaluateMove(row, col, false) == kIllegalMove) {
        host_.SetStatusLine0(std::string(kHintPrefix) + "所选方格不能落子");
        return;
    }
    PlayMove(kPlayer, row, col);
    if (bGameOver) return;

    if (NoLegalMove()) {
        PassComputer();
        return;
    }
    ComputerMove();
}

void Game::PassComputer() { Pass(kComputer, "计算机被罚步一次", "计算机被罚步一次"); }

bool Game::Pass(Side passer, const char* notice, const char* message) {
    host_.SetStatusLine0(std::string(kHintPrefix) + notice);
    const int32_t serial = lBoardSerial;
    host_.ShowMessage(message);
    // The box pumps events: a game started meanwhile must not inherit this pass.
    if (lBoardSerial != serial) return false;
    ++iPassCount;
    bPlayerTurn = Not(passer);
    host_.RefreshStatus();
    CheckGameOver();
    return true;
}

void Game::PlayMove(Side side, int16_t row, int16_t col) {
    EvaluateMove(row, col, true);
    // The letter is read now: demo mode and replay rewrite the letters between moves.
    const char letter = sSideLetter[side];
    sBoard(row, col) = letter;
    host_.DrawDisc(letter, row, col);
    host_.RecordMove(letter, row, col);
    host_.MarkLastMove(row, col);
    bPlayerTurn = Not(side);
    host_.RefreshStatus();
    CheckGameOver();
}

void Game::CheckGameOver() {
    if (bGameOver) return;

    // Later conditions overwrite earlier ones, so the last that holds is the one shown.
    const char* reason = nullptr;
    if (iPassCount > 1) reason = "双方罚步，";
    if (iTotalDiscs == iCellCount) reason = "棋盘已满，";
    if (iDiscCount[kPlayer] == 0 || iDiscCount[kComputer] == 0) reason = "子被吃尽，";
    if (reason == nullptr) return;

    bGameOver = true;
    const char* verdict = iDiscCount[kPlayer] > iDiscCount[kComputer]   ? "你赢了"
                          : iDiscCount[kComputer] > iDiscCount[kPlayer] ? "计算机赢了"
                                                                        : "平局";
    host_.RefreshStatus();
    host_.SetStatusLine0(std::string(kHintPrefix) + reason + verdict);
}
