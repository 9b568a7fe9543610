// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ClientArea.h"

#include <QFontMetricsF>
#include <QPainter>

#include "BoardView.h"
#include "ChineseUi.h"
#include "ThemeColours.h"
#include "Twips.h"

namespace {
constexpr double kBoardLeft = 390;
constexpr double kBoardTop = 360;
const QColor kLabelColour(0, 128, 128);
}  // namespace

ClientArea::ClientArea(QWidget* parent) : QWidget(parent) { setFont(SongFont(12)); }

void ClientArea::DrawCoordinateLabels(int16_t boardSize) {
    boardSize_ = boardSize;
    update();
}

void ClientArea::paintEvent(QPaintEvent*) {
    if (boardSize_ <= 0) {
        return;
    }
    QPainter painter(this);
    const QFont font = SongFont(boardSize_ > 16 ? 10 : 12, true);
    painter.setFont(font);
    // Teal as on the board, lighter on a dark window.
    painter.setPen(ThemeColours::Text(kLabelColour, palette()));
    const double ascent = QFontMetricsF(font).ascent();
    const double cell = static_cast<double>(BoardView::kSideTwips) / boardSize_;
    // Positions are in twips; each label's top-left corner sits at the given point.
    auto print = [&](double xTwips, double yTwips, const QString& text) {
        painter.drawText(QPointF(xTwips / kTwipsPerPixel, yTwips / kTwipsPerPixel + ascent), text);
    };
    for (int i = 1; i <= boardSize_; ++i) {
        print(kBoardLeft + (i - 0.5) * cell - 90, 90, QString(QChar(64 + i)));
        print(kBoardLeft / 2 - 120, kBoardTop + (i - 0.5) * cell - 90, QString::number(i));
    }
}
