#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include "ShellTestSupport.h"
#include "modRegister.h"

namespace {

struct MimePackage {
    QString type, comment, glob, icon;
};

MimePackage ReadMimePackage(const QString& path) {
    MimePackage package;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return package;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        const auto name = xml.name();
        if (name == u"mime-type")
            package.type = xml.attributes().value(QStringLiteral("type")).toString();
        if (name == u"glob")
            package.glob = xml.attributes().value(QStringLiteral("pattern")).toString();
        if (name == u"icon")
            package.icon = xml.attributes().value(QStringLiteral("name")).toString();
        if (name == u"comment") package.comment = xml.readElementText();
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return package;
}

class RegisterFileType : public ::testing::Test {
  protected:
    QTemporaryDir tmp;
    QString dataHome = tmp.filePath(QStringLiteral("data"));
    ScopedEnv env{"XDG_DATA_HOME", dataHome.toLocal8Bit()};

    void TearDown() override { EXPECT_TRUE(WaitForProcessesNaming(tmp.path())); }

    QString MimeFile() const { return dataHome + "/mime/packages/quorvane-zorfile.xml"; }
    QString DesktopFile() const { return dataHome + "/applications/quorvane-zorfile.desktop"; }
    QString IconFile() const {
        return dataHome + "/icons/hicolor/64x64/mimetypes/application-x-zorvel-record.png";
    }
    void Register(const QString& program) {
        modRegister::RegisterFileType(".zvr", "ZorFile", "Zorvel Record", program, program);
    }
};

TEST_F(RegisterFileType, WritesTheTypeTheIconAndTheOpenCommand) {
    const QString program = tmp.filePath(QStringLiteral("games/quorvane"));
    Register(program);

    const MimePackage package = ReadMimePackage(MimeFile());
    EXPECT_EQ(package.type, "application/x-zorvel-record");
    EXPECT_EQ(package.comment, "Zorvel Record");
    EXPECT_EQ(package.glob, "*.zvr");
    EXPECT_EQ(package.icon, "application-x-zorvel-record");

    // The executable has no icon of its own here: the program's icon stands in for it.
    EXPECT_EQ(QImage(IconFile()).convertToFormat(QImage::Format_ARGB32),
              QImage(":/quorvane.png").convertToFormat(QImage::Format_ARGB32));

    const QString entry = ReadText(DesktopFile());
    EXPECT_TRUE(entry.startsWith("[Desktop Entry]\n"));
    EXPECT_EQ(DesktopValue(entry, "Type"), "Application");
    EXPECT_EQ(DesktopValue(entry, "Exec"), program + " /open %f");
    EXPECT_EQ(DesktopValue(entry, "MimeType"), "application/x-zorvel-record;");
    EXPECT_EQ(DesktopValue(entry, "Icon"), "application-x-zorvel-record");
    EXPECT_EQ(DesktopValue(entry, "NoDisplay"), "true");

    const QString validator = QStandardPaths::findExecutable("desktop-file-validate");
    if (!validator.isEmpty()) {
        QProcess validate;
        validate.start(validator, {DesktopFile()});
        ASSERT_TRUE(validate.waitForFinished(20000));
        EXPECT_EQ(validate.exitCode(), 0) << validate.readAll().toStdString();
    }
    // The databases are refreshed in the background; the glob must reach them.
    if (!QStandardPaths::findExecutable("update-mime-database").isEmpty()) {
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return ReadText(dataHome + "/mime/globs2").contains("*.zvr"); }, 20000));
    }
    if (!QStandardPaths::findExecutable("update-desktop-database").isEmpty()) {
        EXPECT_TRUE(QTest::qWaitFor(
            [&] {
                return ReadText(dataHome + "/applications/mimeinfo.cache")
                    .contains("application/x-zorvel-record=quorvane-zorfile.desktop");
            },
            20000));
    }
}

TEST_F(RegisterFileType, RecordPathWithSpacesReachesTheProgramWhole) {
    // A program in a folder with a space in its name, which writes down its arguments.
    ASSERT_TRUE(QDir().mkpath(tmp.filePath("my games")));
    const QString program = tmp.filePath("my games/quor$vane");
    const QString argumentsFile = tmp.filePath("arguments.txt");
    ASSERT_TRUE(WriteExecutable(program, "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$ARGS_OUT\"\n"));
    Register(program);

    const QString entry = ReadText(DesktopFile());
    EXPECT_EQ(DesktopValue(entry, "Exec"),
              "\"" + tmp.path() + "/my games/quor\\\\$vane\" /open %f");

    const QString gio = QStandardPaths::findExecutable("gio");
    if (gio.isEmpty()) GTEST_SKIP() << "gio is not installed";
    ASSERT_TRUE(QDir().mkpath(tmp.filePath("old records")));
    const QString record = tmp.filePath("old records/it's a $game & more.zvr");
    QFile(record).open(QIODevice::WriteOnly);
    QProcess launch;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("ARGS_OUT", argumentsFile);
    launch.setProcessEnvironment(environment);
    launch.start(gio, {"launch", DesktopFile(), record});
    ASSERT_TRUE(launch.waitForFinished(20000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return ReadText(argumentsFile).endsWith('\n'); }, 20000));
    const QStringList arguments = ReadText(argumentsFile).split('\n', Qt::SkipEmptyParts);
    EXPECT_EQ(arguments, QStringList({"/open", record}));
    EXPECT_EQ(arguments.join(' '), "/open " + record);
}

