// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// libFuzzer target: a file's bytes through opening a record (items, trimming, splitting,
// validating, the board set-up) and replaying it to the end twice, and through the
// thumbnailer's picture of the same file, all judged by the referee.
// Each check is one call from LLVMFuzzerTestOneInput, so more paths over the same bytes are
// one line each.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "Notation.h"
#include "PictureGrid.h"
#include "RecordThumbnail.h"
#include "RecordText.h"
#include "Referee.h"
#include "Replay.h"

namespace {

[[noreturn]] void Fail(const char* what, const std::string& detail) {
    std::fprintf(stderr, "\n*** record fuzz invariant broken: %s\n%s\n", what, detail.c_str());
    std::abort();
}

// The window's share of a replay: the record box, the play timer and the message count.
struct Window : GameHost, ReplayHost {
    Game game{*this};
    Replay replay{game, *this, *this};
    std::string record;
    bool timer = false;
    int messages = 0;

    void RecordMove(char c, int16_t row, int16_t col) override {
        record = AppendMove(record, c, row, col);
    }
    void ShowMessage(const std::string&) override { ++messages; }
    void DrawDisc(char, int16_t, int16_t) override {}
    void MarkLastMove(int16_t, int16_t) override {}
    void RefreshStatus() override {}
    void ShowScore(Side, int16_t) override {}
    void SetStatusLine0(const std::string&) override {}
    void WaitMilliseconds(int32_t) override {}
    void SetPlayTimerEnabled(bool on) override { timer = on; }
    void SetReplayButtonEnabled(ReplayButton, bool) override {}
    void InitializeBoard(int16_t size) override {
        game.iBoardSize = size;
        record = HeaderToken(size) + " ";
        game.SetupBoard();
    }
    // Fast forward: ticks until the replay stops the timer; far more ticks than tokens is a hang.
    std::string FastForward() {
        timer = true;
        for (int ticks = 0; timer; ++ticks) {
            if (ticks > 700) Fail("the replay never stops", record);
            replay.Step();
        }
        return record + "|" + game.sBoard.ToString();
    }
};

// The referee's replay of a record that opens, written out as the program writes records
// for the referee's stricter reading; nothing for a record that does not open.
std::optional<ReplayResult> Judge(const ParsedRecord& parsed) {
    if (!parsed.valid) return std::nullopt;
    std::string canonical = HeaderToken(parsed.boardSize) + " ";
    for (std::size_t i = 1; i < parsed.tokens.size(); ++i) {
        const RecordedMove move = DecodeMoveToken(parsed.tokens[i]);
        canonical = AppendMove(canonical, move.side, move.row, move.col);
    }
    const auto judged = ReplayRecord(canonical);
    if (!judged) Fail("the referee refuses a record the program opens", parsed.text);
    return judged;
}

void CheckOpenAndReplay(const ParsedRecord& parsed, const ReplayResult& judged) {
    Window window;
    window.replay.Load(parsed.tokens);
    window.InitializeBoard(parsed.boardSize);
    const std::string first = window.FastForward();
    const auto played = ReplayRecord(window.record);
    if (!played || !played->error.empty() || played->moves != judged.moves ||
        played->position != judged.position)
        Fail("the replay differs from the referee's", parsed.text + "\nreplayed: " + window.record);
    if (window.game.sBoard.ToString() + "\n" != played->position.Grid())
        Fail("the board is not what the record text replays to", window.record);
    if (window.messages != (judged.error.empty() ? 0 : 1))
        Fail("a record error was shown wrongly or not at all", parsed.text);
    if (window.game.iDiscCount[kTrue] != 2 || window.game.iDiscCount[kFalse] != 2)
        Fail("replay changed the counts", window.record);
    window.replay.BackToStart();
    if (window.FastForward() != first) Fail("a second replay ended elsewhere", window.record);
}

// The picture is the referee's final board, cell by cell, at 8 pixels a cell; a record that
// does not open has none.
void CheckThumbnail(std::string_view bytes, const std::optional<ReplayResult>& judged) {
    const int side = judged ? judged->position.Size() : 8;
    const auto picture = RenderRecordThumbnail(bytes, std::max(8 * side, kMinThumbnailSize));
    const std::string drawn = picture ? PictureGrid(*picture, side) : "no picture\n";
    const std::string expected = judged ? judged->position.Grid() : "no picture\n";
    if (drawn != expected)
        Fail("the thumbnail is not the referee's final board",
             std::string(bytes.substr(0, 300)) + "\nreferee:\n" + expected + "drawn:\n" + drawn);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const ParsedRecord parsed = ParseRecordText(ReadRecordItems(bytes));
    const std::optional<ReplayResult> judged = Judge(parsed);
    if (judged) CheckOpenAndReplay(parsed, *judged);
    CheckThumbnail(bytes, judged);
    return 0;
}
