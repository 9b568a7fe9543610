// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Quit.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>
#include <filesystem>

#include "modRegister.h"

namespace Quit {

namespace {

// Whether the running program's path, as the file system holds it, is UTF-8. A desktop
// entry is UTF-8 text: any other path could only be registered under a mangled name, which
// runs nothing or some other program.
bool ProgramPathIsText() {
    std::error_code error;
    const QByteArray path =
        QByteArray::fromStdString(std::filesystem::read_symlink("/proc/self/exe", error).native());
    return error || QFile::encodeName(QFile::decodeName(path)) == path;
}

}  // namespace

void QuitRoutine() {
    QString path =
        modRegister::ExecutablePath(QCoreApplication::applicationDirPath(),
                                    QFileInfo(QCoreApplication::applicationFilePath()).fileName());
    if (!ProgramPathIsText()) path.clear();  // the open command registered before stays
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
