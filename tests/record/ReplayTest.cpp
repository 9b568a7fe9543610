#include <gtest/gtest.h>

#include <algorithm>

#include "CorpusFiles.h"
#include "FakeHosts.h"
#include "RecordText.h"
#include "Replay.h"

namespace {

const char* const kStart8 =
    "........\n........\n........\n...WB...\n...BW...\n........\n........\n........";

// Opens a corpus record the way the window does after a valid open.
class ReplayTest : public ::testing::Test {
  protected:
    void Open(const std::string& name) {
        const ParsedRecord record = ParseRecordText(ReadRecordItems(ReadCorpusBytes(name)));
        ASSERT_TRUE(record.valid) << name;
        for (ReplayButton button :
             {ReplayButton::Top, ReplayButton::StepPlay, ReplayButton::AutoPlay,
              ReplayButton::Bottom, ReplayButton::Stop})
            replayHost.SetReplayButtonEnabled(button, true);
        game.iBoardSize = record.boardSize;
        replayHost.InitializeBoard(record.boardSize);
        replay.Load(record.tokens);
        log.clear();
    }

    // Steps like a running timer until the replay stops it, at most `limit` ticks.
    int RunTimer(int limit = 1000) {
        replayHost.SetPlayTimerEnabled(true);
        int ticks = 0;
        while (replayHost.timerEnabled && ticks < limit) {
            replay.Step();
            ++ticks;
        }
        return ticks;
    }

    int Messages() const {
        return static_cast<int>(std::count_if(log.begin(), log.end(), [](const std::string& s) {
            return s.rfind("message", 0) == 0;
        }));
    }

