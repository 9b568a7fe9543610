// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <cstdint>
#include <optional>

// The side length typed into the board-size box: a number as a person would write it
// (blanks around it, a sign, a decimal point, an exponent), rounded half to even and
// clamped to the sides the game supports. Nothing for anything else, an empty entry included.
std::optional<int16_t> ParseBoardSizeEntry(const QString& entry);
