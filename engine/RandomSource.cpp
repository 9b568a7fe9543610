// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RandomSource.h"

#include <chrono>

ClockSeededRandom::ClockSeededRandom() {
    const auto ticks =
        static_cast<uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
    std::seed_seq seed{static_cast<uint32_t>(ticks), static_cast<uint32_t>(ticks >> 32)};
    engine_.seed(seed);
}

float ClockSeededRandom::Next() {
    // 24 bits fill a float's mantissa exactly, so the value is uniform and never 1.0.
    return static_cast<float>(engine_() >> 8) * 0x1p-24f;
}
