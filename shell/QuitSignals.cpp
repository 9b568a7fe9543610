// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "QuitSignals.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QEvent>
#include <QSocketNotifier>
#include <cerrno>
#include <csignal>

namespace QuitSignals {

namespace {

// The write end of the pair; the handler only writes one byte to it.
int signalFd = -1;

void OnSignal(int) {
    const int savedErrno = errno;
    const char byte = 1;
    // Non-blocking: when the buffer is full, a quit is already pending.
    [[maybe_unused]] const ssize_t written = ::write(signalFd, &byte, 1);
    errno = savedErrno;
}

// Runs the quit routine when a signal arrives on the pair, or when the platform asks the
// application to quit (the session manager's "die"), before Qt closes any window for it.
class QuitRelay : public QObject {
  public:
    QuitRelay(int readFd, std::function<void()> quit)
        : QObject(QCoreApplication::instance()),
          quit_(std::move(quit)),
          notifier_(readFd, QSocketNotifier::Read, this) {
        connect(&notifier_, &QSocketNotifier::activated, this, [this] { quit_(); });
        QCoreApplication::instance()->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Quit && watched == QCoreApplication::instance()) quit_();
        return false;
    }

  private:
    std::function<void()> quit_;
    QSocketNotifier notifier_;
};

}  // namespace

void Install(std::function<void()> quit) {
    int fds[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, fds) != 0) return;
    signalFd = fds[1];
    new QuitRelay(fds[0], std::move(quit));

    struct sigaction action = {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGHUP, SIGINT}) {
        // What was ignored at start stays so: nohup and a shell's background jobs rely on it.
        struct sigaction old = {};
        if (sigaction(signal, nullptr, &old) == 0 && old.sa_handler == SIG_IGN) continue;
        sigaction(signal, &action, nullptr);
    }
}

}  // namespace QuitSignals
