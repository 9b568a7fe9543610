// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RecordFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QSaveFile>

#include "RecordText.h"

namespace RecordFile {

bool Save(const QString& path, const std::string& recordText) {
    if (path.isEmpty()) return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    QByteArray bytes(recordText.data(), static_cast<qsizetype>(recordText.size()));
    bytes.append("\r\n");
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

std::optional<QByteArray> ReadBytes(const std::filesystem::path& path) {
    // Opened without waiting, so that a FIFO cannot block the window, then measured through
    // the descriptor: only a plain file is read.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    struct stat info = {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size > kMaxRecordFileBytes) {
        ::close(fd);
        return std::nullopt;
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) return std::nullopt;
    // Read one byte past the limit, in case the file grew after it was measured.
    const QByteArray bytes = file.read(kMaxRecordFileBytes + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > kMaxRecordFileBytes)
        return std::nullopt;
    return bytes;
}

std::optional<std::string> ReadItems(const std::filesystem::path& path) {
    const std::optional<QByteArray> bytes = ReadBytes(path);
    if (!bytes) return std::nullopt;
    return ReadRecordItems(std::string_view(bytes->constData(), bytes->size()));
}

}  // namespace RecordFile
