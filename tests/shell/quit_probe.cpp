// Quits the way the game does: from a handler that fires inside a long wait, with the move
// sound playing. The code after the wait must never run.   quit_probe WAV
#include <QApplication>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>
#include <cstdio>

#include "Quit.h"
#include "modWait.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QSoundEffect sound;
    sound.setSource(QUrl::fromLocalFile(QString::fromLocal8Bit(argc > 1 ? argv[1] : "")));
    sound.setLoopCount(QSoundEffect::Infinite);
    sound.play();
    std::printf("quitting");  // left in the buffer: the quit routine must flush it
    QTimer::singleShot(100, [] { Quit::QuitRoutine(); });
    modWait::WaitMilliseconds(30000);
    std::printf(" after wait");
    return 3;
}
