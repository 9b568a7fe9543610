// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BoardCursor.h"

#include <QPaintEvent>
#include <QPainter>

#include "BoardPainter.h"

BoardMark::BoardMark(QWidget* board, Paint paint) : QWidget(board), paint_(paint) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setGeometry(board->rect());
}

void BoardMark::Place(int16_t side, int16_t row, int16_t col) {
    UpdateAround();
    side_ = side;
    row_ = row;
    col_ = col;
    UpdateAround();
}

void BoardMark::UpdateAround() {
    if (side_ > 0) update(BoardPainter::MarksRect(rect(), side_, row_, col_));
}

void BoardMark::paintEvent(QPaintEvent* event) {
    if (side_ <= 0) return;
    QPainter painter(this);
    painter.setClipRegion(event->region());
    paint_(painter, rect(), side_, row_, col_);
}

BoardCursor::BoardCursor(QWidget* board) : BoardMark(board, BoardPainter::PaintCursor) {
    setObjectName("BoardCursor");
    hide();
}
