// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Quit.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>

#include "modRegister.h"

namespace Quit {

void QuitRoutine() {
    const QString path =
        modRegister::ExecutablePath(QCoreApplication::applicationDirPath(),
                                    QFileInfo(QCoreApplication::applicationFilePath()).fileName());
    modRegister::RegisterFileType(QStringLiteral(".zvr"), QStringLiteral("ZorFile"),
                                  QStringLiteral("Zorvel Record"), path, path);

    std::fflush(stdout);
    std::fflush(stderr);
    // Neither exit() nor QCoreApplication::exit() ends the process at once: one returns
    // into every running event loop, the other runs destructors that can wait on audio
    // threads. _exit does neither; the registration files were committed above.
    ::_exit(0);
}

}  // namespace Quit
