#include <gtest/gtest.h>

#include "BoardSizeEntry.h"

TEST(BoardSizeEntry, NumbersAsPeopleTypeThem) {
    EXPECT_EQ(ParseBoardSizeEntry("12"), 12);
    EXPECT_EQ(ParseBoardSizeEntry("  12  "), 12);
    EXPECT_EQ(ParseBoardSizeEntry("+12"), 12);
    EXPECT_EQ(ParseBoardSizeEntry("12."), 12);
    EXPECT_EQ(ParseBoardSizeEntry(".5e2"), 26);
    EXPECT_EQ(ParseBoardSizeEntry("1.2E1"), 12);
    EXPECT_EQ(ParseBoardSizeEntry("3.5"), 4);   // halves go to the even neighbour
    EXPECT_EQ(ParseBoardSizeEntry("4.5"), 4);
    EXPECT_EQ(ParseBoardSizeEntry("-0"), 3);
    EXPECT_EQ(ParseBoardSizeEntry("26.4"), 26);
    EXPECT_EQ(ParseBoardSizeEntry("26.6"), 26);
}

TEST(BoardSizeEntry, AnythingElseIsNotANumber) {
    for (const char* entry : {"", "   ", "abc", "1 2", "1e", "e5", "+", ".", "--3", "0x10", "nan",
                              "inf", "١٢", "12abc"}) {
        EXPECT_EQ(ParseBoardSizeEntry(QString::fromUtf8(entry)), std::nullopt) << entry;
    }
}
