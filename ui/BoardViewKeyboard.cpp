// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// Keyboard play on the board: a cell cursor moved by the arrow keys, Home and End, and Enter
// or Space taking the path of a mouse release on the cursor cell.
#include <QKeyEvent>
#include <algorithm>

#include "BoardAccessible.h"
#include "BoardCursor.h"
#include "BoardView.h"

QWidget* BoardView::Cursor() const { return cursor_; }

void BoardView::FollowLastMove(int16_t row, int16_t col) {
    lastRow_ = row;
    lastCol_ = col;
    MoveCursor(row, col);
}

void BoardView::MoveCursor(int row, int col) {
    cursorRow_ = static_cast<int16_t>(std::clamp(row, 1, static_cast<int>(Side())));
    cursorCol_ = static_cast<int16_t>(std::clamp(col, 1, static_cast<int>(Side())));
    cursor_->Place(Side(), cursorRow_, cursorCol_);
    cursor_->raise();
}

void BoardView::ShowCursor() { cursor_->setVisible(hasFocus() && bKeyboardInUse_); }

void BoardView::keyPressEvent(QKeyEvent* event) {
    const int row = cursorRow_;
    const int col = cursorCol_;
    switch (event->key()) {
        case Qt::Key_Up:
            MoveCursor(row - 1, col);
            break;
        case Qt::Key_Down:
            MoveCursor(row + 1, col);
            break;
        case Qt::Key_Left:
            MoveCursor(row, col - 1);
            break;
        case Qt::Key_Right:
            MoveCursor(row, col + 1);
            break;
        case Qt::Key_Home:
            MoveCursor(row, 1);
            break;
        case Qt::Key_End:
            MoveCursor(row, Side());
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            // A held key repeats: only its first press plays, as a click plays once. X11
            // repeats as a release and a press of one time, a pair Qt does not always see.
            if (event->isAutoRepeat() ||
                (event->timestamp() != 0 && event->timestamp() == keyReleasedAt_))
                return;
            bKeyboardInUse_ = true;
            ShowCursor();
            // The same hand-over as a release on this cell, replay mode included.
            if (onRelease_) {
                onRelease_(cursorRow_, cursorCol_);
            }
            return;
        default:
            QWidget::keyPressEvent(event);
            return;
    }
    bKeyboardInUse_ = true;
    ShowCursor();
    // Only a key says where the cursor went: when it follows a move, the move's announcement
    // names the cell.
    AnnounceBoardCursor(this);
}

void BoardView::keyReleaseEvent(QKeyEvent* event) {
    keyReleasedAt_ = event->timestamp();
    QWidget::keyReleaseEvent(event);
}

void BoardView::mousePressEvent(QMouseEvent* event) {
    bKeyboardInUse_ = false;
    ShowCursor();
    QWidget::mousePressEvent(event);
}

void BoardView::focusInEvent(QFocusEvent* event) {
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason) {
        bKeyboardInUse_ = true;
    } else if (event->reason() == Qt::MouseFocusReason) {
        bKeyboardInUse_ = false;
    }
    ShowCursor();
    // Qt announces the board itself once this handler returns; the cell follows it, so that
    // a screen reader ends on the cell.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (hasFocus()) AnnounceBoardCursor(this);
        },
        Qt::QueuedConnection);
    QWidget::focusInEvent(event);
}

void BoardView::focusOutEvent(QFocusEvent* event) {
    ShowCursor();
    QWidget::focusOutEvent(event);
}
