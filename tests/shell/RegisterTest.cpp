#include <gtest/gtest.h>

#include <QProcess>

#include "ShellTestSupport.h"
#include "modRegister.h"

namespace {

class RegisterFileType : public DataHomeTest {
  protected:
    void Register(const QString& program) {
        modRegister::RegisterFileType(".zvr", "ZorFile", "Zorvel Record", program, program);
    }

    ScopedEnv env{"XDG_DATA_HOME", dataHome};
    QString desktopFile = dataHome + "/applications/quorvane-zorfile.desktop";
};

TEST_F(RegisterFileType, WritesTheTypeAndTheOpenCommandForTheProgramsCurrentPlace) {
    Register("/opt/old place/quorvane");  // every exit rewrites the entries
    Register("/usr/games/quorvane");

    const QString package = ReadText(dataHome + "/mime/packages/quorvane-zorfile.xml");
    EXPECT_TRUE(package.contains("<mime-type type=\"application/x-zorvel-record\">"));
    EXPECT_TRUE(package.contains("<glob pattern=\"*.zvr\"/>"));
    const QString entry = ReadText(desktopFile);
    EXPECT_EQ(DesktopValue(entry, "Exec"), "/usr/games/quorvane /open %f");
    EXPECT_EQ(DesktopValue(entry, "MimeType"), "application/x-zorvel-record;");
    EXPECT_EQ(QProcess::execute("desktop-file-validate", {desktopFile}), 0);
    // The refreshed database is what makes the desktop recognise the files.
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return ReadText(dataHome + "/mime/globs2").contains("x-zorvel-record:*.zvr"); },
        20000));
}

TEST_F(RegisterFileType, UnwritableDataHomeWritesNothingAndDoesNotCrash) {
    MakeDataHomeUnwritable();
    Register("/usr/games/quorvane");
    ExpectNothingWritten();
}

}  // namespace
