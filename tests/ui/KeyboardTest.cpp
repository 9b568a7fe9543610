// Keyboard play: the cell cursor, and Enter or Space taking a mouse release's path.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include "BoardView.h"
#include "UiTestSupport.h"

namespace {

constexpr const char* kStart = "Size8 BE4 WD4 BD5 WE5 ";
using K = Qt::Key;

// Keys reach only the active window, which opens with the focus on the first-mover choice;
// Backtab from there reaches the board.
void Activate(TestWindow& w, bool tabToBoard = true) {
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.window.get()));
    ASSERT_TRUE(w->optHuman->hasFocus());
    if (tabToBoard) QTest::keyClick(w->optHuman, Qt::Key_Backtab);
    ASSERT_EQ(w->board()->hasFocus(), tabToBoard);
}

void Press(const std::vector<Qt::Key>& keys) {
    for (Qt::Key key : keys) QTest::keyClick(QApplication::focusWidget(), key);
}

// The cursor is shown, and on that cell.
bool CursorAt(frmMain& window, int16_t row, int16_t col) {
    BoardView* board = window.board();
    return board->Cursor()->isVisible() && board->Cursor()->geometry() == board->CellRect(row, col);
}

TEST(Keyboard, TabShowsTheCursorOnTheLastMoveAndArrowsStopAtTheEdges) {
    TestWindow w;
    Activate(w);
    w->txtRecord->setFocus();
    EXPECT_FALSE(w->board()->Cursor()->isVisible());
    Press({K::Key_Tab});  // round from the last control to the board
    EXPECT_TRUE(CursorAt(*w, 5, 5));
    struct Case {
        std::vector<Qt::Key> keys;
        int16_t row, col;
    };
    for (const Case& c :
         {Case{std::vector<K>(5, K::Key_Up), 1, 5}, Case{{K::Key_Home, K::Key_Left}, 1, 1},
          Case{{K::Key_End, K::Key_Right}, 1, 8}, Case{std::vector<K>(9, K::Key_Down), 8, 8}}) {
        Press(c.keys);
        EXPECT_TRUE(CursorAt(*w, c.row, c.col)) << c.row << "," << c.col;
    }
    Press({K::Key_Tab});
    EXPECT_FALSE(w->board()->Cursor()->isVisible());
    EXPECT_EQ(w.Record(), kStart);
}

TEST(Keyboard, EnterAndSpaceDoWhatAReleaseOnTheCursorCellDoes) {
    struct Case {
        std::vector<Qt::Key> keys;
        std::string record;
        QString status;
        int16_t row, col;  // the cursor afterwards: on the computer's reply
    };
    for (const Case& c : {Case{{K::Key_Space}, kStart, "提示：所选方格不能落子", 5, 5},
                          Case{{K::Key_Up, K::Key_Up, K::Key_Left, K::Key_Return},
                               std::string(kStart) + "BD3 WC3 ",
                               "提示：轮你走棋，你执黑棋",
                               3,
                               3}}) {
        TestWindow w;
        Activate(w);
        Press(c.keys);
        EXPECT_EQ(w.Record(), c.record);
        EXPECT_EQ(w->StatusText(0), c.status);
        EXPECT_TRUE(CursorAt(*w, c.row, c.col));
        EXPECT_EQ(InvariantFailures(*w), "");
    }
}

TEST(Keyboard, EnterWithoutALegalMovePassesAndDoesNothingInReplay) {
    TestWindow w;
    Activate(w);
    w->game().sBoard.Create(8);
    w->game().sBoard(1, 1) = 'W';  // black cannot reach round the corner
    w->game().sBoard(1, 2) = 'B';
    Press({K::Key_Enter});
    EXPECT_EQ(w.script->messages.at(0), "你被罚步一次");

    QTemporaryDir dir;
    ASSERT_TRUE(WriteFile(dir.filePath("game.zvr"), "Size8 BE4 WD4 BD5 WE5 BD3 \r\n"));
    w.OpenRecord(dir.filePath("game.zvr"));
    Press({K::Key_Up, K::Key_Up, K::Key_Left, K::Key_Return});
    EXPECT_EQ(w.Record(), kStart);
    EXPECT_EQ(InvariantFailures(*w), "");
}

TEST(Keyboard, AMouseUserNeverSeesTheCursor) {
    TestWindow w;
    Activate(w, false);
    const QImage untouched = w->board()->grab().toImage();
    w->txtRecord->setFocus();
    w.ClickCell(4, 4);  // occupied: only a hint
    EXPECT_TRUE(w->board()->hasFocus());
    EXPECT_EQ(w->board()->grab().toImage(), untouched);
    Press({K::Key_Right});
    EXPECT_NE(w->board()->grab().toImage(), untouched);
    w.ClickCell(4, 4);
    EXPECT_EQ(w->board()->grab().toImage(), untouched);
}

}  // namespace
