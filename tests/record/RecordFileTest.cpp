// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "RecordFile.h"
#include "TestFiles.h"

namespace {

// A save replaces the whole file or, failing, leaves it as it was.
TEST(RecordFile, SavesWholeLinesAndAFailedSaveKeepsTheOldFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("new.zvr");
    ASSERT_TRUE(WriteAll(path, QByteArray(5000, 'x')));
    ASSERT_TRUE(RecordFile::Save(path, "Size8 BE4 WD4 BD5 WE5 "));
    EXPECT_EQ(ReadAll(path), QByteArray("Size8 BE4 WD4 BD5 WE5 \r\n"));
    // No temporary file can be made beside so long a name, even by root.
    const QString longName = dir.filePath(QString(246, 'r') + ".zvr");
    ASSERT_TRUE(WriteAll(longName, "old\r\n"));
    EXPECT_FALSE(RecordFile::Save(longName, "Size8 "));
    EXPECT_EQ(ReadAll(longName), "old\r\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

TEST(RecordFile, RefusesFilesOverOneMebibyteAndWhatIsNoFile) {
    QTemporaryDir dir;
    QByteArray big(RecordFile::kMaxRecordFileBytes, ' ');
    big.replace(0, 6, "Size8 ");
    ASSERT_TRUE(WriteAll(dir.filePath("limit.zvr"), big));
    EXPECT_TRUE(RecordFile::ReadItems(dir.filePath("limit.zvr").toStdString()).has_value());
    ASSERT_TRUE(WriteAll(dir.filePath("big.zvr"), big + ' '));
    EXPECT_FALSE(RecordFile::ReadItems(dir.filePath("big.zvr").toStdString()).has_value());
    EXPECT_FALSE(RecordFile::ReadItems("/dev/zero").has_value());
}

}  // namespace
