// Sits in the game's wait or in a modal box and says "ready"; the test then ends it the way
// the session does. Only the quit routine may end it: the code after the wait or the box
// must never run.   signal_quit_probe wait|box|session
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>

#include "Quit.h"
#include "QuitSignals.h"
#include "modWait.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QuitSignals::Install(Quit::QuitRoutine);
    const QByteArray mode = argc > 1 ? argv[1] : "";
    QTimer::singleShot(0, [mode] {
        std::printf("ready");
        std::fflush(stdout);
        // What the platform does when the session manager tells the program to die.
        QEvent quit(QEvent::Quit);
        if (mode == "session") QCoreApplication::sendEvent(qApp, &quit);
    });
    if (mode == "wait") {
        modWait::WaitMilliseconds(30000);
    } else {
        QMessageBox box(QMessageBox::Information, "Quorvane", "box", QMessageBox::Ok);
        box.exec();
    }
    std::printf(" after");
    return 3;
}
