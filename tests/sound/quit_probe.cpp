// Quits the way the game does: from a handler that fires inside a long wait, with the move
// sound playing. The code after the wait must never run.   quit_probe WAV [QUIT_AFTER_MS]
#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

#include "MoveSound.h"
#include "Quit.h"
#include "modWait.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    MoveSound sound(nullptr);
    sound.PlayWave(QString::fromLocal8Bit(argc > 1 ? argv[1] : ""));
    std::printf("quitting");  // left in the buffer: the quit routine must flush it
    QTimer::singleShot(argc > 2 ? std::atoi(argv[2]) : 100, [] { Quit::QuitRoutine(); });
    modWait::WaitMilliseconds(30000);
    std::printf(" after wait");
    return 3;
}
