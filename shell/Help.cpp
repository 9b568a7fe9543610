// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Help.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QUrl>

namespace Help {

void ShowContents() {
    const QString folder = QCoreApplication::applicationDirPath();
    QDir::setCurrent(folder);
    // The desktop picks the text viewer and starts it detached; a missing file or viewer
    // is left for it to report.
    QDesktopServices::openUrl(
        QUrl::fromLocalFile(QDir(folder).filePath(QStringLiteral("readme.txt"))));
}

}  // namespace Help
