#include "BoardView.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "BoardAccessible.h"
#include "BoardCursor.h"
#include "Game.h"
#include "Twips.h"

namespace {

const QColor kTeal(0, 128, 128);
const QColor kOrange(255, 128, 0);

// The orange frame of the last move; drawn above the discs and blind to the mouse.
class MarkerFrame : public QWidget {
public:
    explicit MarkerFrame(QWidget* parent) : QWidget(parent) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        QPen pen(kOrange, 3);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
        painter.drawRect(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5));
    }
};

}  // namespace

BoardView::BoardView(const BoardGrid& board, QWidget* parent)
    : QWidget(parent), board_(board), shpCurrent_(new MarkerFrame(this)) {
    setObjectName("Board");
    setFixedSize(Px(kSideTwips), Px(kSideTwips));
    setAttribute(Qt::WA_OpaquePaintEvent);
    shpCurrent_->setObjectName("shpCurrent");
    shpCurrent_->setGeometry(Px(480), Px(2280), Px(615), Px(600));
    cursor_ = new BoardCursor(this);
    setFocusPolicy(Qt::StrongFocus);
    InstallBoardAccessibility();
}

void BoardView::SetReleaseHandler(std::function<void(int16_t, int16_t)> handler) {
    onRelease_ = std::move(handler);
}

int16_t BoardView::Side() const { return board_.Size() > 0 ? board_.Size() : int16_t{8}; }

float BoardView::GetCellSize() const { return static_cast<float>(kSideTwips) / Side(); }

void BoardView::CellFromTwips(float x, float y, int16_t boardSize, int16_t& row, int16_t& col) {
    const float cell = static_cast<float>(kSideTwips) / boardSize;
    row = static_cast<int16_t>(std::floor(y / cell) + 1);
    col = static_cast<int16_t>(std::floor(x / cell) + 1);
}

QRect BoardView::CellRect(int16_t row, int16_t col) const {
    const double cell = static_cast<double>(width()) / Side();
    const QPointF topLeft((col - 1) * cell, (row - 1) * cell);
    return QRectF(topLeft, QSizeF(cell, cell)).toAlignedRect();
}

void BoardView::DrawDisc(char letter, int16_t row, int16_t col) {
    if (letter == kBlack || letter == kWhite) {
        update(CellRect(row, col));
    }
}

void BoardView::MarkLastMove(int16_t row, int16_t col) {
    FollowLastMove(row, col);
    shpCurrent_->setGeometry(CellRect(row, col));
    shpCurrent_->raise();
}

void BoardView::RedrawAll() { update(); }

void BoardView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.setClipRegion(event->region());
    painter.fillRect(rect(), kTeal);
    const int16_t n = Side();
    const double cell = static_cast<double>(width()) / n;

    painter.setPen(QPen(Qt::black, 1));
    for (int i = 1; i < n; ++i) {
        const double p = std::floor(i * cell);
        painter.drawLine(QPointF(p + 0.5, 0), QPointF(p + 0.5, height()));
        painter.drawLine(QPointF(0, p + 0.5), QPointF(width(), p + 0.5));
    }

    if (board_.Size() == 0) {
        return;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    const double half = cell * 0.5;
    const double radius = half * 0.9;
    for (int16_t row = 1; row <= n; ++row) {
        for (int16_t col = 1; col <= n; ++col) {
            const char letter = board_(row, col);
            if (letter != kBlack && letter != kWhite) {
                continue;
            }
            const QColor colour = letter == kBlack ? Qt::black : Qt::white;
            painter.setPen(colour);
            painter.setBrush(colour);
            painter.drawEllipse(QPointF((col - 1) * cell + half, (row - 1) * cell + half), radius,
                                radius);
        }
    }
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
