// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Gives the status lines their text as text content too, not only as a name: Orca 48 reads a
// status bar from the text content of the labels in it and passes over labels without any,
// which is all Qt gives a QLabel. Installing twice does nothing more.
void InstallStatusLineAccessibility();
