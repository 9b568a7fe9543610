// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace Help {

// Opens readme.txt from the program's folder in the desktop's text viewer, without waiting
// for it. The program's folder becomes and stays the current directory.
void ShowContents();

}  // namespace Help
