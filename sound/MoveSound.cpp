// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MoveSound.h"

#include <sndfile.h>

#include <QFile>
#include <algorithm>

#include "PulsePlayer.h"

namespace {

// A move sound is a click; a long file is cut here rather than held whole in memory.
constexpr sf_count_t kLongestSeconds = 10;
constexpr uint32_t kHighestRate = 192000;
constexpr int kMostChannels = 8;

std::shared_ptr<const SoundClip> ReadClip(const QString& path) {
    SF_INFO info{};
    SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
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

}  // namespace

MoveSound::MoveSound(QObject* parent) : QObject(parent) {}

MoveSound::~MoveSound() = default;

QString MoveSound::SoundPath(const QString& applicationFolder) {
    return applicationFolder.endsWith('/') ? applicationFolder + "Move.wav"
                                           : applicationFolder + "/Move.wav";
}

void MoveSound::PlayWave(const QString& path) {
    if (!clipRead_ || path != clipPath_) {
        clipPath_ = path;
        clip_ = ReadClip(path);
        clipRead_ = true;
    }
    if (clip_ == nullptr) {
        return;
    }
    if (player_ == nullptr) {
        player_ = std::make_unique<PulsePlayer>();
    }
    player_->Play(clip_);
}
