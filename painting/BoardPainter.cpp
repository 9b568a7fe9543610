// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BoardPainter.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "Game.h"

namespace BoardPainter {

namespace {

const QColor kTeal(0, 128, 128);
const QColor kOrange(255, 128, 0);

// The window's board is 320 px and its frame 3 px wide; other sizes scale from there.
constexpr int kWindowPixels = 320;
constexpr int kWindowFrameWidth = 3;
// At the window's width the frame sits inside cells of 20 px and more (boards up to 16); in
// smaller cells a frame inside would hide most of the disc.
constexpr double kInsideCellPerWidth = 20.0 / kWindowFrameWidth;

double CellSize(const QRect& square, int16_t side) {
    return static_cast<double>(square.width()) / side;
}

}  // namespace

int CellEdge(int pixels, int16_t side, int k) { return k * pixels / side; }

QRect CellRect(const QRect& square, int16_t side, int16_t row, int16_t col) {
    const int w = square.width();
    const int left = CellEdge(w, side, col - 1);
    const int top = CellEdge(w, side, row - 1);
    return QRect(square.left() + left, square.top() + top, CellEdge(w, side, col) - left,
                 CellEdge(w, side, row) - top);
}

void PaintGrid(QPainter& painter, const QRect& square, int16_t side) {
    painter.fillRect(square, kTeal);
    painter.setPen(QPen(Qt::black, 1));
    const double left = square.left();
    const double top = square.top();
    for (int i = 1; i < side; ++i) {
        // Through the middle of pixel CellEdge, so the unsmoothed line covers exactly it.
        const double p = CellEdge(square.width(), side, i) + 0.5;
        painter.drawLine(QPointF(left + p, top), QPointF(left + p, top + square.height()));
        painter.drawLine(QPointF(left, top + p), QPointF(left + square.width(), top + p));
    }
}

void PaintDiscs(QPainter& painter, const QRect& square, const BoardGrid& board) {
    const int16_t n = board.Size();
    const double cell = CellSize(square, n);
    const double half = cell * 0.5;
    const double radius = half * 0.9;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    for (int16_t row = 1; row <= n; ++row) {
        for (int16_t col = 1; col <= n; ++col) {
            const char letter = board(row, col);
            if (letter != kBlack && letter != kWhite) continue;
            const QColor colour = letter == kBlack ? Qt::black : Qt::white;
            painter.setPen(colour);
            painter.setBrush(colour);
            painter.drawEllipse(QPointF(square.left() + (col - 1) * cell + half,
                                        square.top() + (row - 1) * cell + half),
                                radius, radius);
        }
    }
    painter.restore();
}

int FrameWidth(const QRect& square) {
    const long scaled =
        std::lround(static_cast<double>(square.width()) * kWindowFrameWidth / kWindowPixels);
    return static_cast<int>(std::max(1L, scaled));
}

QRect FrameRect(const QRect& square, int16_t side, int16_t row, int16_t col, int width) {
    const QRect cell = CellRect(square, side, row, col);
    if (CellSize(square, side) >= kInsideCellPerWidth * width) return cell;
    // Centred on the grid lines, which are drawn on the first pixel of each cell; along the
    // board's edge, where no line is, it stays on the board.
    const int before = (width - 1) / 2;
    const int after = width - before;
    return cell.adjusted(-before, -before, after, after) & square;
}

void PaintFrame(QPainter& painter, const QRect& rect, int width) {
    QPen pen(kOrange, width);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    const double inset = width / 2.0;
    painter.drawRect(QRectF(rect).adjusted(inset, inset, -inset, -inset));
}

}  // namespace BoardPainter
