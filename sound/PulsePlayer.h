// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <vector>

struct pa_context;
struct pa_stream;
struct pa_threaded_mainloop;

// A decoded sound: interleaved 16-bit samples.
struct SoundClip {
    uint32_t rate = 0;
    uint8_t channels = 0;
    std::vector<int16_t> samples;
};

// Plays one short event sound at a time through the desktop's sound server (PulseAudio or
// PipeWire's PulseAudio service). Every call into libpulse runs on the player's own thread,
// so the window's thread never waits for a server that is missing, slow or hung; the
// connection is made at the first sound and made again after the server went away.
class PulsePlayer {
public:
    PulsePlayer() = default;
    ~PulsePlayer();
    PulsePlayer(const PulsePlayer&) = delete;
    PulsePlayer& operator=(const PulsePlayer&) = delete;

    // Starts `clip`, asked for at `requested`, and returns at once, cutting off the sound
    // still playing. Without a server the sound is dropped, and so is a sound that could
    // not start within a second of `requested`.
    void Play(std::shared_ptr<const SoundClip> clip,
              std::chrono::steady_clock::time_point requested);

private:
    static void Kick(void* self);
    static void ContextChanged(pa_context* context, void* self);
    static void StreamWritable(pa_stream* stream, size_t bytes, void* self);
    static void StreamDrained(pa_stream* stream, int success, void* self);
    void Connect();
    void DropContext();
    void StartStream();
    void StopStream();

    pa_threaded_mainloop* loop_ = nullptr;
    // Below: touched only with the loop's lock held.
    pa_context* context_ = nullptr;
    pa_stream* stream_ = nullptr;
    std::shared_ptr<const SoundClip> clip_;     // the clip asked for last
    std::shared_ptr<const SoundClip> playing_;  // the clip stream_ plays
    size_t bytesWritten_ = 0;
    bool pending_ = false;
    std::chrono::steady_clock::time_point requested_;
};
