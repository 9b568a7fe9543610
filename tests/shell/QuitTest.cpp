#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include "ShellTestSupport.h"

namespace {

struct ProbeRun {
    bool finished = false;
    QProcess::ExitStatus status = QProcess::CrashExit;
    int exitCode = -1;
    QString output;
};

class QuitRoutine : public ::testing::Test {
  protected:
    QTemporaryDir tmp;
    QString dataHome = tmp.filePath(QStringLiteral("data"));
    QString probe = QFileInfo(QStringLiteral(QUIT_PROBE_PATH)).canonicalFilePath();

    void TearDown() override { EXPECT_TRUE(WaitForProcessesNaming(tmp.path())); }

    ProbeRun RunProbe(const QStringList& arguments = {}) {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_DATA_HOME", dataHome);
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        process.setProcessEnvironment(environment);
        process.setProcessChannelMode(QProcess::SeparateChannels);
        process.start(probe, arguments);
        ProbeRun run;
        // The probe's wait lasts 30 s: finishing well before that means the quit ended it.
        run.finished = process.waitForStarted(10000) && process.waitForFinished(20000);
        if (!run.finished) process.kill();
        process.waitForFinished(5000);
        run.status = process.exitStatus();
        run.exitCode = process.exitCode();
        run.output = QString::fromUtf8(process.readAllStandardOutput());
        return run;
    }
};

TEST_F(QuitRoutine, EndsTheProcessInsideAWaitAndRegistersTheProgram) {
    const ProbeRun run = RunProbe();
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.status, QProcess::NormalExit);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.output, "quitting");

    const QString entry = ReadText(dataHome + "/applications/quorvane-zorfile.desktop");
    EXPECT_EQ(DesktopValue(entry, "Exec"), probe + " /open %f");
    EXPECT_TRUE(ReadText(dataHome + "/mime/packages/quorvane-zorfile.xml")
                    .contains("<glob pattern=\"*.zvr\"/>"));
    // The executable itself is no image: the program's own icon is installed.
    const QImage icon(dataHome + "/icons/hicolor/64x64/mimetypes/application-x-zorvel-record.png");
    EXPECT_EQ(icon.convertToFormat(QImage::Format_ARGB32),
              QImage(":/quorvane.png").convertToFormat(QImage::Format_ARGB32));
}

TEST_F(QuitRoutine, UnwritableDataHomeStillEndsNormallyAndWritesNothing) {
    QFile file(dataHome);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();

    const ProbeRun run = RunProbe();
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.status, QProcess::NormalExit);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(QFileInfo(dataHome).isFile());
    EXPECT_EQ(QFileInfo(dataHome).size(), 0);
    EXPECT_EQ(QDir(tmp.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{"data"});
}

TEST_F(QuitRoutine, PlayingSoundDoesNotHoldTheExit) {
    const ProbeRun run = RunProbe({"sound", QStringLiteral(QUORVANE_RESOURCES_DIR) + "/Move.wav"});
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.status, QProcess::NormalExit);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.output, "quitting");
}

}  // namespace
