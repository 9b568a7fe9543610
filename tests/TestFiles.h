// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <filesystem>

// A temporary folder that goes with all it holds, also names that are not UTF-8, which Qt
// never lists and so cannot remove.
struct TempDir : QTemporaryDir {
    ~TempDir() { std::error_code e; std::filesystem::remove_all(path().toStdString(), e); }
};

// Sets an environment variable for one scope; the test main sets every variable we touch.
struct ScopedEnv {
    ScopedEnv(const char* name, const QString& value) : name(name), old(qgetenv(name)) {
        qputenv(name, value.toLocal8Bit());
    }
    ~ScopedEnv() { qputenv(name, old); }
    const char* name;
    QByteArray old;
};

inline QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Whether all of `bytes` went in; the file made executable if asked.
inline bool WriteAll(const QString& path, const QByteArray& bytes, bool executable = false) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) return false;
    return !executable ||
           file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}
