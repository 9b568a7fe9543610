// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <memory>
#include <random>

// Uniform single-precision values in [0, 1).
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual float Next() = 0;
};

// The computer's default source, seeded once from the clock when it is created.
class ClockSeededRandom final : public RandomSource {
public:
    ClockSeededRandom();
    explicit ClockSeededRandom(uint32_t seed) : engine_(seed) {}
    float Next() override;

private:
    std::mt19937 engine_;
};
