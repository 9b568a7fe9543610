#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTest>
#include <cstdlib>

// Sets an environment variable for one test and puts the old value back afterwards.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, const QByteArray& value)
        : name_(name), hadValue_(qEnvironmentVariableIsSet(name)), oldValue_(qgetenv(name)) {
        qputenv(name, value);
    }
    ~ScopedEnv() {
        if (hadValue_) {
            qputenv(name_, oldValue_);
        } else {
            qunsetenv(name_);
        }
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

  private:
    const char* name_;
    bool hadValue_;
    QByteArray oldValue_;
};

inline QString ReadText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return QString();
    return QString::fromUtf8(file.readAll());
}

// The value of `key` in the [Desktop Entry] group, as written in the file.
inline QString DesktopValue(const QString& entryText, const QString& key) {
    for (const QString& line : entryText.split(u'\n')) {
        if (line.startsWith(key + u'=')) return line.mid(key.size() + 1);
    }
    return QString();
}

inline bool WriteExecutable(const QString& path, const QByteArray& script) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write(script);
    file.close();
    return file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                               QFile::ReadGroup | QFile::ExeGroup);
}

// The registration refreshes the desktop's databases in detached processes. A test waits
// for every process whose command line names its temporary folder to end before removing
// the folder, or they would write into it while it goes away.
inline bool WaitForProcessesNaming(const QString& text, int timeoutMs = 20000) {
    const QByteArray needle = text.toLocal8Bit();
    return QTest::qWaitFor(
        [&] {
            const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs);
            for (const QString& entry : entries) {
                bool isPid = false;
                entry.toInt(&isPid);
                if (!isPid) continue;
                QFile commandLine(QStringLiteral("/proc/") + entry + QStringLiteral("/cmdline"));
                if (commandLine.open(QIODevice::ReadOnly) &&
                    commandLine.readAll().contains(needle)) {
                    return false;
                }
            }
            return true;
        },
        timeoutMs);
}
