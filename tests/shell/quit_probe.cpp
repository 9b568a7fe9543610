// Runs the quit routine the way the game does: from a handler that fires inside a long
// wait. Whatever the wait's caller would do afterwards must never happen.
//   quit_probe [sound WAV]   "sound" keeps a playing QSoundEffect alive at the exit.
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
    if (argc > 2 && QByteArray(argv[1]) == "sound") {
        sound.setSource(QUrl::fromLocalFile(QString::fromLocal8Bit(argv[2])));
        sound.setLoopCount(QSoundEffect::Infinite);
        sound.play();
    }
    // Left in the stdout buffer: the quit routine must flush it.
    std::printf("quitting");
    QTimer::singleShot(100, [] { Quit::QuitRoutine(); });
    modWait::WaitMilliseconds(30000);
    std::printf(" after wait");
    return 3;
}
