// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "QuorvaneIcon.h"

#include <QImageReader>
#include <QPixmap>

QIcon QuorvaneIcon() {
    // Also keeps the resource linked into programs that never name it otherwise.
    Q_INIT_RESOURCE(icons);
    // The format is named, so no image plugin is asked what the file is.
    QImageReader reader(QStringLiteral(":/window-icon.png"), "png");
    reader.setAutoDetectImageFormat(false);
    return QIcon(QPixmap::fromImage(reader.read()));
}
