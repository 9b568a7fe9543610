#include "Referee.h"

#include <sstream>

namespace {

constexpr int kSteps[8][2] = {{-1, -1}, {-1, 0}, {-1, 1}, {0, -1}, {0, 1}, {1, -1}, {1, 0}, {1, 1}};

}  // namespace

char Opponent(char letter) { return letter == 'B' ? 'W' : 'B'; }

std::optional<Position> Position::FromText(const std::string& text) {
    Position position;
    std::stringstream in(text);
    std::string row;
    while (std::getline(in, row, '/')) {
        if (row.find_first_not_of("BW.") != std::string::npos) return std::nullopt;
        position.rows_.push_back(row);
    }
    const auto n = position.rows_.size();
    if (n < 3) return std::nullopt;
    for (const std::string& r : position.rows_) {
        if (r.size() != n) return std::nullopt;
    }
    return position;
}

Position Position::Start(int size) {
    Position position;
    position.rows_.assign(static_cast<size_t>(size), std::string(static_cast<size_t>(size), '.'));
    const int m = size / 2;
    auto set = [&](int row, int col, char letter) {
        position.rows_[static_cast<size_t>(row - 1)][static_cast<size_t>(col - 1)] = letter;
    };
    set(m, m + 1, 'B');
    set(m, m, 'W');
    set(m + 1, m, 'B');
    set(m + 1, m + 1, 'W');
    return position;
}

std::string Position::Text() const {
    std::string text;
    for (const std::string& row : rows_) {
        if (!text.empty()) text += '/';
        text += row;
    }
    return text;
}

std::string Position::Grid() const {
    std::string text;
    for (const std::string& row : rows_) text += "  " + row + "\n";
    return text;
}

int Position::Count(char letter) const {
    int count = 0;
    for (const std::string& row : rows_) {
        for (char c : row) count += c == letter ? 1 : 0;
    }
    return count;
}

int Position::Flips(char mover, int row, int col) const {
    const int n = Size();
    if (row < 1 || col < 1 || row > n || col > n || At(row, col) != '.') return 0;
    const char other = Opponent(mover);
    int flips = 0;
    for (const auto& step : kSteps) {
        int r = row + step[0];
        int c = col + step[1];
        int run = 0;
        while (r >= 1 && c >= 1 && r <= n && c <= n && At(r, c) == other) {
            ++run;
            r += step[0];
            c += step[1];
        }
        if (run > 0 && r >= 1 && c >= 1 && r <= n && c <= n && At(r, c) == mover) flips += run;
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
    const int n = Size();
    const char other = Opponent(mover);
    auto cell = [&](int r, int c) -> char& {
        return next.rows_[static_cast<size_t>(r - 1)][static_cast<size_t>(c - 1)];
    };
    for (const auto& step : kSteps) {
        int r = row + step[0];
        int c = col + step[1];
        while (r >= 1 && c >= 1 && r <= n && c <= n && At(r, c) == other) {
            r += step[0];
            c += step[1];
        }
        if (r < 1 || c < 1 || r > n || c > n || At(r, c) != mover) continue;
        for (r -= step[0], c -= step[1]; r != row || c != col; r -= step[0], c -= step[1]) {
            cell(r, c) = mover;
        }
    }
    cell(row, col) = mover;
    return next;
}

std::optional<Move> ParseMoveToken(const std::string& token) {
    if (token.size() < 3 || (token[0] != 'B' && token[0] != 'W')) return std::nullopt;
    if (token[1] < 'A' || token[1] > 'Z') return std::nullopt;
    const std::string digits = token.substr(2);
    if (digits.size() > 2 || digits.find_first_not_of("0123456789") != std::string::npos ||
        digits[0] == '0')
        return std::nullopt;
    return Move{token[0], std::stoi(digits), token[1] - 'A' + 1};
}

std::string MoveToken(const Move& move) {
    return std::string(1, move.side) + static_cast<char>('A' + move.col - 1) +
           std::to_string(move.row);
}

std::optional<ReplayResult> ReplayRecord(const std::string& recordText) {
    std::stringstream in(recordText);
    std::string header;
    if (!(in >> header) || header.rfind("Size", 0) != 0 || header.size() < 5 ||
        header.find_first_not_of("0123456789", 4) != std::string::npos)
        return std::nullopt;
    const int size = std::stoi(header.substr(4));
    if (size < 3 || size > 26) return std::nullopt;

    ReplayResult result{Position::Start(size), 0, ""};
    std::string token;
    for (int index = 1; in >> token; ++index) {
        // Tokens 1 to 4 repeat the starting discs; the board holds at most n*n tokens.
        if (index <= 4) continue;
        if (index > size * size) break;
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
