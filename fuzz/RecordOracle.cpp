#include "RecordOracle.h"

#include <cstdio>
#include <cstdlib>

#include "Notation.h"

void FuzzFail(std::string_view what, const Game& game, std::string_view record) {
    std::fprintf(stderr, "\n*** record fuzz invariant broken: %.*s\n",
                 static_cast<int>(what.size()), what.data());
    std::fprintf(stderr, "iBoardSize %d, board:\n%s\n", game.iBoardSize,
                 game.sBoard.ToString().c_str());
    std::fprintf(stderr, "record text: [%.*s]\n", static_cast<int>(record.size()), record.data());
    std::abort();
}

ReferenceBoard::ReferenceBoard(int size)
    : size_(size), cells_(static_cast<std::size_t>(size * size), kEmpty) {}

int ReferenceBoard::Bracketed(char side, int row, int col, int dr, int dc) const {
    const char opp = side == kBlack ? kWhite : kBlack;
    int run = 0;
    int r = row + dr;
    int c = col + dc;
    while (OnBoard(r, c) && At(r, c) == opp) {
        r += dr;
        c += dc;
        ++run;
    }
    return OnBoard(r, c) && At(r, c) == side ? run : 0;
}

bool ReferenceBoard::IsLegal(char side, int row, int col) const {
    if (!OnBoard(row, col) || At(row, col) != kEmpty) return false;
    for (int dr = -1; dr <= 1; ++dr) {
        for (int dc = -1; dc <= 1; ++dc) {
            if ((dr != 0 || dc != 0) && Bracketed(side, row, col, dr, dc) > 0) return true;
        }
    }
    return false;
}

bool ReferenceBoard::Play(char side, int row, int col) {
    if (!IsLegal(side, row, col)) return false;
    for (int dr = -1; dr <= 1; ++dr) {
        for (int dc = -1; dc <= 1; ++dc) {
            if (dr == 0 && dc == 0) continue;
            // The eight rays from one cell share no cell, so turning one leaves the others.
            const int run = Bracketed(side, row, col, dr, dc);
            for (int i = 1; i <= run; ++i) Put(side, row + i * dr, col + i * dc);
        }
    }
    Put(side, row, col);
    return true;
}

StartingDisc StartingDiscFor(int16_t boardSize, int index) {
    const int m = boardSize / 2;
    const StartingDisc discs[] = {
        {kBlack, m, m + 1}, {kWhite, m, m}, {kBlack, m + 1, m}, {kWhite, m + 1, m + 1}};
    return discs[index - 1];
}

namespace {

void CheckBorder(const Game& game, const std::string& record) {
    const int16_t n = game.iBoardSize;
    if (n < kMinBoardSize || n > kMaxBoardSize) FuzzFail("iBoardSize out of range", game, record);
    if (game.sBoard.Size() != n) FuzzFail("sBoard is not iBoardSize wide", game, record);
    const auto edge = static_cast<int16_t>(n + 1);
    for (int16_t i = 0; i <= edge; ++i) {
        if (game.sBoard(0, i) != kBorder || game.sBoard(edge, i) != kBorder ||
            game.sBoard(i, 0) != kBorder || game.sBoard(i, edge) != kBorder) {
            FuzzFail("border cell is not X", game, record);
        }
    }
}

}  // namespace

void RecordChecker::Check(const Game& game, const std::string& record) {
    CheckBorder(game, record);
    if (consumed_.empty() || record.compare(0, consumed_.size(), consumed_) != 0) {
        // The record text was replaced, not appended to: follow it from its start.
        consumed_.clear();
        board_ = ReferenceBoard(game.iBoardSize);
        tokens_ = 0;
    }
    std::size_t start = consumed_.size();
    while (start < record.size()) {
        const std::size_t space = record.find(' ', start);
        if (space == std::string::npos) {
            FuzzFail("record text does not end with a space", game, record);
        }
        ReadToken(game, record, std::string_view(record).substr(start, space - start));
        start = space + 1;
    }
    consumed_ = record;
    if (tokens_ < 5) FuzzFail("record text lacks the header or a set-up token", game, record);

    // The reference board holds only ".", "B" and "W", so equal cells are valid cells.
    const int16_t n = game.iBoardSize;
    for (int16_t row = 1; row <= n; ++row) {
        for (int16_t col = 1; col <= n; ++col) {
            const char cell = game.sBoard(row, col);
            if (cell == board_.At(row, col)) continue;
            const bool letter = cell == kEmpty || cell == kBlack || cell == kWhite;
            FuzzFail(
                letter ? "replaying the record text does not give sBoard" : "cell is not . B or W",
                game, record);
        }
    }
}

void RecordChecker::ReadToken(const Game& game, const std::string& record, std::string_view token) {
    const int16_t n = game.iBoardSize;
    const int index = tokens_++;
    if (index == 0) {
        if (token != HeaderToken(n) || ParseHeaderToken(token) != n) {
            FuzzFail("record text does not start with the header of iBoardSize", game, record);
        }
        return;
    }
    if (!IsValidMoveToken(token)) FuzzFail("record text holds an invalid token", game, record);
    const RecordedMove move = DecodeMoveToken(token);
    if (MoveToken(move.side, move.row, move.col) != token) {
        FuzzFail("a token does not decode to itself", game, record);
    }
    if (index <= 4) {
        const StartingDisc disc = StartingDiscFor(n, index);
        if (move.side != disc.letter || move.row != disc.row || move.col != disc.col) {
            FuzzFail("a set-up token is not the starting disc", game, record);
        }
        board_.Put(disc.letter, disc.row, disc.col);
        return;
    }
    if (index > n * n) FuzzFail("record text holds more discs than cells", game, record);
    if (!board_.Play(move.side, move.row, move.col)) {
        FuzzFail("record text holds a move the rules refuse", game, record);
    }
}
