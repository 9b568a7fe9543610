// Records through the window: save, open, replay, the command line, and demo mode.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "ReplayPanel.h"
#include "UiTestSupport.h"

namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Top, Step, Auto, Bottom, Stop as '1' (enabled) or '0'.
std::string ButtonStates(TestWindow& w) {
    std::string states;
    for (auto b : {ReplayButton::Top, ReplayButton::StepPlay, ReplayButton::AutoPlay,
                   ReplayButton::Bottom, ReplayButton::Stop}) {
        states += w->picReplay->Button(b)->isEnabled() ? '1' : '0';
    }
    return states;
}

// A whole 8x8 game, player (black) against the expert, played by clicking the first legal cell.
void PlayWholeGame(TestWindow& w) {
    Game& game = w->game();
    for (int guard = 0; guard < 200 && !game.bGameOver; ++guard) {
        bool clicked = false;
        for (int16_t r = 1; r <= game.iBoardSize && !clicked; ++r) {
            for (int16_t c = 1; c <= game.iBoardSize && !clicked; ++c) {
                if (game.EvaluateMove(r, c, false) > kIllegalMove) {
                    w.ClickCell(r, c);
                    clicked = true;
                }
            }
        }
        if (!clicked) w.ClickCell(1, 1);  // no legal cell: the click is the player's pass
    }
}

TEST(frmMainRecord, SaveAfterNewGameWritesTheRecordLine) {
    QTemporaryDir dir;
    TestWindow w;
    const QString path = dir.filePath("new.zvr");
    w.script->savePaths.push_back(path);
    w->mnuSave_Click();
    EXPECT_EQ(ReadAll(path), QByteArray("Size8 BE4 WD4 BD5 WE5 \r\n"));

    // An existing file: No keeps it untouched, Yes replaces it.
    w.ClickCell(3, 4);
    w.script->savePaths.push_back(path);
    w.script->yesNo.push_back(false);
    w->mnuSave_Click();
    EXPECT_EQ(w.script->messages.back(), "存在同名文件，是否替换？");
    EXPECT_EQ(ReadAll(path).size(), 24);
    w.script->savePaths.push_back(path);
    w.script->yesNo.push_back(true);
    w->mnuSave_Click();
    EXPECT_EQ(ReadAll(path), QByteArray::fromStdString(w.Record() + "\r\n"));

    // Cancelling saves nothing.
    w.script->savePaths.push_back("  ");
    w->mnuSave_Click();
    EXPECT_EQ(w.script->messages.size(), 2u);
}

TEST(frmMainRecord, FailedSaveKeepsTheOldFileAndSaysSo) {
    QTemporaryDir dir;
    TestWindow w;
    const QString path = dir.filePath("blocker/new.zvr");
    ASSERT_TRUE(
        WriteFile(dir.filePath("blocker"), "not a folder"));  // even root cannot write below a file
    w.script->savePaths.push_back(path);
    w->mnuSave_Click();
    ASSERT_FALSE(w.script->messages.empty());
    EXPECT_EQ(w.script->messages.back(), "关闭文件时出错，重试。");
    EXPECT_EQ(ReadAll(dir.filePath("blocker")), QByteArray("not a folder"));
}

