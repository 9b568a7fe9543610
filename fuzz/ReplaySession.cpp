#include "ReplaySession.h"

#include <algorithm>

#include "Notation.h"

namespace {

const char* const kRecordError = "棋谱此处有误！";

std::size_t CellCount(const Game& game) {
    return static_cast<std::size_t>(game.iBoardSize) * static_cast<std::size_t>(game.iBoardSize);
}

}  // namespace

ReplaySession::ReplaySession() : game_(window_), replay_(game_, window_, window_) {
    window_.Attach(game_);
    window_.InitializeBoard(game_.iBoardSize);
    CheckFreshStart("start-up");
}

void ReplaySession::Fail(std::string_view what) const { FuzzFail(what, game_, window_.recordText); }

void ReplaySession::CheckFreshStart(std::string_view after) {
    const std::string where = " after " + std::string(after);
    if (window_.initializations != initializationsSeen_ + 1) {
        Fail("the board was not set up exactly once" + where);
    }
    initializationsSeen_ = window_.initializations;
    checker_.Restart();
    checker_.Check(game_, window_.recordText);
    if (checker_.TokenCount() != 5) Fail("more than the set-up tokens recorded" + where);
    if (game_.iDiscCount[kTrue] != 2 || game_.iDiscCount[kFalse] != 2) {
        Fail("disc counts other than 2 and 2" + where);
    }
}

void ReplaySession::CheckLoaded() {
    if (window_.initializations != initializationsSeen_) Fail("a step set the board up again");
    checker_.Check(game_, window_.recordText);
    if (!game_.bReplayMode) Fail("replay mode ended by itself");
    // Replay mode keeps the counts of the board set-up.
    if (game_.iDiscCount[kTrue] != 2 || game_.iDiscCount[kFalse] != 2) {
        Fail("disc counts changed during replay");
    }
    const int16_t pos = replay_.iReplayPos;
    if (pos < 0 || static_cast<std::size_t>(pos) > CellCount(game_) + 1) {
        Fail("iReplayPos outside 0 to n*n+1");
    }
    if (static_cast<std::size_t>(pos) > replay_.sRecordTokens.size()) {
        Fail("iReplayPos beyond the token after the last");
    }
    if (window_.events.waits != 0) Fail("replay waited");
}

void ReplaySession::Open(const ParsedRecord& record) {
    if (record.valid) {
        OpenValid(record);
    } else {
        OpenInvalid(record);
    }
}

void ReplaySession::OpenValid(const ParsedRecord& record) {
    // In the order of the window's open flow.
    replay_.Load(record.tokens);
    window_.buttons.fill(true);
    game_.iBoardSize = record.boardSize;
    window_.InitializeBoard(record.boardSize);
    game_.bReplayMode = true;
    replay_.iReplayPos = 0;
    if (game_.iBoardSize != record.boardSize) Fail("the board is not the record's size");
    CheckFreshStart("opening a record");
    CheckLoaded();
}

void ReplaySession::OpenInvalid(const ParsedRecord& record) {
    window_.recordText = InvalidRecordDisplay(record.text);
    game_.bReplayMode = false;
    replay_.Discard();
    window_.timerEnabled = false;
    window_.buttons.fill(false);
    const std::string board = game_.sBoard.ToString();
    const std::string shown = window_.recordText;
    // Nothing may ever apply an invalid record's tokens, whatever is pressed.
    window_.events = {};
    replay_.Step();
    replay_.BackToStart();
    replay_.Step();
    if (window_.events.draws || window_.events.records || window_.events.messages ||
        window_.events.marks || window_.initializations != initializationsSeen_) {
        Fail("the replay acted on an invalid record");
    }
    if (game_.sBoard.ToString() != board || window_.recordText != shown || window_.timerEnabled) {
        Fail("the replay changed the window after an invalid record");
    }
}

