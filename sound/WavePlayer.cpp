// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// The sound player module: reads the wave with libsndfile and plays it through PulsePlayer.
#include <sndfile.h>

#include <algorithm>

#include "MovePlayer.h"
#include "PulsePlayer.h"

namespace {

// A move sound is a click; a long file is cut here rather than held whole in memory.
constexpr sf_count_t kLongestSeconds = 10;
constexpr uint32_t kHighestRate = 192000;
constexpr int kMostChannels = 8;

std::shared_ptr<const SoundClip> ReadClip(const std::string& path) {
    SF_INFO info{};
    SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
    if (file == nullptr) {
        return nullptr;
    }
    auto clip = std::make_shared<SoundClip>();
    if (info.samplerate > 0 && static_cast<uint32_t>(info.samplerate) <= kHighestRate &&
        info.channels > 0 && info.channels <= kMostChannels) {
        const sf_count_t frames = std::min(info.frames, info.samplerate * kLongestSeconds);
        clip->rate = static_cast<uint32_t>(info.samplerate);
        clip->channels = static_cast<uint8_t>(info.channels);
        clip->samples.resize(static_cast<size_t>(std::max<sf_count_t>(frames, 0) * info.channels));
        const sf_count_t read = sf_readf_short(file, clip->samples.data(), frames);
        clip->samples.resize(static_cast<size_t>(std::max<sf_count_t>(read, 0) * info.channels));
    }
    sf_close(file);
    return clip->samples.empty() ? nullptr : clip;
}

class WavePlayer final : public MovePlayer {
public:
    void Play(const std::string& path, std::chrono::steady_clock::time_point requested) override {
        // Read once, at the first play of the file, not at every click.
        if (!clipRead_ || path != clipPath_) {
            clipPath_ = path;
            clip_ = ReadClip(path);
            clipRead_ = true;
        }
        if (clip_ != nullptr) {
            player_.Play(clip_, requested);
        }
    }

private:
    std::string clipPath_;
    bool clipRead_ = false;
    std::shared_ptr<const SoundClip> clip_;
    PulsePlayer player_;
};

}  // namespace

extern "C" __attribute__((visibility("default"))) MovePlayer* QuorvaneCreateMovePlayer() {
    return new WavePlayer;
}