TEST(frmMainRecord, WholeGameRoundTripsThroughAFileAndFastForward) {
    QTemporaryDir dir;
    TestWindow w;
    PlayWholeGame(w);
    ASSERT_TRUE(w->game().bGameOver);
    EXPECT_EQ(InvariantFailures(*w), "");
    const std::string played = w.Record();
    const std::string finalBoard = w->game().sBoard.ToString();
    const QString path = dir.filePath("game.zvr");
    w.script->savePaths.push_back(path);
    w->mnuSave_Click();

    w.OpenRecord(path);
    EXPECT_TRUE(w->game().bReplayMode);
    EXPECT_EQ(w.Record(), "Size8 BE4 WD4 BD5 WE5 ");
    EXPECT_EQ(w->StatusText(0), "提示：棋谱播放");
    EXPECT_EQ(ButtonStates(w), "11111");

    // Clicks on the replay board do nothing.
    w.ClickCell(3, 4);
    EXPECT_EQ(w.Record(), "Size8 BE4 WD4 BD5 WE5 ");

    w->picReplay->Button(ReplayButton::Bottom)->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !w->playTimer()->isActive(); }, 20000));
    EXPECT_EQ(w.Record(), played);
    EXPECT_EQ(w->game().sBoard.ToString(), finalBoard);
    EXPECT_EQ(ButtonStates(w), "11111");
    EXPECT_EQ(w->StatusText(1), "轮次：0");  // replay never counts
    EXPECT_EQ(InvariantFailures(*w), "");

    // Back to start, then Stop: a new game in the record's size.
    w->picReplay->Button(ReplayButton::Top)->click();
    EXPECT_EQ(w.Record(), "Size8 BE4 WD4 BD5 WE5 ");
    w->picReplay->Button(ReplayButton::Stop)->click();
    EXPECT_FALSE(w->game().bReplayMode);
    EXPECT_EQ(ButtonStates(w), "00000");
}

TEST(frmMainRecord, InvalidRecordsAreShownAndNeverReplayed) {
    QTemporaryDir dir;
    TestWindow w;
    const QString good = dir.filePath("good.zvr");
    ASSERT_TRUE(WriteFile(good, "Size8 BE4 WD4 BD5 WE5 BD3 WC3 \r\n"));
    w.OpenRecord(good);
    w->picReplay->Button(ReplayButton::AutoPlay)->click();
    EXPECT_TRUE(w->playTimer()->isActive());

    const QString bad = dir.filePath("bad.zvr");
    ASSERT_TRUE(WriteFile(bad, "size8 BE4\r\n"));
    w.OpenRecord(bad);
    EXPECT_EQ(w.Record(), "size8 BE4\r\n(Invalid)");
    EXPECT_FALSE(w->game().bReplayMode);
    EXPECT_FALSE(w->playTimer()->isActive());
    EXPECT_EQ(ButtonStates(w), "00000");
    EXPECT_EQ(InvariantFailures(*w), "");

    // An unreadable path changes nothing at all.
    w.OpenRecord(dir.filePath("missing.zvr"));
    EXPECT_EQ(w.Record(), "size8 BE4\r\n(Invalid)");
}

TEST(frmMainRecord, RecordErrorLeavesOnlyTopAndStop) {
    QTemporaryDir dir;
    TestWindow w;
    const QString path = dir.filePath("wz26.zvr");
    ASSERT_TRUE(WriteFile(path, "Size8 BE4 WD4 BD5 WE5 WZ26 \r\n"));
    w.OpenRecord(path);
    bool timerOffDuringMessage = false;
    w.script->onInform = [&](const QString&) {
        timerOffDuringMessage = !w->playTimer()->isActive();
    };
    w->picReplay->Button(ReplayButton::AutoPlay)->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !w.script->messages.empty(); }, 3000));
    EXPECT_EQ(w.script->messages.back(), "棋谱此处有误！");
    EXPECT_TRUE(timerOffDuringMessage);
    EXPECT_EQ(ButtonStates(w), "10001");
    EXPECT_EQ(w.Record(), "Size8 BE4 WD4 BD5 WE5 ");
}

TEST(frmMainRecord, StopAfterATenByTenReplayStartsATenByTenGame) {
    QTemporaryDir dir;
    TestWindow w;
    const QString path = dir.filePath("ten.zvr");
    ASSERT_TRUE(WriteFile(path, "Size10 BF5 WE5 BE6 WF6 BE4 \r\n"));
    w.OpenRecord(path);
    w->picReplay->Button(ReplayButton::StepPlay)->click();
    EXPECT_EQ(w.Record(), "Size10 BF5 WE5 BE6 WF6 BE4 ");
    w->picReplay->Button(ReplayButton::Stop)->click();
    EXPECT_EQ(w.Record(), "Size10 BF5 WE5 BE6 WF6 ");
    EXPECT_EQ(w->game().iBoardSize, 10);
    EXPECT_EQ(InvariantFailures(*w), "");
}

