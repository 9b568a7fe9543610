// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "RecordFile.h"

#include <QFile>
#include <QFileInfo>
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

std::optional<QByteArray> ReadBytes(const QString& path) {
    // Only plain files: a FIFO or a device could block the window or never end.
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > kMaxRecordFileBytes) return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    // Read one byte past the limit, in case the file grew after it was measured.
    const QByteArray bytes = file.read(kMaxRecordFileBytes + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > kMaxRecordFileBytes)
        return std::nullopt;
    return bytes;
}

std::optional<std::string> ReadItems(const QString& path) {
    const std::optional<QByteArray> bytes = ReadBytes(path);
    if (!bytes) return std::nullopt;
    return ReadRecordItems(std::string_view(bytes->constData(), bytes->size()));
}

}  // namespace RecordFile
