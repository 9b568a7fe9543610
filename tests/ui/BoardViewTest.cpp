// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// The board: the last-move frame against the grid lines, and keyboard play (the cell cursor,
// Enter or Space taking a mouse release's path).
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QRadioButton>
#include <QTest>

#include "BoardView.h"
#include "UiTestSupport.h"

namespace {

using K = Qt::Key;

// The first x of each run of `colour` along row y.
std::vector<int> RunStarts(const QImage& image, int y, const QColor& colour) {
    std::vector<int> starts;
    for (int x = 0; x < image.width(); ++x) {
        if (image.pixelColor(x, y) == colour && (x == 0 || image.pixelColor(x - 1, y) != colour))
            starts.push_back(x);
    }
    return starts;
}

TEST(BoardView, LastMoveFrameLinesUpWithTheGridOnEverySide) {
    const QColor orange(255, 128, 0);
    for (int16_t side = 3; side <= 26; ++side) {
        SCOPED_TRACE("side " + std::to_string(side));
        BoardGrid empty;  // no discs: only teal, the grid and the frame
        empty.Create(side);
        BoardView view(empty, nullptr);
        const auto cell = static_cast<int16_t>((side + 1) / 2);  // lines on all four sides
        view.MarkLastMove(cell, cell);
        const int y = static_cast<int>((cell - 0.5) * view.height() / side);
        view.Marker()->hide();
        const std::vector<int> lines = RunStarts(view.grab().toImage(), y, Qt::black);
        view.Marker()->show();
        const QImage framed = view.grab().toImage();
        if (side == 7 || side == 17 || side == 26)  // kept for people to look at
            framed.save(QString(QUORVANE_ARTIFACTS "/frame-side%1.png").arg(side));
        const std::vector<int> frame = RunStarts(framed, y, orange);
        ASSERT_EQ(lines.size(), static_cast<size_t>(side - 1));
        ASSERT_EQ(frame.size(), 2u);
        // Inside the cell from its own grid line up to the next, as on side 8; on small
        // cells 3 px centred on the grid lines, so the disc keeps most of its face.
        const int shift = side <= 16 ? 0 : 1;
        EXPECT_EQ(frame[0], lines[size_t(cell - 2)] - shift);
        EXPECT_EQ(frame[1], lines[size_t(cell - 1)] - 3 + 2 * shift);
        EXPECT_EQ(framed.pixelColor(frame[1] + 2, y), orange);  // 3 px wide
        EXPECT_NE(framed.pixelColor(frame[1] + 3, y), orange);
    }
}

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
    EXPECT_EQ(w->board()->grab().toImage(), untouched);
    Press({K::Key_Backtab, K::Key_Tab});  // away and back by the keyboard
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
}

// Enter does what a release on the cursor cell does: nothing in replay, a move answered by
// the computer (the cursor following its reply), and the pass where no move is legal.
TEST(Keyboard, EnterTakesTheReleasePathInReplayAndInPlay) {
    TestWindow w;
    Activate(w);
    w.OpenRecord(w.File("game.zvr", "Size8 BE4 WD4 BD5 WE5 BD3 \r\n"));
    Press({K::Key_Backtab, K::Key_Up, K::Key_Up, K::Key_Left, K::Key_Return});
    EXPECT_EQ(w.Record(), kStart);
    w.Press(ReplayButton::Stop);
    Press({K::Key_Up, K::Key_Up, K::Key_Left});
    // A held key's repeats: as Qt marks one, and as X11 may send one, a release and a press
    // of one time that Qt did not pair.
    const std::tuple<QEvent::Type, bool, int> held[] = {
        {QEvent::KeyPress, true, 5}, {QEvent::KeyRelease, false, 7}, {QEvent::KeyPress, false, 7}};
    for (const auto& [type, marked, time] : held) {
        QKeyEvent key(type, K::Key_Space, Qt::NoModifier, QString(), marked);
        key.setTimestamp(time);
        QApplication::sendEvent(QApplication::focusWidget(), &key);
    }
    EXPECT_EQ(w.Record(), kStart);
    Press({K::Key_Return});
    EXPECT_EQ(w.Record(), std::string(kStart) + "BD3 WC3 ");
    EXPECT_TRUE(CursorAt(w, 3, 3));
    w->game().sBoard.Create(8);  // no black disc, so no legal move: Enter is the pass
    w->game().sBoard(1, 1) = 'W';
    Press({K::Key_Return});
    EXPECT_EQ(w.script->messages.value(0), "你被罚步一次");
}

}  // namespace