TEST_F(RegisterFileType, IconPathNamingAnImageInstallsThatImage) {
    const QString iconPath = tmp.filePath("big.png");
    QImage red(128, 128, QImage::Format_ARGB32);
    red.fill(Qt::red);
    ASSERT_TRUE(red.save(iconPath));
    modRegister::RegisterFileType(".zvr", "ZorFile", "Zorvel Record", iconPath,
                                  "/usr/games/quorvane");
    const QImage installed(IconFile());
    ASSERT_EQ(installed.size(), QSize(64, 64));
    EXPECT_EQ(installed.pixelColor(32, 32), QColor(Qt::red));
}

TEST_F(RegisterFileType, EveryExitRewritesTheEntriesForTheProgramsNewPlace) {
    Register("/opt/old place/quorvane");
    Register("/usr/games/quorvane");
    EXPECT_EQ(DesktopValue(ReadText(DesktopFile()), "Exec"), "/usr/games/quorvane /open %f");
}

TEST_F(RegisterFileType, EntryThatCannotBeWrittenIsSkippedAndTheOthersStillAre) {
    // A regular file where the applications folder belongs.
    ASSERT_TRUE(QDir().mkpath(dataHome));
    QFile blocker(dataHome + "/applications");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    Register("/usr/games/quorvane");
    EXPECT_EQ(ReadMimePackage(MimeFile()).glob, "*.zvr");
    EXPECT_FALSE(QFile::exists(DesktopFile()));
    EXPECT_TRUE(QFileInfo(dataHome + "/applications").isFile());
}

TEST(RegisterFileTypeUnwritable, DataHomeThatIsAFileWritesNothing) {
    QTemporaryDir tmp;
    const QString dataHome = tmp.filePath("data");
    QFile file(dataHome);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a folder");
    file.close();
    ScopedEnv env("XDG_DATA_HOME", dataHome.toLocal8Bit());

    modRegister::RegisterFileType(".zvr", "ZorFile", "Zorvel Record", "/usr/games/quorvane",
                                  "/usr/games/quorvane");
    EXPECT_EQ(ReadText(dataHome), "not a folder");
    EXPECT_EQ(QDir(tmp.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{"data"});
}

TEST(RegisterNames, ExecutablePathPutsOneSlashBetweenFolderAndName) {
    EXPECT_EQ(modRegister::ExecutablePath("/usr/games", "quorvane"), "/usr/games/quorvane");
    EXPECT_EQ(modRegister::ExecutablePath("/usr/games/", "quorvane"), "/usr/games/quorvane");
    EXPECT_EQ(modRegister::ExecutablePath("/", "quorvane"), "/quorvane");
    EXPECT_EQ(modRegister::ExecutablePath("/my games", "quorvane"), "/my games/quorvane");
}

TEST(RegisterNames, ExecArgumentIsQuotedOnlyWhenItMustBe) {
    using modRegister::DesktopExecArgument;
    EXPECT_EQ(DesktopExecArgument("/usr/games/quorvane"), "/usr/games/quorvane");
    EXPECT_EQ(DesktopExecArgument("/my games/quorvane"), "\"/my games/quorvane\"");
    // Inside quotes ", `, $ and \ take a backslash; the file format then doubles each one.
    EXPECT_EQ(DesktopExecArgument("/a\"b"), "\"/a\\\\\"b\"");
    EXPECT_EQ(DesktopExecArgument("/a`b$c"), "\"/a\\\\`b\\\\$c\"");
    EXPECT_EQ(DesktopExecArgument("/a\\b"), "\"/a\\\\\\\\b\"");
    EXPECT_EQ(DesktopExecArgument("/100%/q"), "/100%%/q");
}

TEST(RegisterNames, MimeTypeComesFromTheDescriptionAndXmlStaysWellFormed) {
    EXPECT_EQ(modRegister::MimeTypeName("ZorFile", "Zorvel Record"), "application/x-zorvel-record");
    EXPECT_EQ(modRegister::MimeTypeName("ZorFile", ""), "application/x-zorfile");

    QTemporaryDir tmp;
    ScopedEnv env("XDG_DATA_HOME", tmp.path().toLocal8Bit());
    modRegister::RegisterFileType(".zvr", "ZorFile", "Zorvel <Record> & \"Co\"",
                                  "/usr/games/quorvane", "/usr/games/quorvane");
    const MimePackage package = ReadMimePackage(tmp.path() + "/mime/packages/quorvane-zorfile.xml");
    EXPECT_EQ(package.comment, "Zorvel <Record> & \"Co\"");
    EXPECT_EQ(package.type, "application/x-zorvel-record-co");
    EXPECT_TRUE(WaitForProcessesNaming(tmp.path()));
}

}  // namespace
