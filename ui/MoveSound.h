#pragma once

#include <QObject>
#include <QString>

class QSoundEffect;

// Plays a wave file asynchronously; a new sound cuts off the one still playing. A missing
// file or a machine without a sound device is silence, never a message or a hang.
class MoveSound : public QObject {
    Q_OBJECT
public:
    explicit MoveSound(QObject* parent);
    void PlayWave(const QString& path);

    // The application folder joined with "Move.wav", without doubling a separator.
    static QString SoundPath(const QString& applicationFolder);

private:
    QSoundEffect* effect_ = nullptr;
};
