#include "Referee.h"

#include <sstream>

std::optional<Position> Position::FromText(const std::string& text) {
    Position position;
    std::stringstream in(text);
    for (std::string row; std::getline(in, row, '/');) {
        if (row.find_first_not_of("BW.") != std::string::npos) return std::nullopt;
        position.rows_.push_back(row);
    }
    for (const std::string& row : position.rows_) {
        if (row.size() != position.rows_.size()) return std::nullopt;
    }
    if (position.Size() < 3) return std::nullopt;
    return position;
}

Position Position::Start(int size) {
    Position position;
    position.rows_.assign(size, std::string(size, '.'));
    const int m = size / 2;
    position.rows_[m - 1][m] = position.rows_[m][m - 1] = 'B';
    position.rows_[m - 1][m - 1] = position.rows_[m][m] = 'W';
    return position;
}

std::string Position::Text() const {
    std::string text;
    for (const std::string& row : rows_) text += (text.empty() ? "" : "/") + row;
    return text;
}

std::string Position::Grid() const {
    std::string text;
    for (const std::string& row : rows_) text += row + "\n";
    return text;
}

int Position::Count(char letter) const {
    int count = 0;
    for (const std::string& row : rows_) {
        for (char c : row) count += c == letter;
    }
    return count;
}

int Position::Run(char mover, int row, int col, int dr, int dc) const {
    const char other = mover == 'B' ? 'W' : 'B';
    int run = 0;
    for (row += dr, col += dc; Inside(row, col) && At(row, col) == other; row += dr, col += dc)
        ++run;
    return Inside(row, col) && At(row, col) == mover ? run : 0;
}

int Position::Flips(char mover, int row, int col) const {
    if (!Inside(row, col) || At(row, col) != '.') return 0;
    int flips = 0;
    for (int dr = -1; dr <= 1; ++dr) {
        for (int dc = -1; dc <= 1; ++dc) flips += (dr || dc) ? Run(mover, row, col, dr, dc) : 0;
    }
    return flips;
}

std::vector<std::pair<int, int>> Position::LegalMoves(char mover) const {
    std::vector<std::pair<int, int>> moves;
    for (int row = 1; row <= Size(); ++row) {
        for (int col = 1; col <= Size(); ++col) {
            if (Flips(mover, row, col) > 0) moves.emplace_back(row, col);
        }
    }
    return moves;
}

std::optional<Position> Position::Play(char mover, int row, int col) const {
    if (Flips(mover, row, col) == 0) return std::nullopt;
    Position next = *this;
    for (int dr = -1; dr <= 1; ++dr) {
        for (int dc = -1; dc <= 1; ++dc) {
            const int run = (dr || dc) ? Run(mover, row, col, dr, dc) : 0;
            for (int step = 1; step <= run; ++step)
                next.rows_[row - 1 + step * dr][col - 1 + step * dc] = mover;
        }
    }
    next.rows_[row - 1][col - 1] = mover;
    return next;
}

std::optional<Move> ParseMoveToken(const std::string& token) {
    if (token.size() < 3 || token.size() > 4 || (token[0] != 'B' && token[0] != 'W') ||
        token[1] < 'A' || token[1] > 'Z' || token[2] == '0' ||
        token.find_first_not_of("0123456789", 2) != std::string::npos)
        return std::nullopt;
    return Move{token[0], std::stoi(token.substr(2)), token[1] - 'A' + 1};
}

std::string MoveToken(const Move& move) {
    return std::string{move.side, static_cast<char>('A' + move.col - 1)} +
           std::to_string(move.row);
}

std::optional<ReplayResult> ReplayRecord(const std::string& recordText) {
    std::stringstream in(recordText);
    std::string header;
    if (!(in >> header) || !header.starts_with("Size") || header.size() < 5 ||
        header.size() > 6 || header.find_first_not_of("0123456789", 4) != std::string::npos)
        return std::nullopt;
    const int size = std::stoi(header.substr(4));
    if (size < 3 || size > 26) return std::nullopt;

    ReplayResult result{Position::Start(size), 0, ""};
    std::string token;
    for (int skipped = 0; skipped < 4; ++skipped) in >> token;
    for (int index = 5; index <= size * size && in >> token; ++index) {
        const std::optional<Move> move = ParseMoveToken(token);
        const std::optional<Position> next =
            move ? result.position.Play(move->side, move->row, move->col) : std::nullopt;
        if (!next) {
            result.error = "token " + std::to_string(index) + " (" + token + ") cannot be played";
            break;
        }
        result.position = *next;
        ++result.moves;
    }
    return result;
}
