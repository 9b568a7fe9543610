// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Notation.h"

namespace {

constexpr std::string_view kHeaderWord = "Size";
constexpr int16_t kMinHeaderSide = 3;
constexpr int16_t kMaxNotationSide = 26;  // columns A to Z

// The numeric forms a record may use: an optional '+', decimal digits, an optional
// trailing '.'. Nothing else (no blanks, exponents or hex) so every accepted text has an
// obvious whole value. The callers bound the length, so the value cannot overflow.
std::optional<int16_t> ReadWholeNumber(std::string_view text) {
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (!text.empty() && text.back() == '.') text.remove_suffix(1);
    if (text.empty() || text.size() > 4) return std::nullopt;
    int16_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = static_cast<int16_t>(value * 10 + (c - '0'));
    }
    return value;
}

}  // namespace

std::string MoveToken(char letter, int16_t row, int16_t col) {
    std::string token(1, letter);
    token += static_cast<char>(64 + col);
    token += std::to_string(row);
    return token;
}

std::string HeaderToken(int16_t boardSize) {
    return std::string(kHeaderWord) + std::to_string(boardSize);
}

std::string AppendMove(const std::string& record, char letter, int16_t row, int16_t col) {
    return record + MoveToken(letter, row, col) + ' ';
}

std::string TrimSpaces(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

std::vector<std::string> SplitRecord(std::string_view text) {
    const std::string trimmed = TrimSpaces(text);
    std::vector<std::string> tokens;
    if (trimmed.empty()) return tokens;
    std::size_t start = 0;
    while (true) {
        const auto space = trimmed.find(' ', start);
        if (space == std::string::npos) {
            tokens.push_back(trimmed.substr(start));
            return tokens;
        }
        tokens.push_back(trimmed.substr(start, space - start));
        start = space + 1;
    }
}

std::optional<int16_t> ParseHeaderToken(std::string_view token) {
    if (token.size() < 4 || token.size() > 6) return std::nullopt;
    if (token.substr(0, kHeaderWord.size()) != kHeaderWord) return std::nullopt;
    const auto side = ReadWholeNumber(token.substr(kHeaderWord.size()));
    if (!side || *side < kMinHeaderSide || *side > kMaxNotationSide) return std::nullopt;
    return side;
}

bool IsValidMoveToken(std::string_view token) {
    if (token.size() < 3 || token.size() > 4) return false;
    if (token[0] != 'B' && token[0] != 'W') return false;
    if (token[1] < 'A' || token[1] > 'Z') return false;
    const auto row = ReadWholeNumber(token.substr(2));
    return row && *row >= 1 && *row <= kMaxNotationSide;
}

RecordedMove DecodeMoveToken(std::string_view token) {
    return RecordedMove{token[0], ReadWholeNumber(token.substr(2)).value_or(0),
                        static_cast<int16_t>(token[1] - 64)};
}
