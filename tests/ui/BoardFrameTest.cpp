// The last-move frame measured against the grid lines as they are drawn.
#include <gtest/gtest.h>

#include <QImage>

#include "BoardView.h"
#include "Game.h"

namespace {

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

}  // namespace
