// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BoardView.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "BoardPainter.h"
#include "BoardAccessible.h"
#include "BoardCursor.h"
#include "Game.h"
#include "Twips.h"

BoardView::BoardView(const BoardGrid& board, QWidget* parent)
    : QWidget(parent), board_(board) {
    setObjectName("Board");
    setFixedSize(Px(kSideTwips), Px(kSideTwips));
    setAttribute(Qt::WA_OpaquePaintEvent);
    shpCurrent_ = new BoardMark(this, BoardPainter::PaintFrame);
    shpCurrent_->setObjectName("shpCurrent");
    cursor_ = new BoardCursor(this);
    setFocusPolicy(Qt::StrongFocus);
    InstallBoardAccessibility();
}

void BoardView::SetReleaseHandler(std::function<void(int16_t, int16_t)> handler) {
    onRelease_ = std::move(handler);
}

QWidget* BoardView::Marker() const { return shpCurrent_; }

int16_t BoardView::Side() const { return board_.Size() > 0 ? board_.Size() : int16_t{8}; }

float BoardView::GetCellSize() const { return static_cast<float>(kSideTwips) / Side(); }

void BoardView::CellFromTwips(float x, float y, int16_t boardSize, int16_t& row, int16_t& col) {
    const float cell = static_cast<float>(kSideTwips) / boardSize;
    row = static_cast<int16_t>(std::floor(y / cell) + 1);
    col = static_cast<int16_t>(std::floor(x / cell) + 1);
}

QRect BoardView::CellRect(int16_t row, int16_t col) const {
    return BoardPainter::CellRect(rect(), Side(), row, col);
}

void BoardView::DrawDisc(char letter, int16_t row, int16_t col) {
    if (letter == kBlack || letter == kWhite) {
        // A smoothed disc may reach a fraction of a pixel past its cell on small cells.
        update(CellRect(row, col).adjusted(-1, -1, 1, 1));
    }
}

void BoardView::MarkLastMove(int16_t row, int16_t col) {
    FollowLastMove(row, col);
    shpCurrent_->Place(Side(), row, col);
    shpCurrent_->raise();
}

void BoardView::RedrawAll() { update(); }

void BoardView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.setClipRegion(event->region());
    BoardPainter::PaintGrid(painter, rect(), Side());
    if (board_.Size() > 0) BoardPainter::PaintDiscs(painter, rect(), board_);
}

void BoardView::mouseReleaseEvent(QMouseEvent* event) {
    const QPointF at = event->position() * kTwipsPerPixel;
    int16_t row = 0;
    int16_t col = 0;
    CellFromTwips(static_cast<float>(at.x()), static_cast<float>(at.y()), Side(), row, col);
    if (row < 1 || col < 1 || row > Side() || col > Side()) {
        return;
    }
    if (onRelease_) {
        onRelease_(row, col);
    }
}
