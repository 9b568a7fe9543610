#include <gtest/gtest.h>

#include "CorpusFiles.h"
#include "RecordText.h"

namespace {

TEST(ReadRecordItems, ReadsWhatSaveWrites) {
    EXPECT_EQ(ReadRecordItems("Size8 BE4 WD4 BD5 WE5 \r\n"), "Size8 BE4 WD4 BD5 WE5 ");
    // The last line is read even without its line end.
    EXPECT_EQ(ReadRecordItems("Size8 BE4 WD4 BD5 WE5"), "Size8 BE4 WD4 BD5 WE5");
    EXPECT_EQ(ReadRecordItems(""), "");
    EXPECT_EQ(ReadRecordItems("\r\n\r\n  \t\n"), "");
}

TEST(ReadRecordItems, JoinsItemsAcrossCommasAndLines) {
    EXPECT_EQ(ReadRecordItems("Size8 BE4 WD4 BD5 WE5,xyz\r\n"), "Size8 BE4 WD4 BD5 WE5xyz");
    EXPECT_EQ(ReadRecordItems("Size8 BE4 WD4 BD5\r\nWE5 \r\n"), "Size8 BE4 WD4 BD5WE5 ");
    EXPECT_EQ(ReadRecordItems("Size8 BE4 \r\nWD4 BD5 WE5 \r\n"), "Size8 BE4 WD4 BD5 WE5 ");
    // Bare CR and bare LF both end a line; blanks before an item are skipped, after it kept.
    EXPECT_EQ(ReadRecordItems("a \rb \n \t c\t"), "a b c\t");
    EXPECT_EQ(ReadRecordItems(",,a,,b,"), "ab");
}

TEST(ReadRecordItems, QuotedItemsKeepCommasAndLineBreaks) {
    EXPECT_EQ(ReadRecordItems("\"Size8 BE4 WD4 BD5 WE5 \"\r\n"), "Size8 BE4 WD4 BD5 WE5 ");
    EXPECT_EQ(ReadRecordItems("\"a,b\"\r\n\"c\r\nd\""), "a,bc\r\nd");
    EXPECT_EQ(ReadRecordItems("  \"  spaced  \"  "), "  spaced  ");
    EXPECT_EQ(ReadRecordItems("\"a\",\"b\""), "ab");
    EXPECT_EQ(ReadRecordItems("\"\""), "");
    // An unclosed quote runs to the end of the file.
    EXPECT_EQ(ReadRecordItems("\"Size8 BE4\r\n"), "Size8 BE4\r\n");
}

TEST(ReadRecordItems, PassesOtherBytesThrough) {
    const std::string bytes("Size8\0 B\xE9\xFF", 10);
    EXPECT_EQ(ReadRecordItems(bytes), bytes);
}

TEST(ParseRecordText, ValidRecords) {
    const ParsedRecord record = ParseRecordText("  Size8 BE4 WD4 BD5 WE5 BD3 ");
    EXPECT_TRUE(record.valid);
    EXPECT_EQ(record.boardSize, 8);
    EXPECT_EQ(record.text, "Size8 BE4 WD4 BD5 WE5 BD3");
    EXPECT_EQ(record.tokens,
              (std::vector<std::string>{"Size8", "BE4", "WD4", "BD5", "WE5", "BD3"}));

    // The header alone and tokens beyond the board are still a valid record.
    EXPECT_TRUE(ParseRecordText("Size3").valid);
    EXPECT_TRUE(ParseRecordText("Size8 BZ26").valid);
    EXPECT_EQ(ParseRecordText("Size+9 BA07 WA+7 BA7.").boardSize, 9);
}

TEST(ParseRecordText, InvalidRecords) {
    for (const char* text :
         {"", "   ", "size8 BE4", "Siz BE4", "Size BE4", "Size8 BE4  WD4", "Size8 BE4 WD4 BD5WE5",
          "Size8 BE4 be4", "BE4 WD4", "Size8 BE4 WD4 BD5 WE5xyz", "Size8\tBE4"}) {
        const ParsedRecord record = ParseRecordText(text);
        EXPECT_FALSE(record.valid) << '"' << text << '"';
        EXPECT_EQ(record.boardSize, 0) << text;
    }
    // The text is kept for the "(Invalid)" display, trimmed of spaces only.
    EXPECT_EQ(ParseRecordText(" size8 BE4 ").text, "size8 BE4");
    EXPECT_EQ(InvalidRecordDisplay("size8 BE4"), "size8 BE4\r\n(Invalid)");
    EXPECT_EQ(InvalidRecordDisplay(""), "\r\n(Invalid)");
}

// Every sample named invalid-* must be refused and every other one accepted, so the corpus
// stays honest as seeds for fuzzing and end-to-end runs.
TEST(ParseRecordText, CorpusFiles) {
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(CorpusPath(""))) {
        const std::string name = entry.path().filename().string();
        const bool expectValid = name.rfind("invalid-", 0) != 0;
        const ParsedRecord record = ParseRecordText(ReadRecordItems(ReadCorpusBytes(name)));
        EXPECT_EQ(record.valid, expectValid) << name << ": " << record.text;
        ++files;
    }
    EXPECT_GE(files, 10);

    EXPECT_EQ(ParseRecordText(ReadRecordItems(ReadCorpusBytes("size-12.zvr"))).boardSize, 12);
    EXPECT_EQ(ParseRecordText(ReadRecordItems(ReadCorpusBytes("multiline-quoted-8.zvr"))).text,
              "Size8 BE4 WD4 BD5 WE5 BD3 WC3");
    EXPECT_EQ(ParseRecordText(ReadRecordItems(ReadCorpusBytes("invalid-comma.zvr"))).text,
              "Size8 BE4 WD4 BD5 WE5BD3");
}

}  // namespace
