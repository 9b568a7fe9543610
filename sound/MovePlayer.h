// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <chrono>
#include <string>

// What the sound player module offers the game. The module holds the whole sound stack
// (libpulse, and libsndfile with the codec libraries it brings), so the game loads none of
// it until its window is up.
class MovePlayer {
public:
    virtual ~MovePlayer() = default;
    // Starts the wave file at `path` (bytes as the file system has them), asked for at
    // `requested`, and returns at once, cutting off the sound still playing. A file that
    // cannot be read is silence.
    virtual void Play(const std::string& path, std::chrono::steady_clock::time_point requested) = 0;
};

// The module's one entry point: an extern "C" function of this type and name.
using CreateMovePlayerFunction = MovePlayer* (*)();
inline constexpr const char* kCreateMovePlayer = "QuorvaneCreateMovePlayer";
