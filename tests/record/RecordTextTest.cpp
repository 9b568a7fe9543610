// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "Notation.h"
#include "RecordText.h"

namespace {

using Tokens = std::vector<std::string>;

TEST(Notation, TokensAndHeadersReadAndWritten) {
    for (auto [token, written] : {std::pair{"BE4", "BE4"}, {"WZ26", "WZ26"}, {"BA07", "BA7"},
                                  {"BA+7", "BA7"}, {"BA7.", "BA7"}}) {
        ASSERT_TRUE(IsValidMoveToken(token)) << token;
        const RecordedMove move = DecodeMoveToken(token);
        EXPECT_EQ(MoveToken(move.side, move.row, move.col), written) << token;
    }
    for (const char* token :
         {"be4", "Bd4", "XE4", "BE0", "BE27", "B4E", "BE", "BE100", "BE4x", "", "BE+", "BE-4"})
        EXPECT_FALSE(IsValidMoveToken(token)) << '"' << token << '"';
    for (auto [header, size] :
         {std::pair{"Size8", 8}, {"Size26", 26}, {"Size03", 3}, {"Size+9", 9}})
        EXPECT_EQ(ParseHeaderToken(header), size) << header;
    for (const char* header : {"size8", "SIZE8", "Size", "Size2", "Size27", "Size100", "Sz8",
                               "Size8x", "Size-8", "Size 8"})
        EXPECT_FALSE(ParseHeaderToken(header).has_value()) << '"' << header << '"';
    EXPECT_EQ(AppendMove(HeaderToken(26) + " ", 'W', 26, 26), "Size26 WZ26 ");
}

TEST(RecordText, ReadsItemsSplitsAndParses) {
    for (auto [bytes, items] : {std::pair<std::string, std::string>{"Size8 BE4 \r\n", "Size8 BE4 "},
                                {"Size8 BE4", "Size8 BE4"},  // the last line without its line end
                                {"Size8 BE4,xyz\r\n", "Size8 BE4xyz"},
                                {"Size8 BE4\r\nWD4 \n \tBD5", "Size8 BE4WD4 BD5"},
                                {"\"a,b\"\r\n\"c\r\nd\"", "a,bc\r\nd"},
                                {"  \" spaced \" ", " spaced "},
                                {"\"Size8 BE4\r\n", "Size8 BE4\r\n"}}) {
        EXPECT_EQ(ReadRecordItems(bytes), items) << bytes;
    }
    EXPECT_EQ(SplitRecord(" Size8 BE4  WD4 "), (Tokens{"Size8", "BE4", "", "WD4"}));
    EXPECT_EQ(SplitRecord("   "), Tokens{});
    EXPECT_EQ(SplitRecord("Size8\tBE4\r\n"), Tokens{"Size8\tBE4\r\n"});
    EXPECT_EQ(ParseRecordText("Size+9 BA07 WA+7 BA7. BZ26").boardSize, 9);
    const ParsedRecord record = ParseRecordText(" size8 BE4 ");
    EXPECT_FALSE(record.valid);
    EXPECT_EQ(InvalidRecordDisplay(record.text), "size8 BE4\r\n(Invalid)");
}

}  // namespace
