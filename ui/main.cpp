// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>
#include <string>
#include <vector>

#include "ChineseUi.h"
#include "QuorvaneIcon.h"
#include "Quit.h"
#include "QuitSignals.h"
#include "CommandLine.h"
#include "InfoOptions.h"
#include "frmMain.h"

int main(int argc, char** argv) {
    if (AnswerInfoOption(argc, argv)) return 0;
    QApplication app(argc, argv);
    QuitSignals::Install(Quit::QuitRoutine);
    QApplication::setApplicationName("Quorvane");
    QApplication::setApplicationVersion("3.0.0");
    // Lets Wayland compositors match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("invalid.quorvane.Quorvane"));
    QApplication::setWindowIcon(QuorvaneIcon());
    InstallChineseTranslation(app);

    frmMain window;
    window.show();

    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i) {
        arguments.emplace_back(QString::fromLocal8Bit(argv[i]).toStdString());
    }
    window.OpenFromCommandLine(ArgumentText(arguments));
    return QApplication::exec();
}
