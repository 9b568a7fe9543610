// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace Quit {

// The one way out of the program: registers the record file type for the executable as it
// runs now, then ends the process on the spot. Nothing runs afterwards, not even the code
// after a wait this is called from; no record is offered for saving.
[[noreturn]] void QuitRoutine();

}  // namespace Quit
