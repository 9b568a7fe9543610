// The last-move frame measured against the grid lines as they are drawn.
#include <gtest/gtest.h>

#include <QImage>

#include "BoardView.h"
#include "Game.h"

namespace {

// x of every pixel of `colour` along row y, as runs [first, last].
std::vector<std::pair<int, int>> Runs(const QImage& image, int y, const QColor& colour) {
    std::vector<std::pair<int, int>> runs;
    for (int x = 0; x < image.width(); ++x) {
        if (image.pixelColor(x, y) != colour) continue;
        if (!runs.empty() && runs.back().second == x - 1) {
            runs.back().second = x;
        } else {
            runs.push_back({x, x});
        }
    }
    return runs;
}

}  // namespace

TEST(BoardView, LastMoveFrameLinesUpWithTheGridOnEverySide) {
    for (int16_t side = 3; side <= 26; ++side) {
        SCOPED_TRACE("side " + std::to_string(side));
        BoardGrid empty;  // no discs: only teal, the grid and the frame
        empty.Create(side);
        BoardView view(empty, nullptr);
        const auto cell = static_cast<int16_t>((side + 1) / 2);  // lines on all four sides
        view.MarkLastMove(cell, cell);
        const int y = static_cast<int>((cell - 0.5) * view.height() / side);
        view.Marker()->hide();
        const auto lines = Runs(view.grab().toImage(), y, Qt::black);
        view.Marker()->show();
        const auto frame = Runs(view.grab().toImage(), y, QColor(255, 128, 0));

        ASSERT_EQ(lines.size(), static_cast<size_t>(side - 1));
        ASSERT_EQ(frame.size(), 2u);
        const int left = lines[static_cast<size_t>(cell - 2)].first;
        const int right = lines[static_cast<size_t>(cell - 1)].first;
        EXPECT_EQ(frame[0].second - frame[0].first, 2);  // 3 px wide
        EXPECT_EQ(frame[1].second - frame[1].first, 2);
        if (side <= 16) {
            // Inside the cell, from its own grid line up to the next one, as on side 8.
            EXPECT_EQ(frame[0].first, left);
            EXPECT_EQ(frame[1].second, right - 1);
        } else {
            // Small cells: centred on the grid lines, so the disc keeps most of its face.
            EXPECT_EQ(frame[0].first + 1, left);
            EXPECT_EQ(frame[1].first + 1, right);
        }
    }
}
