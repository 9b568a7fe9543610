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
// Yellow dashes with black between them read on the teal board and on both disc colours,
// and neither is the marker's orange.
const QColor kCursorYellow(255, 255, 0);

// The window's board is 320 px and its frame 3 px wide; other sizes scale from there.
constexpr int kWindowPixels = 320;
constexpr int kWindowFrameWidth = 3;
// At the window's width the frame sits inside cells of 20 px and more (boards up to 16); in
// smaller cells a frame inside would hide most of the disc.
constexpr double kInsideCellPerWidth = 20.0 / kWindowFrameWidth;
// The cursor's line, and its gap to the frame inside a cell, in pixels at scale 1.
constexpr int kCursorWidth = 2;
constexpr int kCursorGap = 1;
constexpr int kDashWidths = 3;  // length of a dash, in line widths

double CellSize(const QRect& square, int16_t side) {
    return static_cast<double>(square.width()) / side;
}

int FrameWidth(const QRect& square) {
    const long scaled =
        std::lround(static_cast<double>(square.width()) * kWindowFrameWidth / kWindowPixels);
    return static_cast<int>(std::max(1L, scaled));
}

bool FrameInside(const QRect& square, int16_t side) {
    return CellSize(square, side) >= kInsideCellPerWidth * FrameWidth(square);
}

// A band `width` device pixels wide along the inside of `outer`.
struct Ring {
    QRect outer;
    int width;
};

// While it lives, the painter draws in device pixels, unsmoothed; it knows where the board
// falls on them.
class DevicePixels {
  public:
    DevicePixels(QPainter& painter, const QRect& square) : painter_(painter) {
        // Scale and translation only: a board is never drawn turned.
        const QTransform toDevice = painter.deviceTransform();
        scale_ = toDevice.m11();
        const QRectF on = toDevice.mapRect(QRectF(square));
        board_ = QRect(QPoint(qRound(on.left()), qRound(on.top())),
                       QPoint(qRound(on.right()) - 1, qRound(on.bottom()) - 1));
        painter.save();
        painter.setWorldTransform(toDevice.inverted() * painter.worldTransform());
        painter.setRenderHint(QPainter::Antialiasing, false);
    }
    ~DevicePixels() { painter_.restore(); }
    DevicePixels(const DevicePixels&) = delete;
    DevicePixels& operator=(const DevicePixels&) = delete;

    // `pixels` at scale 1 in whole device pixels, never fewer than one.
    int Scaled(int pixels) const {
        return std::max(1, static_cast<int>(std::lround(pixels * scale_)));
    }
    const QRect& Board() const { return board_; }

    void Fill(const QRect& rect, const QColor& colour) { painter_.fillRect(rect, colour); }
    void Fill(const Ring& ring, const QColor& colour) {
        const QRect& r = ring.outer;
        const int w = ring.width;
        const int sideHeight = std::max(0, r.height() - 2 * w);
        Fill(QRect(r.left(), r.top(), r.width(), w), colour);
        Fill(QRect(r.left(), r.bottom() - w + 1, r.width(), w), colour);
        Fill(QRect(r.left(), r.top() + w, w, sideHeight), colour);
        Fill(QRect(r.right() - w + 1, r.top() + w, w, sideHeight), colour);
    }

  private:
    QPainter& painter_;
    double scale_ = 1;
    QRect board_;
};

Ring FrameRing(const DevicePixels& device, const QRect& square, int16_t side, int16_t row,
               int16_t col) {
    const int width = device.Scaled(FrameWidth(square));
    const QRect cell = CellRect(device.Board(), side, row, col);
    if (FrameInside(square, side)) return {cell, width};
    // Centred on the grid lines, which begin on the first pixel of each cell; along the
    // board's edge, where no line is, it stays on the board.
    const int before = (width - device.Scaled(1)) / 2;
    const int after = width - before;
    return {cell.adjusted(-before, -before, after, after) & device.Board(), width};
}

Ring CursorRing(const DevicePixels& device, const QRect& square, int16_t side, int16_t row,
                int16_t col) {
    const Ring frame = FrameRing(device, square, side, row, col);
    const int width = device.Scaled(kCursorWidth);
    if (FrameInside(square, side)) {
        const int inset = frame.width + device.Scaled(kCursorGap);
        return {frame.outer.adjusted(inset, inset, -inset, -inset), width};
    }
    // Around the frame; along the board's edge, where there is no room for it, inside.
    const QRect& board = device.Board();
    const QRect& f = frame.outer;
    const int in = frame.width;
    QRect outer = f.adjusted(-width, -width, width, width);
    if (outer.left() < board.left()) outer.setLeft(f.left() + in);
    if (outer.top() < board.top()) outer.setTop(f.top() + in);
    if (outer.right() > board.right()) outer.setRight(f.right() - in);
    if (outer.bottom() > board.bottom()) outer.setBottom(f.bottom() - in);
    return {outer, width};
}

}  // namespace

int CellEdge(int pixels, int16_t side, int k) { return k * pixels / side; }

QRect CellRect(const QRect& square, int16_t side, int16_t row, int16_t col) {
    const int left = CellEdge(square.width(), side, col - 1);
    const int top = CellEdge(square.height(), side, row - 1);
    return QRect(square.left() + left, square.top() + top,
                 CellEdge(square.width(), side, col) - left,
                 CellEdge(square.height(), side, row) - top);
}

void PaintGrid(QPainter& painter, const QRect& square, int16_t side) {
    // In the painter's own units, so the teal covers all that the board widget shows.
    painter.fillRect(square, kTeal);
    DevicePixels device(painter, square);
    const QRect& board = device.Board();
    const int line = device.Scaled(1);
    for (int i = 1; i < side; ++i) {
        device.Fill(QRect(board.left() + CellEdge(board.width(), side, i), board.top(), line,
                          board.height()),
                    Qt::black);
        device.Fill(QRect(board.left(), board.top() + CellEdge(board.height(), side, i),
                          board.width(), line),
                    Qt::black);
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

void PaintFrame(QPainter& painter, const QRect& square, int16_t side, int16_t row, int16_t col) {
    DevicePixels device(painter, square);
    device.Fill(FrameRing(device, square, side, row, col), kOrange);
}

void PaintCursor(QPainter& painter, const QRect& square, int16_t side, int16_t row, int16_t col) {
    DevicePixels device(painter, square);
    const Ring ring = CursorRing(device, square, side, row, col);
    device.Fill(ring, Qt::black);
    const QRect& r = ring.outer;
    const int dash = kDashWidths * ring.width;
    for (int x = r.left(); x <= r.right(); x += 2 * dash) {
        const int length = std::min(dash, r.right() - x + 1);
        device.Fill(QRect(x, r.top(), length, ring.width), kCursorYellow);
        device.Fill(QRect(x, r.bottom() - ring.width + 1, length, ring.width), kCursorYellow);
    }
    for (int y = r.top() + ring.width + dash; y <= r.bottom() - ring.width; y += 2 * dash) {
        const int length = std::min(dash, r.bottom() - ring.width - y + 1);
        device.Fill(QRect(r.left(), y, ring.width, length), kCursorYellow);
        device.Fill(QRect(r.right() - ring.width + 1, y, ring.width, length), kCursorYellow);
    }
}

QRect MarksRect(const QRect& square, int16_t side, int16_t row, int16_t col) {
    // The frame and cursor reach this far past the cell, with a pixel for rounding.
    const int reach = FrameWidth(square) + kCursorWidth + 2;
    return CellRect(square, side, row, col).adjusted(-reach, -reach, reach, reach) & square;
}

}  // namespace BoardPainter
