// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ReplayIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

// A triangle with its upright base at x = base and its point at x = tip: it points right when
// the tip lies right of the base, left otherwise.
QPainterPath Triangle(qreal base, qreal tip) {
    QPainterPath path;
    path.moveTo(base, 6);
    path.lineTo(tip, 16);
    path.lineTo(base, 26);
    path.closeSubpath();
    return path;
}

QPainterPath Bar(qreal left) {
    QPainterPath path;
    path.addRect(left, 6, 4, 20);
    return path;
}

struct IconShape {
    QPainterPath path;
    QColor fill;
    QColor outline;
};

IconShape ShapeOf(ReplayButton button) {
    switch (button) {
        case ReplayButton::Top:
            return {Bar(7).united(Triangle(25, 12)), QColor(255, 0, 204), QColor(204, 51, 153)};
        case ReplayButton::StepPlay:
            return {Triangle(10, 24), QColor(51, 153, 51), QColor(0, 153, 153)};
        case ReplayButton::AutoPlay:
            return {Triangle(4, 16).united(Triangle(16, 28)), QColor(51, 51, 255),
                    QColor(51, 0, 153)};
        case ReplayButton::Bottom:
            return {Triangle(7, 20).united(Bar(21)), QColor(128, 0, 0), QColor(153, 102, 0)};
        case ReplayButton::Stop: {
            QPainterPath square;
            square.addRect(8, 8, 16, 16);
            return {square, QColor(204, 51, 0), QColor(153, 51, 51)};
        }
    }
    return {};
}

}  // namespace

QIcon ReplayIcon(ReplayButton button) {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const IconShape shape = ShapeOf(button);
    painter.setPen(QPen(shape.outline, 1.5));
    painter.setBrush(shape.fill);
    painter.drawPath(shape.path);
    painter.end();
    return QIcon(pixmap);
}
