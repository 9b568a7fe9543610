#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "RecordFile.h"
#include "RecordText.h"

namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

bool WriteAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

class RecordFileTest : public ::testing::Test {
  protected:
    QString Path(const QString& name) const { return dir_.filePath(name); }
    QTemporaryDir dir_;
};

TEST_F(RecordFileTest, SavesANewGameAsTwentyFourBytes) {
    const QString path = Path("new.zvr");
    ASSERT_TRUE(RecordFile::Save(path, "Size8 BE4 WD4 BD5 WE5 "));
    const QByteArray bytes = ReadAll(path);
    EXPECT_EQ(bytes.size(), 24);
    EXPECT_EQ(bytes, QByteArray("Size8 BE4 WD4 BD5 WE5 \r\n"));
    // Nothing is left behind in the folder but the record itself.
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"new.zvr"});

    const auto items = RecordFile::ReadItems(path);
    ASSERT_TRUE(items.has_value());
    const ParsedRecord record = ParseRecordText(*items);
    EXPECT_TRUE(record.valid);
    EXPECT_EQ(record.text, "Size8 BE4 WD4 BD5 WE5");
}

TEST_F(RecordFileTest, SaveReplacesAnExistingFileWhole) {
    const QString path = Path("old.zvr");
    ASSERT_TRUE(WriteAll(path, QByteArray(5000, 'x')));
    ASSERT_TRUE(RecordFile::Save(path, "Size3 BB1 WA1 BA2 WB2 "));
    EXPECT_EQ(ReadAll(path), QByteArray("Size3 BB1 WA1 BA2 WB2 \r\n"));
}

TEST_F(RecordFileTest, FailedSaveKeepsTheOldFile) {
    const QByteArray old("Size8 BE4 WD4 BD5 WE5 BD3 \r\n");

    // A name so long that no temporary file can be made beside it: fails even for root.
    const QString longName = QString(246, QLatin1Char('r')) + QStringLiteral(".zvr");
    ASSERT_TRUE(WriteAll(Path(longName), old));
    EXPECT_FALSE(RecordFile::Save(Path(longName), "Size8 "));
    EXPECT_EQ(ReadAll(Path(longName)), old);

    // A folder path through a regular file cannot be written by anyone.
    ASSERT_TRUE(WriteAll(Path("plain"), old));
    EXPECT_FALSE(RecordFile::Save(Path("plain/x.zvr"), "Size8 "));
    EXPECT_EQ(ReadAll(Path("plain")), old);
    // A folder standing where the file should be.
    ASSERT_TRUE(QDir(dir_.path()).mkdir("folder.zvr"));
    EXPECT_FALSE(RecordFile::Save(Path("folder.zvr"), "Size8 "));
    EXPECT_TRUE(QFileInfo(Path("folder.zvr")).isDir());
    EXPECT_FALSE(RecordFile::Save(QString(), "Size8 "));

    // A read-only folder stops everyone but root.
    if (::geteuid() != 0) {
        const QString locked = Path("locked");
        ASSERT_TRUE(QDir(dir_.path()).mkdir("locked"));
        ASSERT_TRUE(WriteAll(locked + "/old.zvr", old));
        QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner);
        EXPECT_FALSE(RecordFile::Save(locked + "/old.zvr", "Size8 "));
        EXPECT_EQ(ReadAll(locked + "/old.zvr"), old);
        QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
}

TEST_F(RecordFileTest, ReadsItemsOfQuotedCommaAndMultiLineFiles) {
    const QString path = Path("items.zvr");
    struct Case {
        QByteArray bytes;
        std::string items;
    };
    for (const Case& c :
         {Case{"\"Size8 BE4 \",\"WD4 BD5 WE5 \"\r\n", "Size8 BE4 WD4 BD5 WE5 "},
          Case{"Size8 BE4 WD4 BD5 WE5,xyz\r\n", "Size8 BE4 WD4 BD5 WE5xyz"},
          Case{"Size8 BE4 \r\nWD4 BD5 \nWE5", "Size8 BE4 WD4 BD5 WE5"}, Case{"", ""}}) {
        ASSERT_TRUE(WriteAll(path, c.bytes));
        EXPECT_EQ(RecordFile::ReadItems(path), c.items) << c.bytes.constData();
    }
    EXPECT_FALSE(ParseRecordText(*RecordFile::ReadItems(path)).valid);  // the empty file
}

TEST_F(RecordFileTest, RefusesWhatIsNoRecordFile) {
    EXPECT_FALSE(RecordFile::ReadItems(Path("missing.zvr")).has_value());
    EXPECT_FALSE(RecordFile::ReadItems(dir_.path()).has_value());
    EXPECT_FALSE(RecordFile::ReadItems(QStringLiteral("/dev/zero")).has_value());
    EXPECT_FALSE(RecordFile::ReadItems(QString()).has_value());

    QByteArray big(RecordFile::kMaxRecordFileBytes, ' ');
    big.replace(0, 6, "Size8 ");
    ASSERT_TRUE(WriteAll(Path("limit.zvr"), big));
    const auto atLimit = RecordFile::ReadItems(Path("limit.zvr"));
    ASSERT_TRUE(atLimit.has_value());
    EXPECT_EQ(ParseRecordText(*atLimit).text, "Size8");

    big.append(' ');
    ASSERT_TRUE(WriteAll(Path("big.zvr"), big));
    EXPECT_FALSE(RecordFile::ReadItems(Path("big.zvr")).has_value());
}

}  // namespace
