// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// What `-h`, `--help`, `-v` or `--version` (those exact words) asks to be printed, for the
// program's arguments without the program name; nothing for any other arguments, which stay
// the game's or Qt's: "/open PATH" opens PATH whatever it looks like, Qt's options and their
// values are left to QApplication, and other text is ignored as before.
std::optional<QString> InfoOptionText(const QStringList& arguments);

// Prints that text to standard output and returns true: the program then ends without a
// window. Runs before any QApplication exists, so it also works without a display.
bool AnswerInfoOption(int argc, char** argv);
