// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>
#include <cstdint>

class BoardGrid;
class QPainter;

// How a board looks, for the board view and the record thumbnailer alike, so that a picture
// of a position never drifts from what the window shows. `square` is where the board goes;
// `side` is its number of cells along one edge.
namespace BoardPainter {

// Pixel k (0 to side) along a board `pixels` wide: where cell k begins and where the grid
// line between cells k-1 and k is drawn. Rounding down, once, for lines, cells and frame.
int CellEdge(int pixels, int16_t side, int k);

// From the cell's own top and left grid lines up to, not including, the next ones.
QRect CellRect(const QRect& square, int16_t side, int16_t row, int16_t col);

// Teal with the inner grid lines; the board's edge is the edge of `square`.
void PaintGrid(QPainter& painter, const QRect& square, int16_t side);
// Every black and white disc of `board`, 0.45 of a cell in radius, over PaintGrid's picture.
void PaintDiscs(QPainter& painter, const QRect& square, const BoardGrid& board);

// The last-move frame's line width for a board of this size: 3 px on the window's board.
int FrameWidth(const QRect& square);
// The rectangle whose outer `width` pixels are the frame of a cell. Where the cell is large
// the frame lies inside it; where a frame that wide would hide the disc, it straddles the
// cell's grid lines instead, so it covers no more of the disc than of its neighbours'.
QRect FrameRect(const QRect& square, int16_t side, int16_t row, int16_t col, int width);
// The orange frame along the inside of `rect`.
void PaintFrame(QPainter& painter, const QRect& rect, int width);

}  // namespace BoardPainter
