// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// A record file's bytes read item by item: blanks and line ends before an item skipped,
// quoted items run to the closing quote, others to the next comma or line end.
// The items are joined with nothing between them.
std::string ReadRecordItems(std::string_view bytes);

// What opening a record makes of the items read from its file.
struct ParsedRecord {
    std::string text;                 // the items, trimmed of spaces
    std::vector<std::string> tokens;  // text split at single spaces; [0] is the header
    bool valid = false;
    int16_t boardSize = 0;  // the header's side when valid
};
ParsedRecord ParseRecordText(std::string_view items);

// The record box after an invalid open: the text, a line break, then "(Invalid)".
std::string InvalidRecordDisplay(const std::string& text);
