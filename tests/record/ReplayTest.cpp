#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "Notation.h"
#include "RecordText.h"
#include "Replay.h"

namespace {

using Tokens = std::vector<std::string>;
const std::string kStart8 =
    "........\n........\n........\n...WB...\n...BW...\n........\n........\n........";

// A sample record in tests/record/corpus, as raw bytes.
std::string ReadCorpus(const std::string& name) {
    std::ostringstream bytes;
    bytes << std::ifstream(std::filesystem::path(QUORVANE_RECORD_CORPUS) / name, std::ios::binary)
                 .rdbuf();
    return bytes.str();
}

// Every sample named invalid-* is refused and every other one accepted.
TEST(Corpus, FilesAreValidOrInvalidByName) {
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(QUORVANE_RECORD_CORPUS)) {
        const std::string name = entry.path().filename().string();
        const ParsedRecord record = ParseRecordText(ReadRecordItems(ReadCorpus(name)));
        EXPECT_EQ(record.valid, !name.starts_with("invalid-")) << name << ": " << record.text;
        ++files;
    }
    EXPECT_GE(files, 10);
}

// The test is the window: it keeps the record text and the replay buttons, and logs each
// message box with whether the play timer was still running.
class ReplayTest : public ::testing::Test, public GameHost, public ReplayHost {
  protected:
    void DrawDisc(char, int16_t, int16_t) override {}
    void MarkLastMove(int16_t, int16_t) override {}
    void RecordMove(char c, int16_t row, int16_t col) override {
        record = AppendMove(record, c, row, col);
    }
    void RefreshStatus() override {}
    void ShowScore(Side, int16_t) override {}
    void SetStatusLine0(const std::string&) override {}
    void WaitMilliseconds(int32_t) override {}
    void ShowMessage(const std::string& text) override {
        messages.push_back((timer ? "timer on: " : "") + text);
    }
    void SetPlayTimerEnabled(bool enabled) override { timer = enabled; }
    void SetReplayButtonEnabled(ReplayButton button, bool on) override {
        buttons[static_cast<std::size_t>(button)] = on ? '1' : '0';
    }
    void InitializeBoard(int16_t size) override {
        game.iBoardSize = size;
        record = HeaderToken(size) + " ";
        game.SetupBoard();
    }

    // Opens a corpus record as the window does after a valid open.
    void Open(const std::string& name) {
        const ParsedRecord parsed = ParseRecordText(ReadRecordItems(ReadCorpus(name)));
        ASSERT_TRUE(parsed.valid);
        buttons = "11111";
        InitializeBoard(parsed.boardSize);
        replay.Load(parsed.tokens);
    }
    // Auto play: ticks until the replay stops the timer.
    void RunTimer() {
        timer = true;
        for (int tick = 0; timer && tick < 1000; ++tick) replay.Step();
    }

    Game game{*this};
    Replay replay{game, *this, *this};
    std::string record, buttons;  // Top, Step, Auto, Bottom, Stop as "11111"
    Tokens messages;
    bool timer = false;
};

// White moves twice in one sample although black had moves; the other has tokens beyond its
// 36 cells, which are never played.
TEST_F(ReplayTest, PlaysEachTokenForItsOwnSideUpToTheLastCell) {
    for (auto [name, played] :
         {std::pair{"side-moves-twice-8.zvr", 9}, {"too-many-tokens-6.zvr", 37}}) {
        Open(name);
        RunTimer();
        EXPECT_TRUE(messages.empty());
        EXPECT_EQ(SplitRecord(record),
                  Tokens(replay.sRecordTokens.begin(), replay.sRecordTokens.begin() + played));
    }
}

// The timer is off before the box opens; only Top and Stop stay usable; Top starts again.
TEST_F(ReplayTest, OccupiedCellOrMoveOffTheBoardIsARecordError) {
    for (auto [name, played] :
         {std::pair{"occupied-cell-8.zvr", "WE5 BD3 WC3 "}, {"outside-board-8.zvr", "WE5 "}}) {
        Open(name);
        RunTimer();
        EXPECT_EQ(messages, Tokens{"棋谱此处有误！"}) << name;
        EXPECT_EQ(buttons, "10001");
        EXPECT_TRUE(record.ends_with(played)) << record;
        const std::string board = game.sBoard.ToString();
        replay.BackToStart();
        EXPECT_EQ(game.sBoard.ToString(), kStart8);
        EXPECT_EQ(buttons, "11111");
        RunTimer();
        EXPECT_EQ(messages.size(), 2u);
        EXPECT_EQ(game.sBoard.ToString(), board);
        messages.clear();
    }
}

TEST_F(ReplayTest, StepAfterDiscardDoesNothing) {
    Open("whole-game-8.zvr");
    replay.Discard();
    EXPECT_EQ(buttons, "00001");
    game.bReplayMode = true;  // even if the window turns replay mode back on
    replay.Step();
    replay.BackToStart();
    EXPECT_EQ(game.sBoard.ToString(), kStart8);
    EXPECT_EQ(record, "Size8 BE4 WD4 BD5 WE5 ");
}

}  // namespace
