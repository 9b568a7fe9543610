// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Referee.h"

#include <algorithm>
#include <sstream>

Position::Position(int size) : rows_(size, std::string(size, '.')) {
    const int m = size / 2;
    rows_[m - 1][m] = rows_[m][m - 1] = 'B';
    rows_[m - 1][m - 1] = rows_[m][m] = 'W';
}

std::string Position::Grid() const {
    std::string text;
    for (const std::string& row : rows_) text += row + "\n";
    return text;
}

std::string Position::Text() const {
    std::string text = Grid();
    text.pop_back();
    std::ranges::replace(text, '\n', '/');
    return text;
}

bool Position::Play(char mover, int row, int col) {
    const auto at = [&](int r, int c) {
        return r >= 1 && c >= 1 && r <= Size() && c <= Size() ? rows_[r - 1][c - 1] : '#';
    };
    if (at(row, col) != '.') return false;
    bool turned = false;
    for (int dr = -1; dr <= 1; ++dr) {
        for (int dc = -1; dc <= 1; ++dc) {
            int run = 1;
            while ((dr || dc) && at(row + run * dr, col + run * dc) == (mover == 'B' ? 'W' : 'B'))
                ++run;
            if (run == 1 || at(row + run * dr, col + run * dc) != mover) continue;
            while (--run > 0) rows_[row - 1 + run * dr][col - 1 + run * dc] = mover;
            turned = true;
        }
    }
    if (turned) rows_[row - 1][col - 1] = mover;
    return turned;
}

std::optional<Move> ParseMoveToken(const std::string& token) {
    if (token.size() < 3 || token.size() > 4 || (token[0] != 'B' && token[0] != 'W') ||
        token[1] < 'A' || token[1] > 'Z' || token[2] == '0' ||
        token.find_first_not_of("0123456789", 2) != std::string::npos)
        return std::nullopt;
    return Move{token[0], std::stoi(token.substr(2)), token[1] - 'A' + 1};
}

std::optional<ReplayResult> ReplayRecord(const std::string& recordText) {
    std::stringstream in(recordText);
    std::string header;
    if (!(in >> header) || !header.starts_with("Size") || header.size() < 5 || header.size() > 6 ||
        header.find_first_not_of("0123456789", 4) != std::string::npos)
        return std::nullopt;
    const int size = std::stoi(header.substr(4));
    if (size < 3 || size > 26) return std::nullopt;

    ReplayResult result{Position(size), 0, ""};
    std::string token;
    for (int skipped = 0; skipped < 4; ++skipped) in >> token;
    for (int index = 5; index <= size * size && in >> token; ++index, ++result.moves) {
        const std::optional<Move> move = ParseMoveToken(token);
        if (!move || !result.position.Play(move->side, move->row, move->col)) {
            result.error = "token " + std::to_string(index) + " (" + token + ") cannot be played";
            break;
        }
    }
    return result;
}
