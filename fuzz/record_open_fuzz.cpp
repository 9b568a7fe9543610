// libFuzzer target: a file's bytes through the whole record-opening path of the window
// (items, trimming, splitting, validating, the board set-up) and then every way of replaying
// it, with the invariants of the board, the record text and the replay position checked
// after each call. No Qt: the window is FuzzWindow.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "Notation.h"
#include "RecordOracle.h"
#include "RecordText.h"
#include "ReplaySession.h"

namespace {

[[noreturn]] void ParseFail(const char* what, const ParsedRecord& record) {
    std::fprintf(stderr, "\n*** record fuzz invariant broken: %s\ntext: [%s]\n", what,
                 record.text.c_str());
    std::abort();
}

// The split, the header test and the token test agree with each other and with the
// notation the program writes.
void CheckParse(const ParsedRecord& record) {
    const std::string& text = record.text;
    if (!text.empty() && (text.front() == ' ' || text.back() == ' ')) {
        ParseFail("text keeps outer spaces", record);
    }
    // Joined by single spaces and free of spaces themselves, the tokens are the text's split.
    std::string joined;
    joined.reserve(text.size());
    for (std::size_t i = 0; i < record.tokens.size(); ++i) {
        if (record.tokens[i].find(' ') != std::string::npos) {
            ParseFail("a token holds a space", record);
        }
        if (i > 0) joined += ' ';
        joined += record.tokens[i];
    }
    if (joined != text || (text.empty() != record.tokens.empty())) {
        ParseFail("tokens are not the text cut at single spaces", record);
    }

    bool valid = !record.tokens.empty();
    if (valid) {
        const auto side = ParseHeaderToken(record.tokens[0]);
        valid = side.has_value();
        if (side && (*side < kMinBoardSize || *side > kMaxBoardSize ||
                     ParseHeaderToken(HeaderToken(*side)) != side)) {
            ParseFail("an accepted header has a side the program cannot write", record);
        }
        if (record.valid && side != record.boardSize) {
            ParseFail("boardSize is not the header's", record);
        }
    }
    for (std::size_t i = 1; valid && i < record.tokens.size(); ++i) {
        const std::string& token = record.tokens[i];
        valid = IsValidMoveToken(token);
        if (!valid) break;
        const RecordedMove move = DecodeMoveToken(token);
        if ((move.side != kBlack && move.side != kWhite) || move.row < 1 ||
            move.row > kMaxBoardSize || move.col < 1 || move.col > kMaxBoardSize) {
            ParseFail("an accepted token decodes off the notation's board", record);
        }
        const std::string canonical = MoveToken(move.side, move.row, move.col);
        if (!IsValidMoveToken(canonical) || DecodeMoveToken(canonical).row != move.row) {
            ParseFail("an accepted token does not survive being written again", record);
        }
    }
    if (valid != record.valid) ParseFail("valid disagrees with the header and token tests", record);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const ParsedRecord record = ParseRecordText(ReadRecordItems(bytes));
    CheckParse(record);

    ReplaySession session;
    session.Open(record);
    if (!record.valid) return 0;

    const PassResult first = session.FastForward();
    session.BackToStart();
    const PassResult second = session.StepThrough();
    if (second != first) {
        FuzzFail("a second replay after back to start ended elsewhere", session.GameState(),
                 session.RecordText());
    }
    // Saved as it stands and opened again during the replay, the record replays to itself.
    CheckSaveAndReopen(session);
    session.BackToStart();
    session.PressStep(3);
    // An invalid record opened during the replay: its tokens must never reach the board.
    session.Open(ParseRecordText(""));
    return 0;
}
