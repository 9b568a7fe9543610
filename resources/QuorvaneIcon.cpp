// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "QuorvaneIcon.h"

QList<int> QuorvaneIconSizes() { return {QUORVANE_ICON_SIZES}; }

QIcon QuorvaneIcon() {
    // Also keeps the resource linked into programs that never name it otherwise.
    Q_INIT_RESOURCE(icons);
    QIcon icon;
    for (const int size : QuorvaneIconSizes()) {
        icon.addFile(QStringLiteral(":/icons/%1.png").arg(size), QSize(size, size));
    }
    return icon;
}
