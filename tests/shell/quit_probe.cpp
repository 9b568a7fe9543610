// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// Sits in the game's wait or in a modal box, the move sound playing if given, and says
// "ready"; the test then ends it the way the session does, or it quits by itself 1.5 s later
// from a handler inside the wait (quit), as the game's menu does. Only the quit routine may
// end it: the code after the wait or the box must never run.
//   quit_probe wait|box|session|quit [WAV]
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>

#include "MoveSound.h"
#include "Quit.h"
#include "QuitSignals.h"
#include "modWait.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QuitSignals::Install(Quit::QuitRoutine);
    MoveSound sound(nullptr);
    if (argc > 2) sound.PlayWave(QString::fromLocal8Bit(argv[2]));
    const QByteArray mode = argc > 1 ? argv[1] : "";
    QTimer::singleShot(0, [mode] {
        std::printf("ready");
        std::fflush(stdout);
        // What the platform does when the session manager tells the program to die.
        QEvent quit(QEvent::Quit);
        if (mode == "session") QCoreApplication::sendEvent(qApp, &quit);
    });
    if (mode == "quit") QTimer::singleShot(1500, [] { Quit::QuitRoutine(); });
    if (mode == "box") {
        QMessageBox box(QMessageBox::Information, "Quorvane", "box", QMessageBox::Ok);
        box.exec();
    } else {
        modWait::WaitMilliseconds(30000);
    }
    std::printf(" after");
    return 3;
}
