// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTest>
#include <csignal>
#include <filesystem>

#include "QuorvaneIcon.h"
#include "TestFiles.h"
#include "modRegister.h"

namespace {

// A temporary folder for $XDG_DATA_HOME. Registration refreshes the desktop's databases in
// detached processes: the folder stays until those naming it end, or they would write into
// it as it goes away.
class RegisterFileType : public ::testing::Test {
  protected:
    void TearDown() override {
        EXPECT_TRUE(QTest::qWaitFor(
            [needle = tmp.path().toLocal8Bit()] {
                for (const QString& pid : QDir("/proc").entryList({"[0-9]*"}, QDir::Dirs))
                    if (ReadAll("/proc/" + pid + "/cmdline").contains(needle)) return false;
                return true;
            },
            20000));
    }
    void Register(const QString& program) {
        ScopedEnv env("XDG_DATA_HOME", dataHome);
        modRegister::RegisterFileType(".zvr", "ZorFile", "Zorvel Record", program, program);
    }

    QString Written(const QString& path) const { return ReadAll(dataHome + path); }

    TempDir tmp;
    QString dataHome = tmp.filePath("data");
};

const QString kApps = "/icons/hicolor/%1/apps/invalid.quorvane.Quorvane.";

TEST_F(RegisterFileType, WritesTheTypeAndTheOpenCommandForTheProgramsCurrentPlace) {
    Register("/opt/old place/quorvane");  // every exit rewrites the entries
    Register("/usr/games/quorvane");
    const QString desktopFile = dataHome + "/applications/quorvane-zorfile.desktop";
    const QByteArray entry = ReadAll(desktopFile);
    EXPECT_TRUE(entry.contains("\nExec=/usr/games/quorvane /open %f\n")) << entry.constData();
    EXPECT_TRUE(entry.contains("\nMimeType=application/x-zorvel-record;\n"));
    EXPECT_EQ(QProcess::execute("desktop-file-validate", {desktopFile}), 0);
    // The refreshed database is what makes the desktop recognise the files.
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return ReadAll(dataHome + "/mime/globs2").contains("x-zorvel-record:*.zvr"); },
        20000));
}

// Where the package is installed, its type and icon take precedence: the user's entries name
// that icon, bring none of their own and drop the single small picture earlier versions
// wrote. Elsewhere the icon comes along under that name, in every size and as the drawing.
TEST_F(RegisterFileType, NamesThePackagesIconAndBringsItOnlyWithoutThePackage) {
    const QString system = tmp.filePath("system"), stale = "/icons/hicolor/64x64/mimetypes/";
    ASSERT_TRUE(QDir().mkpath(system + "/mime/packages") && QDir().mkpath(dataHome + stale));
    ASSERT_TRUE(WriteAll(dataHome + stale + "application-x-zorvel-record.png", "png"));
    const QString package = system + "/mime/packages/invalid.quorvane.Quorvane.xml";
    for (const bool installed : {true, false}) {
        ASSERT_TRUE(installed ? WriteAll(package, "<mime-info/>") : QFile::remove(package));
        ScopedEnv dirs("XDG_DATA_DIRS", system);
        Register("/usr/games/quorvane");
        EXPECT_TRUE(Written("/applications/quorvane-zorfile.desktop")
                        .contains("\nIcon=invalid.quorvane.Quorvane\n"));
        EXPECT_EQ(Written("/mime/packages/quorvane-zorfile.xml")
                      .contains("<icon name=\"invalid.quorvane.Quorvane\"/>"),
                  !installed);
        EXPECT_EQ(Written(kApps.arg("scalable") + "svg").contains("<svg"), !installed);
        for (const int size : QuorvaneIconSizes())
            EXPECT_EQ(QImage(dataHome + kApps.arg(QString("%1x%1").arg(size)) + "png").size(),
                      installed ? QSize(0, 0) : QSize(size, size));
    }
    EXPECT_TRUE(QDir(dataHome + stale).isEmpty());
}

TEST_F(RegisterFileType, UnwritableDataHomeWritesNothingAndDoesNotCrash) {
    ASSERT_TRUE(WriteAll(dataHome, ""));  // a file where the folder belongs
    Register("/usr/games/quorvane");
    EXPECT_EQ(QFileInfo(dataHome).size(), 0);
    EXPECT_EQ(QDir(tmp.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{"data"});
}

// Each way the session ends the program, inside the computer's wait and inside a modal box:
// the quit routine registers the file type and ends the process with status 0 on the spot.
// A hang-up ignored from the start (nohup) stays ignored. A program whose path is not UTF-8
// registers no open command, which could only name some other file.
TEST_F(RegisterFileType, SignalsAndTheSessionManagerRunTheQuitRoutine) {
    const std::string foreign = tmp.filePath("probe").toStdString() + "\xe9";  // not UTF-8
    std::filesystem::copy_file(QUIT_PROBE_PATH, foreign);
    std::filesystem::create_symlink(foreign, tmp.filePath("probe").toStdString());
    const struct {
        const char* mode;
        int signal;  // 0: the session manager's quit, sent by the probe itself
        bool nohup = false;
        QString program = QUIT_PROBE_PATH;
    } cases[] = {{"wait", SIGTERM},        {"box", SIGTERM}, {"wait", SIGHUP},
                 {"box", SIGINT},          {"session", 0},   {"wait", SIGTERM, true},
                 {"box", SIGTERM, false, tmp.filePath("probe")}};
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        const QString data = tmp.filePath(QString("data-%1").arg(&c - cases));
        QProcess probe;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_DATA_HOME", data);
        probe.setProcessEnvironment(environment);
        if (c.nohup) probe.setChildProcessModifier([] { ::signal(SIGHUP, SIG_IGN); });
        probe.start(c.program, {c.mode});
        QByteArray out;
        while (!out.contains("ready") && probe.waitForReadyRead(20000)) out += probe.readAll();
        const QByteArray status = ReadAll(QString("/proc/%1/status").arg(probe.processId()));
        const QByteArray ignored = status.mid(status.indexOf("SigIgn:") + 7, 17).trimmed();
        EXPECT_EQ(ignored.toULongLong(nullptr, 16) >> (SIGHUP - 1) & 1, c.nohup);  // the kernel's
        if (c.signal != 0) ::kill(static_cast<pid_t>(probe.processId()), c.signal);
        ASSERT_TRUE(probe.waitForFinished(20000));
        EXPECT_TRUE(probe.exitStatus() == QProcess::NormalExit && probe.exitCode() == 0);
        EXPECT_EQ(out + probe.readAll(), "ready");
        EXPECT_TRUE(ReadAll(data + "/mime/packages/quorvane-zorfile.xml").contains("*.zvr"));
        EXPECT_EQ(ReadAll(data + "/applications/quorvane-zorfile.desktop").contains("/open %f"),
                  c.program == QUIT_PROBE_PATH);
    }
}

}  // namespace
