// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// Records through the window: save, open, replay, the command line, drops and demo mode; the
// folder the record dialogs open in.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "UiTestSupport.h"

namespace {

// A whole game, player (black) against the expert, each turn the first legal cell. Saved
// where the start was saved (asked first: kept, then replaced), a cancel, a failure; opened
// from the command line after a change of size, fast-forwarded, back to the start, a step
// and stopped: a new game of the record's size.
TEST(frmMainRecord, WholeGameSavedOpenedAndFastForwarded) {
    TestWindow w;
    Game& game = w->game();
    const QString path = w.dir.filePath("game.zvr");
    w.script->savePaths = {path, path, path, "  ", path + "/below"};
    w.script->yesNo = {false, true};
    w->mnuSave_Click();
    for (int guard = 0; guard < 200 && !game.bGameOver; ++guard) {
        const int n = game.iBoardSize;
        int k = 0;  // no legal cell: a click on the first is the player's pass
        while (k < n * n &&
               game.EvaluateMove(int16_t(k / n + 1), int16_t(k % n + 1), false) <= kIllegalMove)
            ++k;
        w.ClickCell(k % (n * n) / n + 1, k % n + 1);
    }
    ASSERT_TRUE(game.bGameOver);
    const std::string played = w.Record();
    w.script->messages.clear();
    w->mnuSave_Click();
    EXPECT_EQ(ReadAll(path), QByteArray(kStart) + "\r\n");
    for (int i = 0; i < 3; ++i) w->mnuSave_Click();
    EXPECT_EQ(ReadAll(path), QByteArray::fromStdString(played + "\r\n"));
    EXPECT_EQ(w.script->messages,
              QStringList({"存在同名文件，是否替换？", "存在同名文件，是否替换？",
                           "关闭文件时出错，重试。"}));

    w.script->inputs = {"10"};
    w->mnuSize_Click();
    const std::string gbk = w.dir.path().toStdString() + "/\xb6\xd4\xbe\xd6.zvr";  // not UTF-8
    std::filesystem::copy_file(path.toStdString(), gbk);
    w->OpenFromCommandLine("/OPEN " + gbk);
    EXPECT_EQ(w->StatusText(0), "提示：棋谱播放");
    EXPECT_EQ(w.Buttons(), "11111");
    w.Press(ReplayButton::Bottom);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !w->playTimer()->isActive(); }, 20000));
    EXPECT_EQ(w.Record(), played);
    EXPECT_EQ(w->StatusText(1), "轮次：0");  // replay never counts
    EXPECT_EQ(w.InvariantFailures(), "");
    w.Press(ReplayButton::Top);
    w.Press(ReplayButton::StepPlay);
    w.Press(ReplayButton::Stop);
    EXPECT_EQ(w.Record(), kStart);
    EXPECT_FALSE(game.bReplayMode);
    EXPECT_EQ(w.Buttons(), "00000");
}

// A record error: the timer is off before the box shows, only Top and Stop stay, and Top
// starts again. Then an invalid record opened mid-replay: shown, never replayed, and the
// game goes on from the replayed board with labels that agree with it.
TEST(frmMainRecord, RecordErrorsAndAnInvalidRecordOpenedDuringReplay) {
    TestWindow w;
    w.OpenRecord(w.File("wz26.zvr", "Size8 BE4 WD4 BD5 WE5 BD3 WZ26 \r\n"));
    w.script->onInform = [&](const QString&) { EXPECT_FALSE(w->playTimer()->isActive()); };
    w.Press(ReplayButton::AutoPlay);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !w.script->messages.empty(); }, 3000));
    EXPECT_EQ(w.script->messages, QStringList{"棋谱此处有误！"});
    EXPECT_EQ(w.Buttons(), "10001");
    EXPECT_EQ(w.Record(), std::string(kStart) + "BD3 ");
    w.Press(ReplayButton::Top);
    EXPECT_EQ(w.Buttons(), "11111");
    EXPECT_EQ(w.Record(), kStart);

    w.Press(ReplayButton::StepPlay);
    w.Press(ReplayButton::AutoPlay);
    w.OpenRecord(w.File("bad.zvr", "size8 BE4\r\n"));
    EXPECT_EQ(w.Record(), "size8 BE4\r\n(Invalid)");
    EXPECT_FALSE(w->game().bReplayMode || w->playTimer()->isActive());
    EXPECT_EQ(w.Buttons(), "00000");
    // Black's replayed move left four black discs and one white; the player holds black.
    EXPECT_EQ(w.Status(),
              QStringList({"提示：轮你走棋，你执黑棋", "轮次：1", "玩家得分：4", "计算机得分：1"}));
    w.OpenRecord(w.dir.filePath("missing.zvr"));  // an unreadable path changes nothing
    EXPECT_EQ(w.Record(), "size8 BE4\r\n(Invalid)");
    w.ClickCell(6, 5);  // taking the last white disc ends the game
    EXPECT_EQ(w->StatusText(0), "提示：子被吃尽，你赢了");
    EXPECT_EQ(w.InvariantFailures(), "");
}

