// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>

namespace QuitSignals {

// Makes the session's ways of ending the program exits like any other: SIGTERM, SIGHUP
// and SIGINT, and the session manager's quit, run `quit` from the event loop, also from a
// nested one (a wait, a modal box). A signal ignored when the program started (nohup) stays
// ignored. Call once, after the application object exists.
void Install(std::function<void()> quit);

}  // namespace QuitSignals
