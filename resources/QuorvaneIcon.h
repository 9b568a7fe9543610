// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>
#include <QList>

// The sizes the icon is drawn in at build time, smallest first.
QList<int> QuorvaneIconSizes();
// The program's icon: the scalable drawing as Qt Svg draws it in each of those sizes, so the
// window system and the About box pick a sharp one for every scale. Pictures load when first
// asked for.
QIcon QuorvaneIcon();
