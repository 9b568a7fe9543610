// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// The board's look at every scale and palette (grid lines, last-move frame, cursor, texts),
// and keyboard play (the cell cursor, Enter or Space taking a mouse release's path).
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QMap>
#include <QRadioButton>
#include <QTest>

#include "BoardView.h"
#include "frmAbout.h"
#include "ThemeColours.h"
#include "UiTestSupport.h"

namespace {

using K = Qt::Key;

void Press(const std::vector<Qt::Key>& keys) {
    for (Qt::Key key : keys) QTest::keyClick(QApplication::focusWidget(), key);
}

// The cursor is shown, and on that cell.
bool CursorAt(TestWindow& w, int16_t row, int16_t col) {
    return w->board()->Cursor()->isVisible() && w->board()->CursorRow() == row &&
           w->board()->CursorCol() == col;
}

// The runs of `colour` from `from` on, `count` steps of `step`: where each begins (in steps)
// and how many steps it lasts.
std::vector<std::pair<int, int>> Runs(const QImage& image, QPoint from, QPoint step, int count,
                                      const QColor& colour) {
    std::vector<std::pair<int, int>> runs;
    for (int i = 0; i < count; ++i) {
        if (image.pixelColor(from + step * i) != colour) continue;
        if (!runs.empty() && runs.back().first + runs.back().second == i) ++runs.back().second;
        else runs.emplace_back(i, 1);
    }
    return runs;
}

// Lines, frame and cursor fall on whole device pixels at the scale this run is given
// (QT_SCALE_FACTOR): every grid line as wide as the others, every frame side too; the frame
// inside its cell on large cells and centred on the cell's lines on small ones; the keyboard
// cursor at least half a cell across, leaving the middle of the disc under it uncovered.
TEST(Scale, LinesFrameAndCursorSitOnDevicePixelsOnEveryBoard) {
    const QColor orange(255, 128, 0), yellow(255, 255, 0);
    TestWindow w;
    w.Activate();
    Press({K::Key_Backtab});  // onto the board, which shows the cursor
    for (const int16_t side : {3, 8, 17, 26}) {
        w.script->inputs.push_back(QString::number(side));
        w->mnuSize_Click();
        const QImage image = w->grab().toImage();
        const qreal scale = image.devicePixelRatio();
        SCOPED_TRACE("side " + std::to_string(side) + " at " + std::to_string(scale));
        const QPoint origin =
            (QPointF(w->board()->mapTo(w.window.get(), QPoint())) * scale).toPoint();
        const int size = qRound(w->board()->width() * scale);  // a whole number at these scales
        const auto middle = [&](int cell) { return (2 * cell - 1) * size / (2 * side); };
        const int16_t c = side / 2 + 1;  // the last starting disc: framed, under the cursor
        const int line = std::max(1, qRound(scale)), frame = qRound(3 * scale);
        // Row `side` holds no disc at the start.
        const auto lines = Runs(image, origin + QPoint(0, middle(side)), {1, 0}, size, Qt::black);
        const auto across = Runs(image, origin + QPoint(0, middle(c)), {1, 0}, size, orange);
        const auto down = Runs(image, origin + QPoint(middle(c), 0), {0, 1}, size, orange);
        ASSERT_TRUE(lines.size() == size_t(side - 1) && across.size() == 2 && down.size() == 2);
        for (const auto& run : lines) EXPECT_EQ(run.second, line);
        for (const auto& run : {across[0], across[1], down[0], down[1]}) EXPECT_EQ(run.second, frame);
        for (int k : {0, 1}) {
            const auto& own = lines[size_t(c - 2 + k)];
            // Inside: from the cell's own line up to the next; outside: centred on the lines.
            const int edge = k == 0 ? across[0].first : across[1].first + frame;
            const int off = 2 * across[size_t(k)].first + frame - 2 * own.first - line;
            EXPECT_TRUE(side <= 16 ? edge == own.first : std::abs(off) <= 1) << edge << " " << off;
        }
        QRect cursor;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y) == yellow) cursor |= QRect(x, y, 1, 1);
        EXPECT_GE(std::min(cursor.width(), cursor.height()) * 2, size / side);
        // The disc's middle, two fifths of a cell across, shows the disc alone.
        const QColor disc = w->game().sBoard(c, c) == 'B' ? Qt::black : Qt::white;
        const QPoint mid = origin + QPoint(middle(c), middle(c));
        int hidden = 0;
        for (int r = size / side / 5, dy = -r; dy <= r; ++dy)
            for (int dx = -r; dx <= r; ++dx) hidden += image.pixelColor(mid + QPoint(dx, dy)) != disc;
        EXPECT_EQ(hidden, 0);
    }
}

