// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BoardCursor.h"

#include <QPainter>

namespace {

// Yellow dashes with black between them read on the teal board and on both disc colours,
// and neither is the marker's orange.
const QColor kCursorColour(255, 255, 0);
constexpr qreal kDash = 3;  // in pen widths
constexpr int kInset = 5;   // clear of the 3-pixel last-move frame

}  // namespace

BoardCursor::BoardCursor(QWidget* board) : QWidget(board) {
    setObjectName("BoardCursor");
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    hide();
}

void BoardCursor::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRectF frame = QRectF(rect()).adjusted(kInset, kInset, -kInset, -kInset);
    QPen pen(Qt::black, 2);
    pen.setCapStyle(Qt::FlatCap);
    pen.setDashPattern({kDash, kDash});
    painter.setPen(pen);
    painter.drawRect(frame);
    pen.setColor(kCursorColour);
    pen.setDashOffset(kDash);
    painter.setPen(pen);
    painter.drawRect(frame);
}
