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

    // QApplication has taken its own options out. The rest stay bytes: a path that is not
    // UTF-8 would not survive a trip through text.
    window.OpenFromCommandLine(ArgumentText(std::vector<std::string>(argv + 1, argv + argc)));
    return QApplication::exec();
}