// The text in a picture of text, and its contrast: the commonest colour is the background,
// and the colour that stands out most from it a glyph's core, where antialiasing leaves the
// text's own colour.
std::pair<QColor, double> Ink(const QImage& picture) {
    QMap<QRgb, int> counts;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) ++counts[picture.pixel(x, y) | 0xff000000];
    QRgb background = counts.firstKey(), text = background;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > counts[background]) background = it.key();
    for (const QRgb c : counts.keys())
        if (ThemeColours::Contrast(c, background) > ThemeColours::Contrast(text, background)) text = c;
    return {QColor(text), ThemeColours::Contrast(text, background)};
}

// The texts whose colour the look fixes keep it under the default palette (the coordinate
// labels' teal, the About box's dark red title) and read at 4.5:1 at least under a dark one,
// as do the texts that follow the palette; the About box's link too, while the pointer is on
// it and after it has left.
TEST(Looks, TextsKeepTheirColoursAndStayReadableUnderADarkPalette) {
    const QPalette light = QApplication::palette();
    for (const bool dark : {false, true}) {
        QApplication::setPalette(dark ? QPalette(QColor(53, 53, 53)) : light);
        TestWindow w;
        const QRect board = w->board()->geometry().translated(w->centralWidget()->pos());
        std::vector<std::pair<std::string, QImage>> texts = {
            {"letters", w->grab(board.adjusted(0, -18, 0, -board.height())).toImage()}};
        for (const QString status : {"lblStatus0", "lblStatus1", "lblStatus2", "lblStatus3"})
            texts.emplace_back("status", w->findChild<QWidget*>(status)->grab().toImage());
        frmAbout about("Quorvane", w->windowIcon());
        about.show();
        const auto label = [&about](const char* name) { return about.findChild<QLabel*>(name); };
        for (const char* name : {"lblTitle", "lblVersion", "lblDescription", "lblDisclaimer"})
            texts.emplace_back(name, label(name)->grab().toImage());
        QTest::mouseMove(label("lblCopyright"));
        texts.emplace_back("link, pointer on it", label("lblCopyright")->grab().toImage());
        QTest::mouseMove(&about, QPoint(2, 2));
        texts.emplace_back("link, pointer gone", label("lblCopyright")->grab().toImage());
        for (const auto& [name, picture] : texts) {
            const auto [colour, contrast] = Ink(picture);
            const QColor designed = name == "letters"    ? QColor(0, 128, 128)
                                    : name == "lblTitle" ? QColor(64, 0, 0)
                                                         : colour;
            EXPECT_TRUE(dark ? contrast >= 4.5 : colour == designed) << name << " " << contrast;
        }
    }
    QApplication::setPalette(light);
}

// A mouse user never sees the cursor; the keyboard brings it, on the last move first.
TEST(Keyboard, TheCursorComesWithTheKeysAndStopsAtTheEdges) {
    TestWindow w;
    w.Activate();
    // The same position on a board that never had the focus.
    const auto untouched = [&w] {
        BoardView plain(w->game().sBoard, nullptr);
        plain.MarkLastMove(w->board()->LastMoveRow(), w->board()->LastMoveCol());
        return plain.grab().toImage();
    };
    w.ClickCell(4, 4);  // occupied: only a hint, and the focus
    EXPECT_EQ(w->board()->grab().toImage(), untouched());
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
    EXPECT_EQ(w->board()->grab().toImage(), untouched());
}

// Enter does what a release on the cursor cell does: nothing in replay, a move answered by
// the computer (the cursor following its reply), and the pass where no move is legal.
TEST(Keyboard, EnterTakesTheReleasePathInReplayAndInPlay) {
    TestWindow w;
    w.Activate();
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
