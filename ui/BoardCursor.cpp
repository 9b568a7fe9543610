#include "BoardCursor.h"

#include <QPainter>

namespace {

// Yellow reads on the teal board and on both disc colours, and is not the marker's orange.
const QColor kCursorColour(255, 255, 0);
constexpr int kInset = 5;  // clear of the 3-pixel last-move frame

}  // namespace

BoardCursor::BoardCursor(QWidget* board) : QWidget(board) {
    setObjectName("BoardCursor");
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    hide();
}

void BoardCursor::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QPen pen(kCursorColour, 2, Qt::DashLine);
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    painter.drawRect(QRectF(rect()).adjusted(kInset, kInset, -kInset, -kInset));
}