StepResult ReplaySession::Step() {
    // The record text only grows and the board always equals its replay (CheckLoaded), so
    // an unchanged length means an unchanged record and board.
    const std::size_t recordBefore = window_.recordText.size();
    const auto buttonsBefore = window_.buttons;

    // What the step should do: the next token from 5 on, up to the last and up to n*n.
    const std::size_t last = replay_.sRecordTokens.size() - 1;
    const std::size_t endIndex = std::min(last, CellCount(game_));
    const auto pos = static_cast<std::size_t>(std::max<int16_t>(replay_.iReplayPos, 0));
    const std::size_t next = std::max<std::size_t>(pos + 1, 5);
    const bool expectEnd = next > endIndex;
    bool expectLegal = false;
    std::string expectedToken;
    if (!expectEnd) {
        const RecordedMove move = DecodeMoveToken(replay_.sRecordTokens[next]);
        expectLegal = checker_.Board().IsLegal(move.side, move.row, move.col);
        expectedToken = MoveToken(move.side, move.row, move.col);
    }

    window_.events = {};
    replay_.Step();
    CheckLoaded();
    const WindowEvents& ev = window_.events;
    const bool unchanged = window_.recordText.size() == recordBefore;

    if (expectEnd) {
        if (ev.draws || ev.marks || ev.records || ev.messages || !unchanged) {
            Fail("a step past the end of the record changed something");
        }
        if (window_.timerEnabled) Fail("tmrPlay still runs at the end of the record");
        if (window_.buttons != buttonsBefore) Fail("a step changed the replay buttons");
        return StepResult::AtEnd;
    }
    if (static_cast<std::size_t>(replay_.iReplayPos) != next) Fail("the step skipped a token");
    if (expectLegal) {
        if (ev.messages) Fail("the replay refused a legal move");
        if (ev.records != 1 || ev.marks != 1 || ev.lastToken != expectedToken) {
            Fail("a replayed move was not recorded exactly once");
        }
        if (ev.draws < 2) Fail("a replayed move did not draw its disc and a turned disc");
        if (window_.buttons != buttonsBefore) Fail("a step changed the replay buttons");
        return StepResult::Played;
    }
    if (ev.messages != 1 || ev.lastMessage != kRecordError) {
        Fail("a refused move gave no record-error message");
    }
    if (ev.timerOnAtMessage) Fail("the record-error message showed while tmrPlay ran");
    if (ev.draws || ev.marks || ev.records || !unchanged) {
        Fail("a refused move changed the board or the record");
    }
    const std::array<bool, 5> errorButtons = {true, false, false, false, true};
    if (window_.buttons != errorButtons || window_.timerEnabled) {
        Fail("the record-error state has the wrong buttons or timer");
    }
    return StepResult::Refused;
}

PassResult ReplaySession::Result(StepResult last) const {
    return PassResult{last, game_.sBoard.ToString(), window_.recordText, replay_.iReplayPos};
}

PassResult ReplaySession::FastForward() {
    if (!window_.ButtonEnabled(ReplayButton::Bottom)) Fail("fast forward is disabled");
    window_.timerEnabled = true;
    const std::size_t maxTicks = CellCount(game_) + 2;
    StepResult last = StepResult::AtEnd;
    for (std::size_t ticks = 0; window_.timerEnabled; ++ticks) {
        if (ticks > maxTicks) Fail("fast forward never stops");
        last = Step();
    }
    if (last == StepResult::Played) Fail("tmrPlay stopped after a played move");
    return Result(last);
}

PassResult ReplaySession::StepThrough() {
    const std::size_t maxPresses = CellCount(game_) + 2;
    StepResult last = StepResult::AtEnd;
    for (std::size_t presses = 0; window_.ButtonEnabled(ReplayButton::StepPlay); ++presses) {
        if (presses > maxPresses) Fail("stepping never reaches the end of the record");
        last = Step();
        if (last == StepResult::AtEnd) {
            // Further steps at the end stop the timer again and change nothing else.
            if (Step() != StepResult::AtEnd || Step() != StepResult::AtEnd) {
                Fail("a step after the end played on");
            }
            break;
        }
    }
    return Result(last);
}

void ReplaySession::PressStep(int presses) {
    for (int i = 0; i < presses && window_.ButtonEnabled(ReplayButton::StepPlay); ++i) Step();
}

void ReplaySession::BackToStart() {
    if (!window_.ButtonEnabled(ReplayButton::Top)) Fail("back to start is disabled");
    const bool stop = window_.ButtonEnabled(ReplayButton::Stop);
    window_.timerEnabled = true;  // as if auto play were running
    window_.events = {};
    replay_.BackToStart();
    CheckFreshStart("back to start");
    CheckLoaded();
    if (replay_.iReplayPos != 0) Fail("back to start did not rewind iReplayPos");
    if (window_.timerEnabled) Fail("back to start left tmrPlay running");
    const std::array<bool, 5> expected = {true, true, true, true, stop};
    if (window_.buttons != expected) Fail("back to start set the wrong buttons");
}

void CheckSaveAndReopen(ReplaySession& session) {
    const Game& game = session.GameState();
    const std::string record = session.RecordText();
    const std::string board = game.sBoard.ToString();
    const ParsedRecord reopened = ParseRecordText(ReadRecordItems(record + "\r\n"));
    if (!reopened.valid || reopened.boardSize != game.iBoardSize) {
        FuzzFail("the record text does not open as a valid record of its size", game, record);
    }
    if (reopened.text != TrimSpaces(record)) {
        FuzzFail("opening changed the saved text", game, record);
    }

    session.Open(reopened);
    const PassResult result = session.FastForward();
    if (result.last != StepResult::AtEnd || result.record != record || result.board != board) {
        FuzzFail("replaying a saved record does not give it back", game, record);
    }
}
