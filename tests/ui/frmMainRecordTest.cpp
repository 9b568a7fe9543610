// Records through the window: save, open, replay, the command line, and demo mode.
#include <gtest/gtest.h>

#include <QFile>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "ReplayPanel.h"
#include "UiTestSupport.h"

namespace {

constexpr const char* kStart = "Size8 BE4 WD4 BD5 WE5 ";

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Top, Step, Auto, Bottom, Stop as '1' (enabled) or '0'.
std::string ButtonStates(TestWindow& w) {
    std::string states;
    for (int b = 0; b < 5; ++b) states += w->picReplay->Button(ReplayButton(b))->isEnabled() ? '1' : '0';
    return states;
}

void Press(TestWindow& w, ReplayButton button) { w->picReplay->Button(button)->click(); }

TEST(frmMainRecord, SaveAsksBeforeReplacingAndSaysWhenItFails) {
    QTemporaryDir dir;
    TestWindow w;
    const QString path = dir.filePath("new.zvr");
    // A new file, an existing one kept (No) and replaced (Yes), a cancel, a failure.
    w.script->savePaths = {path, path, path, "  ", dir.filePath("new.zvr/below")};
    w.script->yesNo = {false, true};
    w->mnuSave_Click();
    EXPECT_EQ(ReadAll(path), QByteArray(kStart) + "\r\n");
    w.ClickCell(3, 4);
    w->mnuSave_Click();
    EXPECT_EQ(ReadAll(path), QByteArray(kStart) + "\r\n");
    w->mnuSave_Click();
    EXPECT_EQ(ReadAll(path), QByteArray::fromStdString(w.Record() + "\r\n"));
    w->mnuSave_Click();
    w->mnuSave_Click();
    EXPECT_EQ(w.script->messages, QStringList({"存在同名文件，是否替换？", "存在同名文件，是否替换？",
                                               "关闭文件时出错，重试。"}));
}

// A whole game, player (black) against the expert, each turn the first legal cell; saved,
// opened, fast-forwarded, back to the start and stopped.
TEST(frmMainRecord, WholeGameRoundTripsThroughAFileAndFastForward) {
    QTemporaryDir dir;
    TestWindow w;
    Game& game = w->game();
    for (int guard = 0; guard < 200 && !game.bGameOver; ++guard) {
        std::pair<int, int> cell{1, 1};  // no legal cell: the click is the player's pass
        for (int r = game.iBoardSize; r >= 1; --r) {
            for (int c = game.iBoardSize; c >= 1; --c) {
                if (game.EvaluateMove(int16_t(r), int16_t(c), false) > kIllegalMove) cell = {r, c};
            }
        }
        w.ClickCell(cell.first, cell.second);
    }
    ASSERT_TRUE(game.bGameOver);
    EXPECT_EQ(InvariantFailures(*w), "");
    const std::string played = w.Record();
    const std::string finalBoard = game.sBoard.ToString();
    w.script->savePaths.push_back(dir.filePath("game.zvr"));
    w->mnuSave_Click();

    w.OpenRecord(dir.filePath("game.zvr"));
    EXPECT_EQ(w.Record(), kStart);
    EXPECT_EQ(w->StatusText(0), "提示：棋谱播放");
    EXPECT_EQ(ButtonStates(w), "11111");
    w.ClickCell(3, 4);  // clicks on the replay board do nothing
    EXPECT_EQ(w.Record(), kStart);

    Press(w, ReplayButton::Bottom);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !w->playTimer()->isActive(); }, 20000));
    EXPECT_EQ(w.Record(), played);
    EXPECT_EQ(game.sBoard.ToString(), finalBoard);
    EXPECT_EQ(ButtonStates(w), "11111");
    EXPECT_EQ(w->StatusText(1), "轮次：0");  // replay never counts
    EXPECT_EQ(InvariantFailures(*w), "");

    Press(w, ReplayButton::Top);
    EXPECT_EQ(w.Record(), kStart);
    Press(w, ReplayButton::Stop);
    EXPECT_FALSE(game.bReplayMode);
    EXPECT_EQ(ButtonStates(w), "00000");
}

