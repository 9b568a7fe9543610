// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Move tokens ("BE4", "WZ26") and the header token ("Size8") of the record text.
std::string MoveToken(char letter, int16_t row, int16_t col);
std::string HeaderToken(int16_t boardSize);
// The record text with one more token and its trailing space.
std::string AppendMove(const std::string& record, char letter, int16_t row, int16_t col);

// Spaces (code 32 only) removed from both ends.
std::string TrimSpaces(std::string_view text);
// Cut at every single space after trimming; two spaces give an empty token; "" gives none.
std::vector<std::string> SplitRecord(std::string_view text);

// The board side of a valid header token, or nothing.
std::optional<int16_t> ParseHeaderToken(std::string_view token);
bool IsValidMoveToken(std::string_view token);

struct RecordedMove {
    char side;    // 'B' or 'W'
    int16_t row;  // 1 to 26
    int16_t col;  // 1 to 26
};
// Only for tokens that passed IsValidMoveToken.
RecordedMove DecodeMoveToken(std::string_view token);
