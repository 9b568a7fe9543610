// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <string>

// A painted board read back as the referee writes positions: the colour at each cell's
// centre, 'B' black, 'W' white, '.' the board's teal, '?' anything else; one row a line.
// For pictures only, so the referee itself stays free of Qt. Cells need a few pixels for
// their centres to miss the grid lines and the last-move frame.
inline std::string PictureGrid(const QImage& image, int side) {
    std::string grid;
    for (int k = 0; k < side * side; ++k) {
        const QColor c = image.pixelColor(int((k % side + 0.5) * image.width() / side),
                                          int((k / side + 0.5) * image.height() / side));
        grid += c == Qt::black ? 'B' : c == Qt::white ? 'W' : c == QColor(0, 128, 128) ? '.' : '?';
        if (k % side == side - 1) grid += '\n';
    }
    return grid;
}
