// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLibrary>
#include <QObject>
#include <QString>
#include <chrono>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

class MovePlayer;

// Plays a wave file asynchronously; a new sound cuts off the one still playing. A missing
// or unreadable file, no sound server or no player module is silence: never a message, a
// wait or a hang.
//
// The sound stack lives in the player module beside the executable. Loading it takes a
// fifth of the start-up time, so the first sound loads it on a thread of its own while the
// window comes up, and the sound asked for meanwhile plays once the module is there.
class MoveSound : public QObject {
    Q_OBJECT
public:
    explicit MoveSound(QObject* parent);
    ~MoveSound() override;
    void PlayWave(const QString& path);

    // The application folder joined with "Move.wav", without doubling a separator.
    static QString SoundPath(const QString& applicationFolder);

private:
    void LoadPlayer(const QString& modulePath);

    QLibrary module_;
    std::thread loader_;
    std::mutex mutex_;
    // Below: guarded by mutex_ while loader_ runs.
    std::unique_ptr<MovePlayer> player_;
    bool loaded_ = false;  // loading ended, with or without a player
    std::string pendingPath_;  // the last sound asked for before that; empty if none
    std::chrono::steady_clock::time_point pendingSince_;
};
