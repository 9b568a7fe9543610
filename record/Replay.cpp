// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Replay.h"

#include <algorithm>
#include <utility>

#include "Notation.h"

namespace {

// Tokens 1 to 4 record the starting discs, which the board set-up has already placed.
constexpr std::size_t kFirstMoveToken = 5;

const char* const kRecordError = "棋谱此处有误！";
const char* const kBlackName = "黑棋";
const char* const kWhiteName = "白棋";

}  // namespace

Replay::Replay(Game& game, GameHost& gameHost, ReplayHost& host)
    : game_(game), gameHost_(gameHost), host_(host) {}

void Replay::Load(std::vector<std::string> tokens) {
    sRecordTokens = std::move(tokens);
    iReplayPos = 0;
    loaded_ = true;
    game_.bReplayMode = true;
}

void Replay::Discard() {
    loaded_ = false;
    sRecordTokens.clear();
    iReplayPos = 0;
    game_.bReplayMode = false;
    host_.SetPlayTimerEnabled(false);
    for (ReplayButton button :
         {ReplayButton::Top, ReplayButton::StepPlay, ReplayButton::AutoPlay, ReplayButton::Bottom})
        host_.SetReplayButtonEnabled(button, false);
}

void Replay::ContinueAsGame(Side first) {
    const bool replaying = game_.bReplayMode;
    Discard();
    if (!replaying) return;
    // Replay held the counts at the set-up's 2 and 2, gave the letters to the last recorded
    // mover and left line 0 on the replay notice; a game on this board needs them all true.
    game_.GiveColours(first);
    game_.RecountDiscs();
    game_.bPlayerTurn = kTrue;
    gameHost_.RefreshStatus();
    // A board replayed to its end is a finished game.
    game_.CheckGameOver();
}

bool Replay::IsReplaying() const { return loaded_ && game_.bReplayMode; }

void Replay::Step() {
    if (!IsReplaying()) return;
    const std::size_t lastIndex = sRecordTokens.empty() ? 0 : sRecordTokens.size() - 1;
    const std::size_t cellCount =
        static_cast<std::size_t>(game_.iBoardSize) * static_cast<std::size_t>(game_.iBoardSize);
    // Tokens beyond the last cell can never be legal moves. Once past the end the position
    // stays put, so repeated steps there cannot overflow it.
    const std::size_t endIndex = std::min(lastIndex, cellCount);
    const std::size_t current = static_cast<std::size_t>(std::max<int16_t>(iReplayPos, 0));
    if (current > endIndex) {
        host_.SetPlayTimerEnabled(false);
        return;
    }
    std::size_t next = std::max(current + 1, kFirstMoveToken);
    if (next > endIndex) {
        iReplayPos = static_cast<int16_t>(std::min(next, endIndex + 1));
        host_.SetPlayTimerEnabled(false);
        return;
    }
    iReplayPos = static_cast<int16_t>(next);
    const std::string& token = sRecordTokens[next];
    if (!IsValidMoveToken(token)) {
        ReportRecordError();
        return;
    }
    const RecordedMove move = DecodeMoveToken(token);
    PlayRecordedMove(move.side, move.row, move.col);
}

void Replay::PlayRecordedMove(char side, int16_t row, int16_t col) {
    if (side != kBlack && side != kWhite) {
        ReportRecordError();
        return;
    }
    const bool black = side == kBlack;
    // Replay never asks whose turn it was: the token's side moves, through the player's slot.
    game_.sSideLetter[kTrue] = side;
    game_.sSideLetter[kFalse] = black ? kWhite : kBlack;
    game_.sSideColour[kTrue] = black ? kWhiteName : kBlackName;
    game_.sSideColour[kFalse] = black ? kBlackName : kWhiteName;
    game_.bPlayerTurn = kTrue;

    const int16_t n = game_.iBoardSize;
    if (row < 1 || row > n || col < 1 || col > n ||
        game_.EvaluateMove(row, col, true) == kIllegalMove) {
        ReportRecordError();
        return;
    }
    game_.sBoard(row, col) = side;
    gameHost_.DrawDisc(side, row, col);
    gameHost_.RecordMove(side, row, col);
    gameHost_.MarkLastMove(row, col);
}

void Replay::ReportRecordError() {
    // The message box pumps events: no tick may play on while it is open.
    host_.SetPlayTimerEnabled(false);
    gameHost_.ShowMessage(kRecordError);
    host_.SetReplayButtonEnabled(ReplayButton::Top, true);
    host_.SetReplayButtonEnabled(ReplayButton::StepPlay, false);
    host_.SetReplayButtonEnabled(ReplayButton::AutoPlay, false);
    host_.SetReplayButtonEnabled(ReplayButton::Bottom, false);
    host_.SetReplayButtonEnabled(ReplayButton::Stop, true);
}

void Replay::BackToStart() {
    if (!IsReplaying()) return;
    host_.SetReplayButtonEnabled(ReplayButton::StepPlay, true);
    host_.SetReplayButtonEnabled(ReplayButton::AutoPlay, true);
    host_.SetReplayButtonEnabled(ReplayButton::Bottom, true);
    host_.SetPlayTimerEnabled(false);
    host_.InitializeBoard(game_.iBoardSize);
    iReplayPos = 0;
}
