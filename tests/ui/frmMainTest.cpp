// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window as a player meets it: start-up, clicks, the computer's reply, the status
// lines, menus and the board-size entry.
#include <gtest/gtest.h>

#include <QLabel>
#include <QProcess>
#include <QRadioButton>
#include <QTest>
#include <QTextBoundaryFinder>
#include <QToolButton>
#include <clocale>

#include "BoardSizeEntry.h"
#include "BoardView.h"
#include "StatusLabel.h"
#include "UiTestSupport.h"

namespace {

// What the label shows must be the start of the whole text, end on a whole character and
// be the longest such start that fits, drawn from the top left; the whole text stays reachable.
void ExpectShownFits(const QLabel* label, const QString& whole) {
    SCOPED_TRACE(whole.toStdString());
    const QString shown = label->text();
    const int room = label->contentsRect().width();
    EXPECT_LE(label->fontMetrics().horizontalAdvance(shown), room);
    QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, whole);
    characters.setPosition(shown.size());
    EXPECT_TRUE(whole.startsWith(shown) && characters.isAtBoundary());
    const int next = characters.toNextBoundary();
    EXPECT_TRUE(shown == whole || label->fontMetrics().horizontalAdvance(whole.left(next)) > room);
    EXPECT_EQ(label->toolTip(), shown == whole ? QString() : whole);
    EXPECT_EQ(label->accessibleName(), whole);
    EXPECT_EQ(label->alignment(), Qt::AlignLeft | Qt::AlignTop);
}

QLabel* StatusLine(TestWindow& w, int i) {
    return w->findChild<QLabel*>(QString("lblStatus%1").arg(i));
}

TEST(frmMain, StartsWithTheDefaultGameAndTheComputerMayOpenIt) {
    TestWindow w;
    EXPECT_EQ(w.Status(),
              QStringList({"提示：轮你走棋，你执黑棋", "轮次：0", "玩家得分：2", "计算机得分：2"}));
    EXPECT_TRUE(w->mnuSkill[0]->isChecked() && w->mnuSound->isChecked());
    EXPECT_EQ(w.Buttons(), "00000");
    // The keyboard runs through the replay panel from Stop back to Top.
    for (int b = 4; b > 0; --b)
        EXPECT_EQ(w->picReplay->Button(ReplayButton(b))->nextInFocusChain(),
                  w->picReplay->Button(ReplayButton(b - 1)));
    w->optComputer->setChecked(true);
    EXPECT_EQ(w.Status().mid(0, 2), QStringList({"提示：轮你走棋，你执白棋", "轮次：1"}));
}

// Releases off the board and on an occupied cell change nothing; a legal one is answered
// after the pause, which shows the computer's hint, the longest status line.
TEST(frmMain, ClicksTheComputersReplyAndTheStatusLines) {
    TestWindow w;
    QTest::mouseClick(w->board(), Qt::LeftButton, Qt::NoModifier, QPoint(320, 100));
    QTest::mouseClick(w->board(), Qt::LeftButton, Qt::NoModifier, QPoint(100, -1));
    EXPECT_EQ(w->StatusText(0), "提示：轮你走棋，你执黑棋");
    w.ClickCell(4, 4);
    EXPECT_EQ(w->StatusText(0), "提示：所选方格不能落子");
    EXPECT_EQ(w.Record(), kStart);

    std::string duringWait;
    w.duringNextWait = [&] {
        duringWait = w.Record() + w->StatusText(0).toStdString();
        EXPECT_NE(StatusLine(w, 0)->text(), w->StatusText(0));
        ExpectShownFits(StatusLine(w, 0), w->StatusText(0));
        w->grab().save(QUORVANE_ARTIFACTS "/status-line-cut.png");  // for people to look at
    };
    w.ClickCell(3, 4);
    EXPECT_EQ(duringWait, std::string(kStart) + "BD3 提示：轮计算机走棋，计算机执白棋");
    EXPECT_EQ(w.Record(), std::string(kStart) + "BD3 WC3 ");  // the expert's answer
    EXPECT_EQ(w.Status(),
              QStringList({"提示：轮你走棋，你执黑棋", "轮次：2", "玩家得分：3", "计算机得分：3"}));
    for (int i = 0; i < 4; ++i) ExpectShownFits(StatusLine(w, i), w->StatusText(i));
    EXPECT_TRUE(w->board()->LastMoveRow() == 3 && w->board()->LastMoveCol() == 3);
    EXPECT_EQ(w.InvariantFailures(), "");
    // An accent written as its own code point belongs to the letter before it.
    const QString accents = "提示：" + QString("e\u0301").repeated(60);
    qobject_cast<StatusLabel*>(StatusLine(w, 0))->SetStatusText(accents);
    ExpectShownFits(StatusLine(w, 0), accents);
}

