// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>
#include <cstdint>

class BoardGrid;
class QPainter;

// How a board looks, for the board view and the record thumbnailer alike, so that a picture
// of a position never drifts from what the window shows. `square` is where the board goes,
// in the painter's coordinates; `side` is its number of cells along one edge.
//
// Lines, the last-move frame and the cursor are laid out on the device's pixels, wherever the
// painter's scale puts the board: its edges are rounded once and everything else is counted
// in whole device pixels from them, so every grid line comes out equally wide, and so does
// every side of a frame, at fractional scales too. At scale 1 a device pixel is a pixel.
namespace BoardPainter {

// Pixel k (0 to side) along a board `pixels` wide: where cell k begins and where the grid
// line between cells k-1 and k is drawn. Rounding down, once, for lines, cells and frame.
int CellEdge(int pixels, int16_t side, int k);

// From the cell's own top and left grid lines up to, not including, the next ones.
QRect CellRect(const QRect& square, int16_t side, int16_t row, int16_t col);

// Teal with the inner grid lines, one pixel wide at scale 1; the board's edge is the edge of
// `square`.
void PaintGrid(QPainter& painter, const QRect& square, int16_t side);
// Every black and white disc of `board`, 0.45 of a cell in radius, over PaintGrid's picture.
void PaintDiscs(QPainter& painter, const QRect& square, const BoardGrid& board);

// The orange last-move frame of a cell, 3 px wide on the window's 320-px board and in
// proportion on other sizes. Where the cell is large the frame lies inside it; where a frame
// that wide would hide the disc, it straddles the cell's grid lines instead, so it covers no
// more of the disc than of its neighbours'.
void PaintFrame(QPainter& painter, const QRect& square, int16_t side, int16_t row, int16_t col);
// The keyboard cursor: a dashed yellow and black ring just inside the last-move frame on
// large cells, and around it, outside the cell, on small ones, so that it never shrinks to a
// speck on the disc and both marks show on the same cell.
void PaintCursor(QPainter& painter, const QRect& square, int16_t side, int16_t row, int16_t col);
// Holds all that PaintFrame and PaintCursor draw for the cell, at any scale: what to repaint
// when a mark moves.
QRect MarksRect(const QRect& square, int16_t side, int16_t row, int16_t col);

}  // namespace BoardPainter
