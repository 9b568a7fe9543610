// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "InfoOptions.h"

#include <QCommandLineParser>
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

}  // namespace

std::optional<QString> InfoOptionText(const QStringList& arguments) {
    if (OpenArgumentPath(arguments.join(u' ').toStdString())) return std::nullopt;
    QCommandLineParser parser;
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, QString());
    parser.addOptions({help, version});
    // An unknown option is argument text like any other: the game ignores it, so the parse
    // error is not reported, and a known option beside it still counts.
    parser.parse(QStringList{QStringLiteral("quorvane")} + arguments);
    if (parser.isSet(help)) return QString::fromLatin1(kHelp);
    if (parser.isSet(version)) return QStringLiteral("Quorvane " QUORVANE_VERSION "\n");
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
