#include "MoveSound.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

MoveSound::MoveSound(QObject* parent) : QObject(parent) {}

QString MoveSound::SoundPath(const QString& applicationFolder) {
    return applicationFolder.endsWith('/') ? applicationFolder + "Move.wav"
                                           : applicationFolder + "/Move.wav";
}

void MoveSound::PlayWave(const QString& path) {
    if (!QFileInfo(path).isFile()) {
        return;
    }
    // Created on first use, so a game with the sound switched off never opens the device.
    if (effect_ == nullptr) {
        effect_ = new QSoundEffect(this);
    }
    const QUrl source = QUrl::fromLocalFile(path);
    if (effect_->source() != source) {
        effect_->setSource(source);
    }
    effect_->stop();
    effect_->play();
}
