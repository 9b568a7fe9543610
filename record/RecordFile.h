// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <filesystem>
#include <optional>
#include <string>

// Record files on disk: one line of record text ended by CR LF.
namespace RecordFile {

// No valid record comes anywhere near this size; larger files are refused unread.
inline constexpr qint64 kMaxRecordFileBytes = 1024 * 1024;

// Writes the text and CR LF through a temporary file renamed over the target, so a failed
// save never harms the file it was to replace. False on any failure.
bool Save(const QString& path, const std::string& recordText);

// The bytes of a plain file, or nothing when it is not one, cannot be opened or read, or is
// larger than kMaxRecordFileBytes. The path is the file system's own bytes, never text, so
// a name that is not UTF-8 (a record copied from Windows, say) is found as it is.
std::optional<QByteArray> ReadBytes(const std::filesystem::path& path);

// The items of the file joined (ReadRecordItems), or nothing when ReadBytes gives nothing.
std::optional<std::string> ReadItems(const std::filesystem::path& path);

}  // namespace RecordFile