// A record error: the timer is off before the box shows, only Top and Stop stay, and Top
// starts again. Then an invalid record: shown, never replayed, whatever turns replay back on.
TEST(frmMainRecord, RecordErrorsAndInvalidRecords) {
    QTemporaryDir dir;
    TestWindow w;
    ASSERT_TRUE(WriteFile(dir.filePath("wz26.zvr"), "Size8 BE4 WD4 BD5 WE5 BD3 WZ26 \r\n"));
    ASSERT_TRUE(WriteFile(dir.filePath("bad.zvr"), "size8 BE4\r\n"));
    w.OpenRecord(dir.filePath("wz26.zvr"));
    bool timerOffDuringMessage = false;
    w.script->onInform = [&](const QString&) { timerOffDuringMessage = !w->playTimer()->isActive(); };
    Press(w, ReplayButton::AutoPlay);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !w.script->messages.empty(); }, 3000));
    EXPECT_EQ(w.script->messages, QStringList{"棋谱此处有误！"});
    EXPECT_TRUE(timerOffDuringMessage);
    EXPECT_EQ(ButtonStates(w), "10001");
    EXPECT_EQ(w.Record(), std::string(kStart) + "BD3 ");
    Press(w, ReplayButton::Top);
    EXPECT_EQ(ButtonStates(w), "11111");
    EXPECT_EQ(w.Record(), kStart);

    Press(w, ReplayButton::AutoPlay);
    w.OpenRecord(dir.filePath("bad.zvr"));
    EXPECT_EQ(w.Record(), "size8 BE4\r\n(Invalid)");
    EXPECT_FALSE(w->game().bReplayMode || w->playTimer()->isActive());
    EXPECT_EQ(ButtonStates(w), "00000");
    w->game().bReplayMode = true;
    w->cmdStepPlay_Click();
    EXPECT_EQ(InvariantFailures(*w), "");
    w.OpenRecord(dir.filePath("missing.zvr"));  // an unreadable path changes nothing
    EXPECT_EQ(w.Record(), "size8 BE4\r\n(Invalid)");
}

TEST(frmMainRecord, CommandLineOpensAndStopStartsAGameOfTheRecordsSize) {
    QTemporaryDir dir;
    const QString path = dir.filePath("My Game.zvr");
    ASSERT_TRUE(WriteFile(path, "Size10 BF5 WE5 BE6 WF6 BE4 \r\n"));
    TestWindow w;
    w->OpenFromCommandLine(("/OPEN " + path).toStdString());
    EXPECT_TRUE(w->game().bReplayMode);
    EXPECT_FALSE(w->bOpenFromCommandLine);
    Press(w, ReplayButton::StepPlay);
    EXPECT_EQ(w.Record(), "Size10 BF5 WE5 BE6 WF6 BE4 ");
    Press(w, ReplayButton::Stop);
    EXPECT_EQ(w.Record(), "Size10 BF5 WE5 BE6 WF6 ");
    EXPECT_EQ(InvariantFailures(*w), "");

    TestWindow ignored;
    ignored->OpenFromCommandLine(("/opener " + path).toStdString());
    EXPECT_FALSE(ignored->game().bReplayMode);
}

TEST(frmMainDemo, TicksPlayBlackThenWhiteToTheEnd) {
    TestWindow w;
    w->mnuDemo_Click();
    w->tmrDemo_Timer();
    EXPECT_EQ(w->game().iMoveNumber, 2);
    EXPECT_EQ(w.Record().substr(22, 1) + w.Record().substr(26, 1), "BW");
    EXPECT_EQ(w->game().sSideLetter[kPlayer], 'B');
    EXPECT_EQ(w->game().bPlayerTurn, kTrue);
    for (int i = 0; i < 80 && w->demoTimer()->isActive(); ++i) w->tmrDemo_Timer();
    EXPECT_TRUE(w->game().bGameOver);
    EXPECT_FALSE(w->demoTimer()->isActive());
    EXPECT_NE(w->StatusText(0).indexOf("，"), -1);  // the result line
    EXPECT_EQ(InvariantFailures(*w), "");
}

TEST(frmMainDemo, NewGameStopsItAndItNeverStartsForComputerFirst) {
    TestWindow w;
    w->mnuDemo_Click();
    w->mnuNewGame_Click();
    w->optComputer->setChecked(true);
    w->mnuDemo_Click();
    EXPECT_FALSE(w->demoTimer()->isActive());
}

// One empty corner whose every line holds only white discs up to the border: neither side
// can move there, yet both have discs. Black passes, then white: the second half-move ends it.
TEST(frmMainDemo, ADoublePassEndsTheDemoWithTheResultLine) {
    TestWindow w;
    Game& game = w->game();
    for (int16_t r = 1; r <= 8; ++r) {
        for (int16_t c = 1; c <= 8; ++c) game.sBoard(r, c) = r == 1 || c == 1 || r == c ? 'W' : 'B';
    }
    game.sBoard(1, 1) = '.';
    game.SetDiscCount(kPlayer, 42);
    game.SetDiscCount(kComputer, 21);
    w->mnuDemo_Click();
    w->tmrDemo_Timer();
    EXPECT_EQ(w.script->messages, QStringList({"计算机被罚步一次", "计算机被罚步一次"}));
    EXPECT_TRUE(w->StatusText(0).startsWith("提示：双方罚步，"));
    EXPECT_FALSE(w->demoTimer()->isActive());
}

}  // namespace
