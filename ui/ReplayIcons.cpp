// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ReplayIcons.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>

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

constexpr int kDesignSize = 32;

// Draws the shape for the size asked, so the icon is as sharp at 1.25 or 2 device pixels per
// pixel as the button's border around it. Below its design size it is drawn at that size and
// reduced, as a bitmap icon would be (the buttons show it a little smaller than designed), so
// the window at scale 1 looks as it always has. The disabled and other looks come from the
// style, as they do for a bitmap icon.
class ReplayIconEngine : public QIconEngine {
  public:
    explicit ReplayIconEngine(ReplayButton button) : button_(button) {}

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
        const QSize drawn = size.expandedTo(QSize(kDesignSize, kDesignSize));
        QPixmap pixmap(drawn);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(qreal(drawn.width()) / kDesignSize, qreal(drawn.height()) / kDesignSize);
        const IconShape shape = ShapeOf(button_);
        painter.setPen(QPen(shape.outline, 1.5));
        painter.setBrush(shape.fill);
        painter.drawPath(shape.path);
        painter.end();
        if (drawn != size) {
            pixmap = pixmap.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        }
        if (mode == QIcon::Normal) return pixmap;
        QStyleOption option;
        option.palette = QGuiApplication::palette();
        return QApplication::style()->generatedIconPixmap(mode, pixmap, &option);
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal ratio = painter->device()->devicePixelRatioF();
        QPixmap picture = pixmap(rect.size() * ratio, mode, state);
        picture.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect.topLeft(), picture);
    }
    QIconEngine* clone() const override { return new ReplayIconEngine(button_); }

  private:
    ReplayButton button_;
};

}  // namespace

QIcon ReplayIcon(ReplayButton button) { return QIcon(new ReplayIconEngine(button)); }
