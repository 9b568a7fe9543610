#include <gtest/gtest.h>

#include <QProcess>

#include "ShellTestSupport.h"

namespace {

class QuitRoutine : public DataHomeTest {
  protected:
    // The probe's wait lasts 30 s: ending well before that means the quit ended it.
    void ExpectProbeEndsCleanly() {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_DATA_HOME", dataHome);
        process.setProcessEnvironment(environment);
        process.start(probe, {QUORVANE_RESOURCES_DIR "/Move.wav"});
        ASSERT_TRUE(process.waitForFinished(20000));  // else ~QProcess kills it
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(process.exitCode(), 0);
        EXPECT_EQ(process.readAllStandardOutput(), "quitting");
    }

    QString probe = QFileInfo(QUIT_PROBE_PATH).canonicalFilePath();
};

TEST_F(QuitRoutine, EndsTheProcessInsideAWaitAndRegistersTheProgram) {
    ExpectProbeEndsCleanly();
    const QString entry = ReadText(dataHome + "/applications/quorvane-zorfile.desktop");
    EXPECT_EQ(DesktopValue(entry, "Exec"), probe + " /open %f");
    EXPECT_TRUE(ReadText(dataHome + "/mime/packages/quorvane-zorfile.xml").contains("*.zvr"));
}

TEST_F(QuitRoutine, UnwritableDataHomeStillEndsNormallyAndWritesNothing) {
    MakeDataHomeUnwritable();
    ExpectProbeEndsCleanly();
    ExpectNothingWritten();
}

}  // namespace
