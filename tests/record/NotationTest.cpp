#include <gtest/gtest.h>

#include "Notation.h"

namespace {

TEST(Notation, WritesTokensAndTheRecordText) {
    EXPECT_EQ(MoveToken('B', 4, 5), "BE4");
    EXPECT_EQ(MoveToken('B', 3, 4), "BD3");
    EXPECT_EQ(MoveToken('W', 26, 26), "WZ26");
    EXPECT_EQ(MoveToken('W', 10, 1), "WA10");
    EXPECT_EQ(HeaderToken(8), "Size8");
    EXPECT_EQ(HeaderToken(19), "Size19");

    // The 3 by 3 set-up touches the border: rows and columns 1 and 2.
    std::string record = HeaderToken(3) + " ";
    record = AppendMove(record, 'B', 1, 2);
    record = AppendMove(record, 'W', 1, 1);
    record = AppendMove(record, 'B', 2, 1);
    record = AppendMove(record, 'W', 2, 2);
    EXPECT_EQ(record, "Size3 BB1 WA1 BA2 WB2 ");
}

TEST(Notation, HeaderTest) {
    for (const char* header :
         {"Size8", "Size26", "Size03", "Size+9", "Size08", "Size8.", "Size3"}) {
        EXPECT_TRUE(ParseHeaderToken(header).has_value()) << header;
    }
    EXPECT_EQ(ParseHeaderToken("Size8"), 8);
    EXPECT_EQ(ParseHeaderToken("Size08"), 8);
    EXPECT_EQ(ParseHeaderToken("Size+9"), 9);
    EXPECT_EQ(ParseHeaderToken("Size8."), 8);
    EXPECT_EQ(ParseHeaderToken("Size26"), 26);

    for (const char* header : {"size8", "SIZE8", "Size", "Size2", "Size27", "Size100", "Sz8",
                               "Size8x", "", "Siz", "Size+", "Size.", "Size+.", "Size-8", "Size 8",
                               "Size8 ", "Size8,", "Size1e1", "Size0x8", "Size++8", "Size8..",
                               // The header is at most six characters long, whatever its number.
                               "Size+08", "Size+26", "Size26.", "Size\t8", "Size00"}) {
        EXPECT_FALSE(ParseHeaderToken(header).has_value()) << '"' << header << '"';
    }
}

TEST(Notation, MoveTokenTest) {
    for (const char* token :
         {"BE4", "WZ26", "BA07", "BA+7", "BA7.", "BZ26", "WA1", "BA1.", "WZ+9", "BA01"}) {
        EXPECT_TRUE(IsValidMoveToken(token)) << token;
    }
    for (const char* token : {"be4",  "Bd4",  "XE4",  "BE0",  "BE27", "B4E",  "BE",   "BE100",
                              "BE4x", "",     "B",    "wE4",  "B@4",  "B[4",  "BE00", "BE+",
                              "BE.",  "BE-4", "BE 4", "B E4", "BE4 ", "BE1e", "BE0x"}) {
        EXPECT_FALSE(IsValidMoveToken(token)) << '"' << token << '"';
    }
    // A NUL inside the token must not end the test early.
    EXPECT_FALSE(IsValidMoveToken(std::string_view("BE4\0", 4)));
}

TEST(Notation, DecodesEveryAcceptedRowForm) {
    struct Case {
        const char* token;
        char side;
        int16_t row;
        int16_t col;
    };
    for (const Case& c :
         {Case{"BE4", 'B', 4, 5}, Case{"WZ26", 'W', 26, 26}, Case{"BA07", 'B', 7, 1},
          Case{"BA+7", 'B', 7, 1}, Case{"BA7.", 'B', 7, 1}, Case{"WH1", 'W', 1, 8}}) {
        const RecordedMove move = DecodeMoveToken(c.token);
        EXPECT_EQ(move.side, c.side) << c.token;
        EXPECT_EQ(move.row, c.row) << c.token;
        EXPECT_EQ(move.col, c.col) << c.token;
        EXPECT_EQ(MoveToken(move.side, move.row, move.col).substr(0, 2),
                  std::string(c.token).substr(0, 2));
    }
}

TEST(Notation, SplitsAtEverySingleSpace) {
    using Tokens = std::vector<std::string>;
    EXPECT_EQ(SplitRecord("Size8 BE4 WD4 BD5 WE5 "), (Tokens{"Size8", "BE4", "WD4", "BD5", "WE5"}));
    EXPECT_EQ(SplitRecord("   Size8 BE4   "), (Tokens{"Size8", "BE4"}));
    EXPECT_EQ(SplitRecord("Size8 BE4  WD4"), (Tokens{"Size8", "BE4", "", "WD4"}));
    EXPECT_EQ(SplitRecord(""), Tokens{});
    EXPECT_EQ(SplitRecord("     "), Tokens{});
    // Only code 32 separates and trims; tabs and line breaks stay inside tokens.
    EXPECT_EQ(SplitRecord("\tSize8 BE4\r\n"), (Tokens{"\tSize8", "BE4\r\n"}));
    EXPECT_EQ(TrimSpaces("  a b  "), "a b");
    EXPECT_EQ(TrimSpaces("\ta\t"), "\ta\t");
    EXPECT_EQ(TrimSpaces("   "), "");
}

}  // namespace
