// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// Demo mode: the computer plays both colours, one black and one white move per tick.
#include <QCoreApplication>
#include <QRadioButton>
#include <QTimer>

#include "frmMain.h"

void frmMain::mnuDemo_Click() {
    if (game_.bGameOver || optComputer->isChecked()) {
        return;
    }
    tmrDemo->start();
}

void frmMain::tmrDemo_Timer() {
    // A tick lasts over two seconds (two computer waits), four intervals of the timer: a tick
    // that falls due meanwhile, or while a move of the player's is under way, is skipped.
    if (bDemoTickRunning_ || iEngineDepth_ > 0) {
        return;
    }
    bDemoTickRunning_ = true;
    const int32_t serial = game_.lBoardSerial;
    // A new game or an opened record during a half-move stops the demo; the rest of the tick
    // must then leave the new board alone.
    auto interrupted = [&] { return game_.lBoardSerial != serial || !tmrDemo->isActive(); };

    auto halfMove = [&](char playerLetter, char computerLetter) {
        game_.bPlayerTurn = Not(game_.bPlayerTurn);
        const int16_t human = game_.iDiscCount[kPlayer];
        game_.SetDiscCount(kPlayer, game_.iDiscCount[kComputer]);
        game_.SetDiscCount(kComputer, human);
        game_.sSideLetter[kPlayer] = playerLetter;
        game_.sSideLetter[kComputer] = computerLetter;
        RunEngineTurn([this] { game_.ComputerMove(); });
        QCoreApplication::processEvents();
    };

    halfMove(kWhite, kBlack);  // the computer now holds black
    if (!interrupted()) {
        if (game_.bGameOver) {
            tmrDemo->stop();
        } else {
            halfMove(kBlack, kWhite);  // and now white
            if (!interrupted() && game_.bGameOver) {
                tmrDemo->stop();
            }
        }
    }
    bDemoTickRunning_ = false;
}
