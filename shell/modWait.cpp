// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "modWait.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace modWait {

void WaitMilliseconds(int32_t milliseconds) {
    if (milliseconds <= 0) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        return;
    }

    // A local loop sleeps in the event dispatcher until an event or the timer arrives, so
    // the wait costs no processor time. A timeout that falls due while a nested loop (a
    // modal dialog, another wait) runs only marks this loop finished: it returns as soon
    // as control comes back to it.
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    timer.start(milliseconds);
    loop.exec(QEventLoop::AllEvents);

    // Events that arrived together with the timeout are handled before the caller goes on.
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

}  // namespace modWait