TEST(frmMainRecord, CommandLineOpensAfterTheDefaultGame) {
    QTemporaryDir dir;
    const QString path = dir.filePath("My Game.zvr");
    ASSERT_TRUE(WriteFile(path, "Size6 BD3 WC3 BC4 WD4 \r\n"));
    TestWindow w;
    w->OpenFromCommandLine(("/OPEN " + path).toStdString());
    EXPECT_TRUE(w->game().bReplayMode);
    EXPECT_EQ(w->game().iBoardSize, 6);
    EXPECT_FALSE(w->bOpenFromCommandLine);
    EXPECT_TRUE(w.script->messages.empty());

    TestWindow ignored;
    ignored->OpenFromCommandLine(("/opener " + path).toStdString());
    EXPECT_FALSE(ignored->game().bReplayMode);
}

TEST(frmMainDemo, OneTickPlaysBlackThenWhite) {
    TestWindow w;
    w->mnuDemo_Click();
    EXPECT_TRUE(w->demoTimer()->isActive());
    w->tmrDemo_Timer();
    EXPECT_EQ(w->game().iMoveNumber, 2);
    const std::string record = w.Record();
    EXPECT_EQ(record[22], 'B');
    EXPECT_EQ(record[26], 'W');
    EXPECT_EQ(w->game().sSideLetter[kPlayer], 'B');
    EXPECT_EQ(w->game().bPlayerTurn, kTrue);
    EXPECT_EQ(InvariantFailures(*w), "");

    w->mnuNewGame_Click();
    EXPECT_FALSE(w->demoTimer()->isActive());
}

TEST(frmMainDemo, DoesNothingForComputerFirstOrAfterTheEnd) {
    TestWindow w;
    w->optComputer->setChecked(true);
    w->mnuDemo_Click();
    EXPECT_FALSE(w->demoTimer()->isActive());
    w->optHuman->setChecked(true);
    w->game().bGameOver = true;
    w->mnuDemo_Click();
    EXPECT_FALSE(w->demoTimer()->isActive());
}

TEST(frmMainDemo, ADoublePassEndsTheDemoWithTheResultLine) {
    TestWindow w;
    // One empty corner whose every line holds only white discs up to the border: neither
    // side can move there, yet both still have discs.
    Game& game = w->game();
    int16_t white = 0;
    for (int16_t r = 1; r <= 8; ++r) {
        for (int16_t c = 1; c <= 8; ++c) {
            const bool onLine = r == 1 || c == 1 || r == c;
            game.sBoard(r, c) = onLine ? 'W' : 'B';
            white += onLine;
        }
    }
    game.sBoard(1, 1) = '.';
    game.SetDiscCount(kPlayer, static_cast<int16_t>(63 - (white - 1)));
    game.SetDiscCount(kComputer, static_cast<int16_t>(white - 1));
    w->mnuDemo_Click();
    w->tmrDemo_Timer();
    EXPECT_EQ(w.script->messages, std::vector<QString>({"计算机被罚步一次", "计算机被罚步一次"}));
    EXPECT_TRUE(w->StatusText(0).startsWith("提示：双方罚步，"));
    EXPECT_FALSE(w->demoTimer()->isActive());
}

TEST(frmMainDemo, PlaysToTheEndAndStops) {
    TestWindow w;
    w->mnuDemo_Click();
    for (int i = 0; i < 80 && w->demoTimer()->isActive(); ++i) w->tmrDemo_Timer();
    EXPECT_TRUE(w->game().bGameOver);
    EXPECT_FALSE(w->demoTimer()->isActive());
    EXPECT_NE(w->StatusText(0).indexOf("，"), -1);  // the result line
    EXPECT_EQ(InvariantFailures(*w), "");
}

}  // namespace
