// Keyboard play: the cell cursor, and Enter or Space taking a mouse release's path.
#include <gtest/gtest.h>

#include <QApplication>
#include <QRadioButton>
#include <QTest>

#include "BoardView.h"
#include "UiTestSupport.h"

namespace {

using K = Qt::Key;

// Keys reach only the active window, which opens with the focus on the first-mover choice.
void Activate(TestWindow& w) {
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.window.get()));
    ASSERT_TRUE(w->optHuman->hasFocus());
}

void Press(const std::vector<Qt::Key>& keys) {
    for (Qt::Key key : keys) QTest::keyClick(QApplication::focusWidget(), key);
}

// The cursor is shown, and on that cell.
bool CursorAt(TestWindow& w, int16_t row, int16_t col) {
    return w->board()->Cursor()->isVisible() &&
           w->board()->Cursor()->geometry() == w->board()->CellRect(row, col);
}

// A mouse user never sees the cursor; the keyboard brings it, on the last move first.
TEST(Keyboard, TheCursorComesWithTheKeysAndStopsAtTheEdges) {
    TestWindow w;
    Activate(w);
    const QImage untouched = w->board()->grab().toImage();
    w.ClickCell(4, 4);  // occupied: only a hint, and the focus
    ASSERT_TRUE(w->board()->hasFocus());
    EXPECT_EQ(w->board()->grab().toImage(), untouched);
    Press({K::Key_Tab, K::Key_Backtab});
    EXPECT_TRUE(CursorAt(w, 5, 5));
    const std::tuple<std::vector<K>, int16_t, int16_t> moves[] = {
        {std::vector<K>(5, K::Key_Up), 1, 5},
        {{K::Key_Home, K::Key_Left}, 1, 1},
        {{K::Key_End, K::Key_Right}, 1, 8},
        {std::vector<K>(9, K::Key_Down), 8, 8}};
    for (const auto& [keys, row, col] : moves) {
        Press(keys);
        EXPECT_TRUE(CursorAt(w, row, col)) << row << "," << col;
    }
    Press({K::Key_Space});  // an empty cell that takes no move
    EXPECT_EQ(w->StatusText(0), "提示：所选方格不能落子");
    Press({K::Key_Tab});
    EXPECT_FALSE(w->board()->Cursor()->isVisible());
    Press({K::Key_Backtab});
    w.ClickCell(4, 4);
    EXPECT_EQ(w->board()->grab().toImage(), untouched);
    EXPECT_EQ(w.Record(), kStart);
}

// Enter does what a release on the cursor cell does: nothing in replay, a move answered by
// the computer (the cursor following its reply).
TEST(Keyboard, EnterTakesTheReleasePathInReplayAndInPlay) {
    TestWindow w;
    Activate(w);
    w.OpenRecord(w.File("game.zvr", "Size8 BE4 WD4 BD5 WE5 BD3 \r\n"));
    Press({K::Key_Backtab, K::Key_Up, K::Key_Up, K::Key_Left, K::Key_Return});
    EXPECT_EQ(w.Record(), kStart);
    w.Press(ReplayButton::Stop);
    Press({K::Key_Up, K::Key_Up, K::Key_Left, K::Key_Return});
    EXPECT_EQ(w.Record(), std::string(kStart) + "BD3 WC3 ");
    EXPECT_TRUE(CursorAt(w, 3, 3));
    EXPECT_EQ(w.InvariantFailures(), "");
}

}  // namespace
