// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>

#include "Replay.h"

// The 32×32 pictures of the replay buttons, drawn on a transparent background.
QIcon ReplayIcon(ReplayButton button);
