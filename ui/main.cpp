#include <QApplication>
#include <string>
#include <vector>

#include "ChineseUi.h"
#include "QuorvaneIcon.h"
#include "CommandLine.h"
#include "frmMain.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Quorvane");
    QApplication::setApplicationVersion("3.0.0");
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
