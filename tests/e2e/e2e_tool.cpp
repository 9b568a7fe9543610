// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// The end-to-end tests' eyes: reads the board off the screen of the X server in DISPLAY.
//   e2e_tool N   "X Y SIDE" of the board on the screen, then its N by N cells as rows of
//                B, W and . joined by '/'
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <vector>

int main(int argc, char** argv) {
    const int n = argc == 2 ? std::atoi(argv[1]) : 0;
    if (n < 3) return 2;
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication app(argc, argv);
    const QImage image = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
    // The board is the block of columns and rows mostly teal; coordinate labels and icons
    // hold teal too, but far less of it.
    std::vector<int> columns(image.width()), rows(image.height());
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const bool teal = image.pixel(x, y) == qRgb(0, 128, 128);
            columns[x] += teal, rows[y] += teal;
        }
    }
    const auto edges = [](const std::vector<int>& counts) {
        const auto mostly = [](int count) { return count > 100; };
        const auto first = std::ranges::find_if(counts, mostly);
        const auto last = std::ranges::find_if(counts.rbegin(), counts.rend(), mostly);
        return std::pair(int(first - counts.begin()), int(counts.rend() - last - 1));
    };
    const auto [left, right] = edges(columns);
    const auto [top, bottom] = edges(rows);
    if (right <= left) return 1;
    const int side = std::max(right - left, bottom - top) + 1;
    std::string cells;
    for (int row = 1; row <= n; ++row) {
        cells += row > 1 ? "/" : "";
        for (int col = 1; col <= n; ++col) {
            const QColor c = image.pixelColor(left + (2 * col - 1) * side / (2 * n),
                                              top + (2 * row - 1) * side / (2 * n));
            cells += c.value() < 60 ? 'B' : c.saturation() < 40 && c.value() > 200 ? 'W' : '.';
        }
    }
    std::cout << left << " " << top << " " << side << "\n" << cells << "\n";
    return 0;
}
