// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BoardSizeEntry.h"

#include <QRegularExpression>
#include <cmath>

#include "Game.h"

std::optional<int16_t> ParseBoardSizeEntry(const QString& entry) {
    static const QRegularExpression kNumber(
        R"(^\s*[+-]?([0-9]+\.?[0-9]*|\.[0-9]+)([eE][+-]?[0-9]+)?\s*$)");
    if (!kNumber.match(entry).hasMatch()) {
        return std::nullopt;
    }
    // QString reads numbers in the C locale: strtod would follow the user's locale, which
    // QApplication has set, and stop at the '.' where a comma is the decimal separator.
    // Huge exponents give infinity, which is simply larger than any side.
    const double value = entry.trimmed().toDouble();
    const double rounded = std::nearbyint(value);  // the default mode rounds halves to even
    if (!(rounded > kMinBoardSize)) {
        return kMinBoardSize;
    }
    if (rounded > kMaxBoardSize) {
        return kMaxBoardSize;
    }
    return static_cast<int16_t>(rounded);
}
