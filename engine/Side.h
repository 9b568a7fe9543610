// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>

// A side is a 16-bit Boolean: True (-1) is the human player, False (0) the computer.
// The other side is the bitwise NOT, so -1 and 0 map onto each other.
using Side = int16_t;
inline constexpr Side kTrue = -1;
inline constexpr Side kFalse = 0;
inline constexpr Side kPlayer = kTrue;
inline constexpr Side kComputer = kFalse;

constexpr Side Not(Side side) { return static_cast<Side>(~side); }

// An array indexed by side (-1 To 0): the player's entry comes first.
template <class T>
class BySide {
public:
    constexpr T& operator[](Side side) { return values_[Index(side)]; }
    constexpr const T& operator[](Side side) const { return values_[Index(side)]; }

private:
    static constexpr std::size_t Index(Side side) { return side == kTrue ? 0 : 1; }
    std::array<T, 2> values_{};
};
