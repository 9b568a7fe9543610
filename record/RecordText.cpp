// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RecordText.h"

#include "Notation.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

}  // namespace

std::string ReadRecordItems(std::string_view bytes) {
    std::string items;
    std::size_t pos = 0;
    const std::size_t end = bytes.size();
    while (true) {
        while (pos < end && (IsBlank(bytes[pos]) || IsLineEnd(bytes[pos]))) ++pos;
        if (pos == end) break;
        if (bytes[pos] == '"') {
            // An unclosed quote runs to the end of the file rather than losing the item.
            const std::size_t close = bytes.find('"', pos + 1);
            const std::size_t stop = close == std::string_view::npos ? end : close;
            items.append(bytes.substr(pos + 1, stop - pos - 1));
            pos = stop == end ? end : stop + 1;
            continue;
        }
        std::size_t stop = pos;
        while (stop < end && bytes[stop] != ',' && !IsLineEnd(bytes[stop])) ++stop;
        items.append(bytes.substr(pos, stop - pos));
        // The comma or the first character of the line end goes; a following LF of a CR LF
        // is skipped as a leading line end of the next item.
        pos = stop == end ? end : stop + 1;
    }
    return items;
}

ParsedRecord ParseRecordText(std::string_view items) {
    ParsedRecord record;
    record.text = TrimSpaces(items);
    record.tokens = SplitRecord(record.text);
    if (record.tokens.empty()) return record;
    const auto side = ParseHeaderToken(record.tokens.front());
    if (!side) return record;
    for (std::size_t i = 1; i < record.tokens.size(); ++i) {
        if (!IsValidMoveToken(record.tokens[i])) return record;
    }
    record.valid = true;
    record.boardSize = *side;
    return record;
}

std::string InvalidRecordDisplay(const std::string& text) { return text + "\r\n(Invalid)"; }
