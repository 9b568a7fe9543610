// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

namespace modWait {

// Holds the caller for at least `milliseconds` while every window event is handled: paints,
// clicks, menu commands, timers and modal dialogs all run inside the wait. A modal dialog
// opened meanwhile holds the wait until it closes; if the time ran out by then, the wait
// returns at once. Waits of 0 or less only handle the events already pending.
// The caller must re-check its state afterwards: any handler may have run.
void WaitMilliseconds(int32_t milliseconds);

}  // namespace modWait
