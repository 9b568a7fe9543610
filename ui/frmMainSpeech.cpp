// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader hears of the game beyond the focused control: after each move, the
// cell, the discs it turned, the scores and whose turn it is, in one utterance; and every
// notice of status line 0, worded exactly as the line shows it.
#include <utility>

#include "BoardAccessible.h"
#include "StatusLabel.h"
#include "StatusPanel.h"
#include "frmMain.h"

void frmMain::NoteMoveForSpeech(char letter, int16_t row, int16_t col) {
    // A played disc is drawn after the discs it turns and just before it is recorded; the
    // starting discs and replayed moves are no moves of this game.
    if (iEngineDepth_ > 0 && !game_.bReplayMode && iDiscsDrawn_ > 0) {
        spokenMove_ = SpokenMove{game_.bPlayerTurn, letter, row, col,
                                 static_cast<int16_t>(iDiscsDrawn_ - 1)};
    }
    iDiscsDrawn_ = 0;
}

// Called where the move's own steps are over: before the pause, a notice, a box, or at the
// end of the turn, so that the utterance comes before whatever follows it.
void frmMain::AnnounceMove() {
    if (!spokenMove_) return;
    const SpokenMove move = *std::exchange(spokenMove_, std::nullopt);
    QString text = QStringLiteral("%1：%2，翻转 %3 子。%4，%5。")
                       .arg(move.mover == kPlayer ? QStringLiteral("你") : QStringLiteral("计算机"),
                            CellSpeech(move.letter, move.row, move.col))
                       .arg(move.flips)
                       .arg(lblStatus[2]->StatusText(), lblStatus[3]->StatusText());
    if (!game_.bGameOver) {
        text += game_.bPlayerTurn == kTrue ? QStringLiteral("轮你走棋。")
                                           : QStringLiteral("轮计算机走棋。");
    }
    sSpokenLine0_ = lblStatus[0]->StatusText();
    Announce(text);
}

void frmMain::AnnounceLine0(const QString& text) {
    sSpokenLine0_ = text;
    Announce(text);
}

void frmMain::Announce(const QString& text) {
    // A window not yet on screen has nothing to tell.
    if (isVisible()) picStatus->Announce(text);
}
