#include <gtest/gtest.h>

#include <QProcess>
#include <csignal>

#include "ShellTestSupport.h"

namespace {

using SessionQuit = DataHomeTest;

// Each way the session ends the program, inside the computer's wait and inside a modal box:
// the quit routine registers the file type and ends the process with status 0 on the spot.
TEST_F(SessionQuit, SignalsAndTheSessionManagerRunTheQuitRoutine) {
    const struct {
        const char* mode;
        int signal;  // 0: the session manager's quit, sent by the probe itself
    } cases[] = {
        {"wait", SIGTERM}, {"box", SIGTERM}, {"wait", SIGHUP}, {"box", SIGINT}, {"session", 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.mode) + " " + std::to_string(c.signal));
        const QString data = tmp.filePath(QString("%1-%2").arg(c.mode).arg(c.signal));
        QProcess probe;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_DATA_HOME", data);
        probe.setProcessEnvironment(environment);
        probe.start(SIGNAL_QUIT_PROBE_PATH, {c.mode});
        QByteArray out;
        while (!out.contains("ready") && probe.waitForReadyRead(20000)) out += probe.readAll();
        if (c.signal != 0) ::kill(static_cast<pid_t>(probe.processId()), c.signal);
        ASSERT_TRUE(probe.waitForFinished(20000));
        EXPECT_EQ(probe.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(probe.exitCode(), 0);
        EXPECT_EQ(out + probe.readAll(), "ready");
        EXPECT_TRUE(QFileInfo::exists(data + "/applications/quorvane-zorfile.desktop"));
        EXPECT_TRUE(QFileInfo::exists(data + "/mime/packages/quorvane-zorfile.xml"));
    }
}

}  // namespace
