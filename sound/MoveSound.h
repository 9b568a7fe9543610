// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>
#include <memory>

class PulsePlayer;
struct SoundClip;

// Plays a wave file asynchronously; a new sound cuts off the one still playing. A missing
// or unreadable file, or no sound server, is silence: never a message, a wait or a hang.
class MoveSound : public QObject {
    Q_OBJECT
public:
    explicit MoveSound(QObject* parent);
    ~MoveSound() override;
    void PlayWave(const QString& path);

    // The application folder joined with "Move.wav", without doubling a separator.
    static QString SoundPath(const QString& applicationFolder);

private:
    // The file is read at its first play only; a sound switched off never reaches the server.
    QString clipPath_;
    bool clipRead_ = false;
    std::shared_ptr<const SoundClip> clip_;
    std::unique_ptr<PulsePlayer> player_;
};
