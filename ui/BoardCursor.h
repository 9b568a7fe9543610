// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>
#include <cstdint>

// A mark on one cell, drawn above the discs and blind to the mouse. It lies over the whole
// board, so that it draws on the very device pixels the board's grid is laid out on at any
// scale, and repaints only around the cells it leaves and enters.
class BoardMark : public QWidget {
  public:
    using Paint = void (*)(QPainter&, const QRect& square, int16_t side, int16_t row,
                           int16_t col);
    BoardMark(QWidget* board, Paint paint);

    void Place(int16_t side, int16_t row, int16_t col);
    int16_t Row() const { return row_; }
    int16_t Col() const { return col_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void UpdateAround();

    Paint paint_;
    int16_t side_ = 0;  // nothing placed yet
    int16_t row_ = 0;
    int16_t col_ = 0;
};

// The keyboard cursor of the board: a dashed frame on one cell that stays visible beside the
// orange last-move frame on the same cell.
class BoardCursor : public BoardMark {
  public:
    explicit BoardCursor(QWidget* board);
};
