// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>

#include "Replay.h"

// The pictures of the replay buttons, designed 32×32 on a transparent background and drawn
// from their shapes at whatever size and scale they are shown.
QIcon ReplayIcon(ReplayButton button);
