// Keyboard play: the cell cursor, and Enter or Space taking a mouse release's path.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

#include "BoardView.h"
#include "UiTestSupport.h"

namespace {

constexpr const char* kStart = "Size8 BE4 WD4 BD5 WE5 ";

struct Keys {
    std::vector<Qt::Key> keys;
    int row, col;  // where the cursor then stands
};

// Keys reach only the focus widget of the active window.
void Activate(TestWindow& w) {
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.window.get()));
}

void Press(const std::vector<Qt::Key>& keys) {
    for (Qt::Key key : keys) QTest::keyClick(QApplication::focusWidget(), key);
}

// The cursor is shown, and on that cell.
bool CursorAt(frmMain& window, int row, int col) {
    BoardView* board = window.board();
    return board->Cursor()->isVisible() &&
           board->Cursor()->geometry() == board->CellRect(static_cast<int16_t>(row),
                                                         static_cast<int16_t>(col));
}

TEST(Keyboard, TabShowsTheCursorOnTheLastMoveAndArrowsStopAtTheEdges) {
    TestWindow w;
    Activate(w);
    w->txtRecord->setFocus();
    EXPECT_FALSE(w->board()->Cursor()->isVisible());
    QTest::keyClick(w->txtRecord, Qt::Key_Tab);  // round from the last control to the first
    EXPECT_TRUE(w->board()->hasFocus());
    EXPECT_TRUE(CursorAt(*w, 5, 5));
    using K = Qt::Key;
    for (const Keys& c : {Keys{{K::Key_Up, K::Key_Up, K::Key_Up, K::Key_Up, K::Key_Up}, 1, 5},
                          Keys{{K::Key_Home, K::Key_Left}, 1, 1},
                          Keys{{K::Key_End, K::Key_Right}, 1, 8},
                          Keys{std::vector<K>(9, K::Key_Down), 8, 8}}) {
        Press(c.keys);
        EXPECT_TRUE(CursorAt(*w, c.row, c.col)) << c.row << "," << c.col;
    }
    QTest::keyClick(w->board(), Qt::Key_Tab);
    EXPECT_FALSE(w->board()->Cursor()->isVisible());
    EXPECT_EQ(w.Record(), kStart);
}

TEST(Keyboard, EnterAndSpaceDoWhatAReleaseOnTheCursorCellDoes) {
    struct Case {
        std::vector<Qt::Key> keys;
        std::string record;
        QString status;
        int row, col;  // the cursor afterwards
    };
    using K = Qt::Key;
    for (const Case& c :
         {Case{{K::Key_Space}, kStart, "提示：所选方格不能落子", 5, 5},
          Case{{K::Key_Up, K::Key_Up, K::Key_Left, K::Key_Return}, std::string(kStart) + "BD3 WC3 ",
               "提示：轮你走棋，你执黑棋", 3, 3}}) {
        TestWindow w;
        Activate(w);
        w->board()->setFocus();
        Press(c.keys);
        EXPECT_EQ(w.Record(), c.record);
        EXPECT_EQ(w->StatusText(0), c.status);
        EXPECT_TRUE(CursorAt(*w, c.row, c.col));  // it followed the computer's reply
        EXPECT_EQ(InvariantFailures(*w), "");
    }
}

TEST(Keyboard, EnterWithoutALegalMovePassesAndDoesNothingInReplay) {
    TestWindow w;
    Activate(w);
    BoardGrid& board = w->game().sBoard;
    board.Create(8);
    board(1, 1) = 'W';  // black cannot reach round the corner
    board(1, 2) = 'B';
    w->board()->setFocus();
    QTest::keyClick(w->board(), Qt::Key_Enter);
    ASSERT_FALSE(w.script->messages.empty());
    EXPECT_EQ(w.script->messages.front(), "你被罚步一次");

    QTemporaryDir dir;
    const QString path = dir.filePath("game.zvr");
    ASSERT_TRUE(WriteFile(path, "Size8 BE4 WD4 BD5 WE5 BD3 \r\n"));
    w.OpenRecord(path);
    const std::string before = w->game().sBoard.ToString();
    Press({Qt::Key_Up, Qt::Key_Up, Qt::Key_Left, Qt::Key_Return});
    EXPECT_EQ(w.Record(), kStart);
    EXPECT_EQ(w->game().sBoard.ToString(), before);
}

TEST(Keyboard, AMouseUserNeverSeesTheCursor) {
    TestWindow w;
    Activate(w);
    const QImage untouched = w->board()->grab().toImage();
    w.ClickCell(4, 4);  // occupied: only a hint
    EXPECT_TRUE(w->board()->hasFocus());
    EXPECT_EQ(w->board()->grab().toImage(), untouched);
    QTest::keyClick(w->board(), Qt::Key_Right);
    EXPECT_NE(w->board()->grab().toImage(), untouched);
    w.ClickCell(4, 4);
    EXPECT_EQ(w->board()->grab().toImage(), untouched);
}

}  // namespace
