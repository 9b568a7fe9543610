// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>

// The program's icon: the scalable drawing as Qt Svg draws it at 64x64, drawn at build time.
QIcon QuorvaneIcon();
