// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "InfoOptions.h"

#include <cstdio>

#include "CommandLine.h"

namespace {

const char* const kHelp =
    "Usage: quorvane [/open PATH]\n"
    "Reversi against the computer, with a Chinese interface.\n"
    "\n"
    "  /open PATH     open the record file PATH and replay it\n"
    "  -h, --help     print this help and exit\n"
    "  -v, --version  print the version and exit\n"
    "\n"
    "Quitting the game registers .zvr record files for the current user; see quorvane(6).\n";

// Qt's documented options that take the next word as their value (with one dash or two):
// that word is Qt's, even when it reads "-v".
bool TakesQtValue(QString word) {
    static const QStringList options = {
        "-display", "-geometry", "-name", "-platform", "-platformpluginpath", "-platformtheme",
        "-plugin", "-qwindowgeometry", "-qwindowicon", "-qwindowtitle", "-session", "-style",
        "-stylesheet", "-title", "-visual"};
    if (word.startsWith(QStringLiteral("--"))) word.remove(0, 1);
    return options.contains(word);
}

}  // namespace

std::optional<QString> InfoOptionText(const QStringList& arguments) {
    // Only these exact words are the program's own. Qt's options are read by QApplication
    // later, and "-reverse" or "-visual" hold letters that are no option of ours.
    QStringList words;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (TakesQtValue(arguments[i]))
            ++i;
        else
            words << arguments[i];
    }
    if (OpenArgumentPath(words.join(u' ').toStdString())) return std::nullopt;
    if (words.contains(QStringLiteral("-h")) || words.contains(QStringLiteral("--help")))
        return QString::fromLatin1(kHelp);
    if (words.contains(QStringLiteral("-v")) || words.contains(QStringLiteral("--version")))
        return QStringLiteral("Quorvane " QUORVANE_VERSION "\n");
    return std::nullopt;
}

bool AnswerInfoOption(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    const std::optional<QString> text = InfoOptionText(arguments);
    if (!text) return false;
    std::fputs(text->toLocal8Bit().constData(), stdout);
    return true;
}
