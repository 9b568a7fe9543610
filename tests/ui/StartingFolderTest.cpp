// The folder the record dialogs open in.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QTemporaryDir>

#include "Dialogs.h"

namespace {

// Root may write into any folder: for the test's span the process takes an ordinary user's
// place, keeping root as its saved user so that it can return.
struct OrdinaryUser {
    ~OrdinaryUser() { EXPECT_TRUE(!switched || setresuid(0, 0, 0) == 0); }
    const bool switched = geteuid() == 0 && setresuid(65534, 65534, 0) == 0;
};

TEST(RecordDialogFolder, ProgramFolderWhenWritableElseDocumentsElseHome) {
    const OrdinaryUser user;
    const QTemporaryDir tmp;
    const QString home = tmp.filePath("home"), program = tmp.filePath("program");
    ASSERT_TRUE(QDir().mkpath(home) && QDir().mkpath(program));
    const QByteArray oldHome = qgetenv("HOME");
    qputenv("HOME", home.toLocal8Bit());
    EXPECT_EQ(RecordFolder(program), program);
    // An installed program's folder, which the user cannot write to.
    ASSERT_TRUE(QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner));
    EXPECT_EQ(RecordFolder(program), home);
    ASSERT_TRUE(QDir().mkpath(home + "/Documents"));
    EXPECT_EQ(RecordFolder(program), home + "/Documents");
    qputenv("HOME", oldHome);
}

}  // namespace