TEST(frmMain, MenusFollowTheGameStateAndQuitRunsTheQuitRoutine) {
    TestWindow w;
    const auto sizeEnabled = [&] {
        w->mnuOptions_DropDown();
        return w->mnuSize->isEnabled();
    };
    w.script->inputs = {"10", "abc", std::nullopt};
    for (int i = 0; i < 3; ++i) w->mnuSize_Click();
    EXPECT_EQ(w.Record(), "Size10 BF5 WE5 BE6 WF6 ");
    w->mnuSkill_Click(3);  // a new level keeps the game
    EXPECT_TRUE(w->mnuSkill[3]->isChecked() && !w->mnuSkill[0]->isChecked() &&
                w->game().iSkill == 300);
    EXPECT_EQ(w.Record(), "Size10 BF5 WE5 BE6 WF6 ");
    EXPECT_TRUE(sizeEnabled());
    w.ClickCell(5, 4);
    EXPECT_FALSE(sizeEnabled());
    w->game().bGameOver = true;
    EXPECT_TRUE(sizeEnabled());
    w->game().bReplayMode = true;
    w->mnuGame_DropDown();
    EXPECT_FALSE(sizeEnabled() || w->mnuDemo->isEnabled());
    w->mnuQuit_Click();
    w->close();
    EXPECT_EQ(w.quitCount, 2);
}

// The same entries mean the same side in the C locale and where the comma is the decimal
// separator (what QApplication sets up for LANG=de_DE.UTF-8).
TEST(BoardSizeEntry, RoundsHalvesToEvenAndClampsInAnyLocale) {
    const std::pair<const char*, std::optional<int16_t>> cases[] = {
        {"10", 10},   {"2", 3},    {"-5", 3},    {"abc", {}},   {"", {}},
        {"9.5", 10},  {"8.5", 8},  {"1000", 26}, {" 7 ", 7},    {"+1e1", 10},
        {"3.5", 4},   {"12.", 12}, {".5e2", 26}, {"1e999", 26}, {"5x", {}},
        {"0x10", {}}, {"1 2", {}}, {"١٢", {}},   {"2.5e1", 25}};
    QTemporaryDir locales;
    ASSERT_EQ(QProcess::execute("localedef",
                                {"-i", "de_DE", "-f", "UTF-8", locales.filePath("de_DE.UTF-8")}),
              0);
    setenv("LOCPATH", locales.path().toLocal8Bit().constData(), 1);
    for (const char* locale : {"C", "de_DE.UTF-8"}) {
        ASSERT_NE(std::setlocale(LC_ALL, locale), nullptr);
        QLocale::setDefault(QLocale(locale));
        for (const auto& [entry, side] : cases)
            EXPECT_EQ(ParseBoardSizeEntry(QString::fromUtf8(entry)), side)
                << entry << " in " << locale;
    }
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    std::setlocale(LC_ALL, "C");
    QLocale::setDefault(QLocale::c());
    unsetenv("LOCPATH");
}

}  // namespace
