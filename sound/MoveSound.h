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
// The sound stack lives in the player module beside the executable. It is loaded on a
// thread of its own once the window that owns the sound (the parent, when it is a widget)
// has painted, so it never delays the window; the sound asked for meanwhile plays once the
// module is there.
class MoveSound : public QObject {
    Q_OBJECT
public:
    explicit MoveSound(QObject* parent);
    ~MoveSound() override;
    void PlayWave(const QString& path);

    // The application folder joined with "Move.wav", without doubling a separator.
    static QString SoundPath(const QString& applicationFolder);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void StartLoading();
    void LoadPlayer(const QString& modulePath);

    bool windowPainted_ = true;
    QLibrary module_;
    std::thread loader_;
    std::mutex mutex_;
    // Below: guarded by mutex_ while loader_ runs.
    std::unique_ptr<MovePlayer> player_;
    bool loaded_ = false;      // loading ended, with or without a player
    std::string pendingPath_;  // the last sound asked for before that; empty if none
    std::chrono::steady_clock::time_point pendingSince_;
};
