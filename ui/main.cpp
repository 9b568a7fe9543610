#include <QApplication>
#include <QMessageLogContext>
#include <string>
#include <vector>

#include "ChineseUi.h"
#include "QuorvaneIcon.h"
#include "Quit.h"
#include "QuitSignals.h"
#include "CommandLine.h"
#include "InfoOptions.h"
#include "frmMain.h"

namespace {

QtMessageHandler previousHandler = nullptr;

// Without a sound device Qt Multimedia reports it on every start; the game is silent then
// by design, so those two lines are noise.
void DropNoSoundWarnings(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.contains("pa_context_connect() failed") || text.contains("No audio device detected")) {
        return;
    }
    previousHandler(type, context, text);
}

}  // namespace

int main(int argc, char** argv) {
    if (AnswerInfoOption(argc, argv)) return 0;
    previousHandler = qInstallMessageHandler(DropNoSoundWarnings);
    QApplication app(argc, argv);
    QuitSignals::Install(Quit::QuitRoutine);
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
