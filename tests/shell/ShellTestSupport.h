#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// Sets an environment variable for one test; the test main sets every variable we touch.
struct ScopedEnv {
    ScopedEnv(const char* name, const QString& value) : name(name), old(qgetenv(name)) {
        qputenv(name, value.toLocal8Bit());
    }
    ~ScopedEnv() { qputenv(name, old); }
    const char* name;
    QByteArray old;
};

inline QString ReadText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The value of `key` in a desktop entry, as written in the file.
inline QString DesktopValue(const QString& entry, const QString& key) {
    for (const QString& line : entry.split(u'\n'))
        if (line.startsWith(key + u'=')) return line.mid(key.size() + 1);
    return QString();
}

inline bool WriteExecutable(const QString& path, const QByteArray& script) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(script) != script.size()) return false;
    file.close();
    return file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// A temporary folder for $XDG_DATA_HOME. Registration refreshes the desktop's databases in
// detached processes: the folder stays until those naming it end, or they would write into
// it as it goes away.
class DataHomeTest : public ::testing::Test {
  protected:
    void TearDown() override {
        EXPECT_TRUE(QTest::qWaitFor(
            [needle = tmp.path().toLocal8Bit()] {
                for (const QString& pid : QDir("/proc").entryList({"[0-9]*"}, QDir::Dirs)) {
                    QFile commandLine("/proc/" + pid + "/cmdline");
                    if (commandLine.open(QIODevice::ReadOnly) &&
                        commandLine.readAll().contains(needle))
                        return false;
                }
                return true;
            },
            20000));
    }
    // An empty file where the folder belongs.
    void MakeDataHomeUnwritable() { ASSERT_TRUE(QFile(dataHome).open(QIODevice::WriteOnly)); }
    void ExpectNothingWritten() {
        EXPECT_EQ(QFileInfo(dataHome).size(), 0);
        EXPECT_EQ(QDir(tmp.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                  QStringList{"data"});
    }

    QTemporaryDir tmp;
    QString dataHome = tmp.filePath("data");
};
