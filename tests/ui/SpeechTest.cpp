// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen-reader user gets beyond the mouse user's window: the announcements of moves
// and notices, the status bar, F10, a caret in the record box, the About box's texts by Tab.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>

#include "StatusPanel.h"
#include "UiTestSupport.h"
#include "frmAbout.h"

namespace {

void Activate(QWidget* window) {
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
}

QStringList Texts(const QSignalSpy& spy) {
    QStringList texts;
    for (const QList<QVariant>& arguments : spy) texts << arguments.at(0).toString();
    return texts;
}

TEST(Speech, EachMoveAndEachNoticeIsAnnouncedOnceAndInOrder) {
    TestWindow w;
    Activate(w.window.get());
    QSignalSpy said(w->statusPanel(), &StatusPanel::Announced);
    w.ClickCell(4, 4);
    w.ClickCell(4, 4);  // the same notice again must be heard again
    w.ClickCell(3, 4);
    QStringList texts = Texts(said);
    ASSERT_EQ(texts.size(), 4) << texts.join('\n').toStdString();
    EXPECT_EQ(texts[0], "提示：所选方格不能落子");
    EXPECT_EQ(texts[1], texts[0]);
    EXPECT_EQ(texts[2], "你：D3 黑棋，翻转 1 子。玩家得分：4，计算机得分：1。轮计算机走棋。");
    EXPECT_TRUE(texts[3].startsWith("计算机：") &&
                texts[3].endsWith(" 白棋，翻转 1 子。玩家得分：3，计算机得分：3。轮你走棋。"))
        << texts[3].toStdString();
    // A move that ends the game tells no turn, and the result line follows it.
    said.clear();
    Game& game = w->game();
    game.sBoard.Create(8);
    game.sBoard(1, 2) = 'W';
    game.sBoard(1, 3) = 'B';
    game.SetDiscCount(kPlayer, 1);
    game.SetDiscCount(kComputer, 1);
    w.ClickCell(1, 1);
    EXPECT_EQ(Texts(said), QStringList({"你：A1 黑棋，翻转 1 子。玩家得分：3，计算机得分：0。",
                                        "提示：子被吃尽，你赢了"}));
}

TEST(Speech, StatusBarMenuBarRecordAndAboutBoxAreReachedByTheKeyboard) {
    TestWindow w;
    Activate(w.window.get());
    // Orca's "read status bar" reads the status bar's texts: the four lines and nothing else.
    QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(w->statusPanel());
    ASSERT_EQ(bar->role(), QAccessible::StatusBar);
    QStringList lines;
    for (int i = 0; i < bar->childCount(); ++i)
        if (!bar->child(i)->state().invisible) lines << bar->child(i)->text(QAccessible::Name);
    EXPECT_EQ(lines, w.Status());

    QTest::keyClick(w.window.get(), Qt::Key_F10);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_TRUE(menu && menu->objectName() == "mnuGame");
    menu->close();

    const auto caret = [&] { return w->txtRecord->textInteractionFlags() & Qt::TextSelectableByKeyboard; };
    w->txtRecord->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(caret());
    QTest::mouseClick(w->txtRecord->viewport(), Qt::LeftButton);
    EXPECT_FALSE(caret());

    frmAbout about("Quorvane", QIcon());
    about.show();
    Activate(&about);
    QTest::mouseClick(about.findChild<QWidget*>("lblVersion"), Qt::LeftButton);  // no caret for a click
    QStringList chain;
    for (int i = 0; i < 6; ++i) {
        QTest::keyClick(&about, Qt::Key_Tab);
        chain << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(chain.join(' '), "cmdSysInfo lblTitle lblVersion lblDescription lblDisclaimer cmdOK");
}

}  // namespace
