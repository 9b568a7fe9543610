// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MoveSound.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <algorithm>

#include "MovePlayer.h"

MoveSound::MoveSound(QObject* parent) : QObject(parent) {
    if (parent != nullptr && parent->isWidgetType()) {
        windowPainted_ = false;
        parent->installEventFilter(this);
    }
}

MoveSound::~MoveSound() {
    if (loader_.joinable()) {
        loader_.join();
    }
}

QString MoveSound::SoundPath(const QString& applicationFolder) {
    return applicationFolder.endsWith('/') ? applicationFolder + "Move.wav"
                                           : applicationFolder + "/Move.wav";
}

bool MoveSound::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint && !windowPainted_) {
        windowPainted_ = true;
        watched->removeEventFilter(this);
        // Queued: it runs once the whole window is painted and on the screen.
        QMetaObject::invokeMethod(this, &MoveSound::StartLoading, Qt::QueuedConnection);
    }
    return false;
}

void MoveSound::PlayWave(const QString& path) {
    const auto now = std::chrono::steady_clock::now();
    std::string bytes = QFile::encodeName(path).toStdString();
    const std::lock_guard lock(mutex_);
    if (loaded_) {
        if (player_ != nullptr) {
            player_->Play(bytes, now);
        }
        return;
    }
    // Only the last sound asked for before the module is there plays: each cuts off the one
    // before it anyway.
    pendingPath_ = std::move(bytes);
    pendingSince_ = now;
    if (windowPainted_) {
        StartLoading();
    }
}

void MoveSound::StartLoading() {
    if (loader_.joinable() || pendingPath_.empty()) {
        return;
    }
    // A sound asked for before the window showed belongs to what the window then shows: it
    // counts from the showing.
    pendingSince_ = std::max(pendingSince_, std::chrono::steady_clock::now());
    loader_ = std::thread(&MoveSound::LoadPlayer, this,
                          QCoreApplication::applicationDirPath() + "/libquorvane-sound.so");
}

void MoveSound::LoadPlayer(const QString& modulePath) {
    module_.setFileName(modulePath);
    const auto create =
        reinterpret_cast<CreateMovePlayerFunction>(module_.resolve(kCreateMovePlayer));
    std::unique_ptr<MovePlayer> player(create != nullptr ? create() : nullptr);
    const std::lock_guard lock(mutex_);
    player_ = std::move(player);
    loaded_ = true;
    if (player_ != nullptr) {
        player_->Play(pendingPath_, pendingSince_);
    }
}
