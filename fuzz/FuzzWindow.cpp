#include "FuzzWindow.h"

#include "Notation.h"
#include "RecordOracle.h"

void FuzzWindow::CheckCell(const char* what, int16_t row, int16_t col) const {
    const int16_t n = game_->iBoardSize;
    if (row < 1 || row > n || col < 1 || col > n) FuzzFail(what, *game_, recordText);
}

void FuzzWindow::DrawDisc(char letter, int16_t row, int16_t col) {
    CheckCell("DrawDisc off the board", row, col);
    if (letter != kBlack && letter != kWhite) FuzzFail("DrawDisc of no colour", *game_, recordText);
    ++events.draws;
}

void FuzzWindow::MarkLastMove(int16_t row, int16_t col) {
    CheckCell("MarkLastMove off the board", row, col);
    ++events.marks;
}

void FuzzWindow::RecordMove(char letter, int16_t row, int16_t col) {
    CheckCell("RecordMove off the board", row, col);
    events.lastToken = MoveToken(letter, row, col);
    recordText = AppendMove(recordText, letter, row, col);
    ++events.records;
}

void FuzzWindow::ShowMessage(const std::string& text) {
    ++events.messages;
    events.lastMessage = text;
    events.timerOnAtMessage = timerEnabled;
}

void FuzzWindow::InitializeBoard(int16_t boardSize) {
    if (boardSize != game_->iBoardSize) {
        FuzzFail("InitializeBoard asked for a side other than iBoardSize", *game_, recordText);
    }
    game_->CreateBoard();
    recordText = HeaderToken(game_->iBoardSize) + " ";
    game_->PlaceStartingDiscs();
    game_->SetDiscCount(kPlayer, 2);
    game_->SetDiscCount(kComputer, 2);
    game_->ResetTurnCounters();
    ++initializations;
}
