// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen-reader user gets beyond the mouse user's window: the announcements of moves
// and notices, a caret in the record box. The status bar, F10, the About box and the end of a
// game are heard through Orca itself (tests/a11y).
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "Dialogs.h"
#include "StatusLabel.h"
#include "StatusPanel.h"
#include "UiTestSupport.h"

namespace {

TEST(Speech, EachMoveAndEachNoticeIsAnnouncedOnceAndInOrder) {
    TestWindow w;
    w.Activate();
    QSignalSpy said(w->statusPanel(), &StatusPanel::Announced);
    w.ClickCell(4, 4);
    w.ClickCell(4, 4);  // the same notice again must be heard again, after a pause
    EXPECT_EQ(said.size(), 1);  // two quick ones go out together, a moment later
    w.ClickCell(3, 4);
    QTest::qWait(1000);
    QStringList texts;
    for (const QList<QVariant>& arguments : said) texts << arguments.at(0).toString();
    ASSERT_EQ(texts.size(), 4) << texts.join('\n').toStdString();
    EXPECT_EQ(texts[0], "提示：所选方格不能落子");
    EXPECT_EQ(texts[1], texts[0]);
    EXPECT_EQ(texts[2], "你：D3 黑棋，翻转 1 子。玩家得分：4，计算机得分：1。轮计算机走棋。");
    EXPECT_TRUE(texts[3].startsWith("计算机：") &&
                texts[3].endsWith(" 白棋，翻转 1 子。玩家得分：3，计算机得分：3。轮你走棋。"))
        << texts[3].toStdString();
}

// Orca 48 reads a status line by its text content and a message box by its description, which
// Orca 43 would read beside the box's label.
TEST(Speech, StatusLinesAndMessageBoxesCarryTheirWholeTextAsText) {
    TestWindow w;
    const QString whole = "提示：" + QString("很长").repeated(60);
    auto* line = w->findChild<StatusLabel*>("lblStatus0");
    line->SetStatusText(whole);
    QAccessibleTextInterface* text = QAccessible::queryAccessibleInterface(line)->textInterface();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->text(0, text->characterCount()), whole);
    QString description;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        description = box->accessibleDescription();
        box->accept();
    });
    WidgetDialogs().Inform(w.window.get(), "Quorvane", "你被罚步一次");
    EXPECT_EQ(description, QT_VERSION >= QT_VERSION_CHECK(6, 8, 0) ? "你被罚步一次" : "");
}

TEST(Speech, TheRecordBoxHasACaretForTheKeyboardOnly) {
    TestWindow w;
    w.Activate();
    const auto caret = [&] { return w->txtRecord->textInteractionFlags() & Qt::TextSelectableByKeyboard; };
    w->txtRecord->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(caret());
    QTest::mouseClick(w->txtRecord->viewport(), Qt::LeftButton);
    EXPECT_FALSE(caret());
}

}  // namespace
