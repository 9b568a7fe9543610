#include "ReplayIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

QPainterPath Triangle(qreal left, qreal right) {
    QPainterPath path;
    path.moveTo(left, 6);
    path.lineTo(right, 16);
    path.lineTo(left, 26);
    path.closeSubpath();
    return path;
}

QPainterPath LeftTriangle(qreal left, qreal right) {
    QPainterPath path;
    path.moveTo(right, 6);
    path.lineTo(left, 16);
    path.lineTo(right, 26);
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
            return {Bar(7).united(LeftTriangle(12, 25)), QColor(255, 0, 204), QColor(204, 51, 153)};
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