    CallLog log;
    FakeGameHost gameHost{log};
    Game game{gameHost};
    FakeReplayHost replayHost{log, game, gameHost};
    Replay replay{game, gameHost, replayHost};
};

TEST_F(ReplayTest, RecordOfANewGamePlaysNothing) {
    Open("new-game-8.zvr");
    EXPECT_TRUE(game.bReplayMode);
    replay.Step();
    replay.Step();
    EXPECT_EQ(game.sBoard.ToString(), kStart8);
    EXPECT_EQ(gameHost.recordText, "Size8 BE4 WD4 BD5 WE5 ");
    EXPECT_EQ(log, (CallLog{"timer off", "timer off"}));
    EXPECT_EQ(replayHost.ButtonStates(), "11111");
}

TEST_F(ReplayTest, FirstStepPlaysTheFirstRealMoveForItsSide) {
    Open("side-moves-twice-8.zvr");
    replay.Step();
    EXPECT_EQ(replay.iReplayPos, 5);
    EXPECT_EQ(gameHost.recordText, "Size8 BE4 WD4 BD5 WE5 BD3 ");
    EXPECT_EQ(log, (CallLog{"draw BD4", "draw BD3", "mark -D3"}));
    EXPECT_EQ(game.sSideLetter[kTrue], 'B');
    EXPECT_EQ(game.sSideLetter[kFalse], 'W');
    EXPECT_EQ(game.sSideColour[kTrue], "白棋");
    EXPECT_EQ(game.sSideColour[kFalse], "黑棋");
    EXPECT_EQ(game.bPlayerTurn, kTrue);
    // Replay mode keeps the counts of the set-up.
    EXPECT_EQ(game.iDiscCount[kTrue], 2);
    EXPECT_EQ(game.iDiscCount[kFalse], 2);
}

// White moves twice although black had moves: replay applies each token for its own side.
TEST_F(ReplayTest, TokenForTheSideWithoutTheTurnIsPlayedWhenLegal) {
    Open("side-moves-twice-8.zvr");
    EXPECT_EQ(RunTimer(), 5);
    EXPECT_EQ(Messages(), 0);
    EXPECT_EQ(game.sBoard.ToString(),
              "...B....\n...B....\n..WB....\n...BB...\n...BW...\n........\n........\n........");
    EXPECT_EQ(game.sSideColour[kTrue], "白棋");  // the last token was black's
    EXPECT_EQ(gameHost.recordText, "Size8 BE4 WD4 BD5 WE5 BD3 WC3 WD2 BD1 ");
}

TEST_F(ReplayTest, WholeGameEndsWithTheFileTextAndTheTimerOff) {
    Open("whole-game-8.zvr");
    RunTimer();
    EXPECT_EQ(Messages(), 0);
    EXPECT_FALSE(replayHost.timerEnabled);
    EXPECT_EQ(replayHost.ButtonStates(), "11111");
    const std::string file = ReadCorpusBytes("whole-game-8.zvr");
    EXPECT_EQ(gameHost.recordText + "\r\n", file);
    EXPECT_EQ(game.sBoard.ToString(),
              "WWWWWWWW\nWWBWWWWW\nWBWBWBWW\nWWBWWBWW\nWWWWWBWW\nWWBWWWWW\nWBWBBWWW\nBWWWWWWW");

    // Further steps only stop the timer again; the position cannot creep towards overflow.
    const int16_t end = replay.iReplayPos;
    for (int i = 0; i < 40000; ++i) replay.Step();
    EXPECT_EQ(replay.iReplayPos, end);
    EXPECT_EQ(gameHost.recordText + "\r\n", file);
}

TEST_F(ReplayTest, TokensBeyondTheLastCellAreNeverPlayed) {
    Open("too-many-tokens-6.zvr");
    ASSERT_GT(replay.sRecordTokens.size(), 37u);
    RunTimer();
    EXPECT_EQ(Messages(), 0);
    EXPECT_EQ(game.sBoard.ToString(), "BBBBBB\nBBBWWW\nBWWWWW\nBWWBWW\nBBBBBW\nBBBBBW");
    EXPECT_EQ(SplitRecord(gameHost.recordText).size(), 37u);  // header and 36 tokens
}

TEST_F(ReplayTest, OccupiedCellIsARecordError) {
    Open("occupied-cell-8.zvr");
    replay.Step();
    replay.Step();
    const std::string before = game.sBoard.ToString();
    const std::string recordBefore = gameHost.recordText;
    log.clear();

    // The error comes during auto play: the timer must be off before the box opens.
    bool timerOnDuringMessage = true;
    gameHost.onMessage = [&] { timerOnDuringMessage = replayHost.timerEnabled; };
    replayHost.SetPlayTimerEnabled(true);
    log.clear();
    replay.Step();
    EXPECT_FALSE(timerOnDuringMessage);
    EXPECT_EQ(log, (CallLog{"timer off", "message 棋谱此处有误！"}));
    EXPECT_EQ(replayHost.ButtonStates(), "10001");
    EXPECT_EQ(game.sBoard.ToString(), before);
    EXPECT_EQ(gameHost.recordText, recordBefore);
    EXPECT_EQ(replay.iReplayPos, 7);
}

TEST_F(ReplayTest, MoveOutsideTheBoardIsARecordError) {
    Open("outside-board-8.zvr");
    replay.Step();
    EXPECT_EQ(log, (CallLog{"timer off", "message 棋谱此处有误！"}));
    EXPECT_EQ(replayHost.ButtonStates(), "10001");
    EXPECT_EQ(game.sBoard.ToString(), kStart8);
    EXPECT_EQ(gameHost.recordText, "Size8 BE4 WD4 BD5 WE5 ");

    // Every edge of the board, and a side letter that is no side at all.
    for (auto [row, col] : {std::pair<int16_t, int16_t>{0, 4}, {9, 4}, {4, 0}, {4, 9}, {-1, -1}}) {
        log.clear();
        replay.PlayRecordedMove('W', row, col);
        EXPECT_EQ(Messages(), 1) << row << "," << col;
    }
    log.clear();
    replay.PlayRecordedMove('X', 3, 4);
    EXPECT_EQ(Messages(), 1);
    EXPECT_EQ(game.sBoard.ToString(), kStart8);
}

TEST_F(ReplayTest, BackToStartAfterAnErrorRunsIntoTheSameError) {
    Open("occupied-cell-8.zvr");
    RunTimer();
    ASSERT_EQ(Messages(), 1);
    ASSERT_EQ(replay.iReplayPos, 7);
    log.clear();
    replay.BackToStart();
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(log[0], "timer off");
    EXPECT_EQ(log[1], "initialize 8");
    EXPECT_EQ(replayHost.ButtonStates(), "11111");
    EXPECT_EQ(replay.iReplayPos, 0);
    EXPECT_TRUE(game.bReplayMode);
    EXPECT_EQ(game.sBoard.ToString(), kStart8);
    EXPECT_EQ(gameHost.recordText, "Size8 BE4 WD4 BD5 WE5 ");

    log.clear();
    RunTimer();
    EXPECT_EQ(Messages(), 1);
    EXPECT_EQ(replay.iReplayPos, 7);
    EXPECT_EQ(replayHost.ButtonStates(), "10001");
}

TEST_F(ReplayTest, DiscardedOrStoppedReplayAppliesNothing) {
    Open("whole-game-8.zvr");
    replay.Step();
    replay.Discard();
    EXPECT_FALSE(game.bReplayMode);
    EXPECT_FALSE(replayHost.timerEnabled);
    EXPECT_EQ(replayHost.ButtonStates(), "00001");
    const std::string board = game.sBoard.ToString();
    const std::string record = gameHost.recordText;
    log.clear();

    replay.Step();
    replay.BackToStart();
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(game.sBoard.ToString(), board);
    EXPECT_EQ(gameHost.recordText, record);

    // Even if the window turns replay mode back on, the discarded tokens stay dead.
    game.bReplayMode = true;
    replay.Step();
    EXPECT_TRUE(log.empty());

    // A new valid record brings stepping back; Stop (replay mode off) ends it again.
    Open("side-moves-twice-8.zvr");
    replay.Step();
    EXPECT_EQ(replay.iReplayPos, 5);
    game.bReplayMode = false;
    log.clear();
    replay.Step();
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(replay.iReplayPos, 5);
}

}  // namespace