// One record file dropped anywhere opens as Open does, by its own bytes, and always as a
// copy, so the source never deletes it; anything else is refused, already over the record
// box, which takes no drops itself.
TEST(frmMainRecord, DroppedRecordFileOpensAndEverythingElseIsRefused) {
    TestWindow w;
    w.File("game.zvr", "Size6 BD3 WC3 BC4 WD4 \r\n");
    w.File("bad.zvr", "size8 BE4\r\n");
    w.File("picture.png", "\x89PNG\r\n");
    ASSERT_TRUE(QDir(w.dir.path()).mkdir("folder.zvr"));
    const QByteArray dir = w.dir.path().toUtf8() + '/', gbk = "\xb6\xd4\xbe\xd6.ZVR";
    const Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction;  // Shift proposes the move
    std::filesystem::copy_file((dir + "game.zvr").toStdString(), (dir + gbk).toStdString());
    const std::tuple<QList<QByteArray>, std::string, bool> cases[] = {
        {{"picture.png"}, kStart, false},
        {{"folder.zvr"}, kStart, false},
        {{"game.zvr", "game.zvr"}, kStart, false},
        {{gbk}, "Size6 BD3 WC3 BC4 WD4 ", true},
        {{"bad.zvr"}, "size8 BE4\r\n(Invalid)", true}};
    for (const auto& [files, record, accepted] : cases) {
        SCOPED_TRACE(files.join(",").toStdString());
        QMimeData data;
        for (const QByteArray& file : files)  // the names' bytes, as a file manager writes them
            data.setUrls(data.urls() << QUrl("file://" + (dir + file).toPercentEncoding("/")));
        QDragEnterEvent enter(QPoint(5, 5), offered, &data, Qt::LeftButton, Qt::ShiftModifier);
        QApplication::sendEvent(w->txtRecord->viewport(), &enter);
        EXPECT_EQ(enter.isAccepted() && enter.dropAction() == Qt::CopyAction, accepted);
        QDropEvent drop(QPointF(5, 5), offered, &data, Qt::LeftButton, Qt::ShiftModifier);
        QApplication::sendEvent(w.window.get(), &drop);
        EXPECT_EQ(drop.isAccepted() && drop.dropAction() == Qt::CopyAction, accepted);
        EXPECT_EQ(w.Record(), record);
        EXPECT_EQ(w->game().bReplayMode, record.starts_with("Size6"));
    }
}

// Root may write into any folder: for the test's span the process takes an ordinary user's
// place, keeping root as its saved user so that it can return.
struct OrdinaryUser {
    ~OrdinaryUser() { EXPECT_TRUE(!switched || setresuid(0, 0, 0) == 0); }
    const bool switched = geteuid() == 0 && setresuid(65534, 65534, 0) == 0;
};

TEST(RecordDialogFolder, ProgramFolderWhenWritableElseDocumentsElseHome) {
    const OrdinaryUser user;
    const QTemporaryDir tmp;
    const QString home = tmp.filePath("home"), program = tmp.filePath("program");
    ASSERT_TRUE(QDir().mkpath(home) && QDir().mkpath(program));
    const ScopedEnv homeFolder("HOME", home);
    EXPECT_EQ(RecordFolder(program), program);
    // An installed program's folder, which the user cannot write to.
    ASSERT_TRUE(QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner));
    EXPECT_EQ(RecordFolder(program), home);
    ASSERT_TRUE(QDir().mkpath(home + "/Documents"));
    EXPECT_EQ(RecordFolder(program), home + "/Documents");
}

// Each tick plays one black and one white move, and a tick that falls due meanwhile is
// skipped; the demo runs to the result line. It ends too when both pass in one tick, and a
// new game stops it; it never starts for the computer first.
TEST(frmMainDemo, TicksPlayBlackThenWhiteToTheEnd) {
    TestWindow w;
    Game& game = w->game();
    w->mnuDemo_Click();
    w.duringNextWait = [&] {
        const std::string before = w.Record();
        w->tmrDemo_Timer();
        EXPECT_EQ(w.Record(), before);
    };
    w->tmrDemo_Timer();
    EXPECT_EQ(w.Record().size(), 30u);
    EXPECT_EQ(w.Record().substr(22, 1) + w.Record().substr(26, 1), "BW");
    EXPECT_TRUE(game.sSideLetter[kPlayer] == 'B' && game.bPlayerTurn == kTrue);
    for (int i = 0; i < 80 && w->demoTimer()->isActive(); ++i) w->tmrDemo_Timer();
    EXPECT_TRUE(game.bGameOver);
    EXPECT_FALSE(w->demoTimer()->isActive());
    EXPECT_NE(w->StatusText(0).indexOf("，"), -1);  // the result line
    EXPECT_EQ(w.InvariantFailures(), "");

    // One empty corner whose every line holds only white discs up to the border: neither
    // side can move there, yet both have discs. Black passes, then white.
    w->mnuNewGame_Click();
    for (int16_t k = 0; k < 64; ++k) {
        const int16_t r = k / 8 + 1, c = k % 8 + 1;
        game.sBoard(r, c) = r == 1 || c == 1 || r == c ? 'W' : 'B';
    }
    game.sBoard(1, 1) = '.';
    game.SetDiscCount(kPlayer, 42);
    game.SetDiscCount(kComputer, 21);
    w.script->messages.clear();
    w->mnuDemo_Click();
    w->tmrDemo_Timer();
    EXPECT_EQ(w.script->messages, QStringList({"计算机被罚步一次", "计算机被罚步一次"}));
    EXPECT_TRUE(w->StatusText(0).startsWith("提示：双方罚步，"));
    EXPECT_FALSE(w->demoTimer()->isActive());

    w->mnuNewGame_Click();
    w->mnuDemo_Click();
    w->mnuNewGame_Click();
    EXPECT_FALSE(w->demoTimer()->isActive());
    w->optComputer->setChecked(true);
    w->mnuDemo_Click();
    EXPECT_FALSE(w->demoTimer()->isActive());
}

}  // namespace
