#include "ScreenReader.h"

#include <algorithm>
#include <cmath>

namespace {

// Client layout of the main window, in logical pixels.
constexpr QPoint kBoardInClient(26, 24);
constexpr int kPanelOffset = 330;  // replay panel's left edge from the board's
constexpr int kButtonLefts[5] = {0, 35, 70, 105, 140};
constexpr int kButtonSide = 33;

constexpr int kMinBoardSide = 150;

bool Near(int value, int target, int tolerance) { return std::abs(value - target) <= tolerance; }

bool IsTeal(QRgb p) { return qRed(p) <= 16 && Near(qGreen(p), 128, 16) && Near(qBlue(p), 128, 16); }
bool IsBlack(QRgb p) { return qRed(p) < 48 && qGreen(p) < 48 && qBlue(p) < 48; }
bool IsWhite(QRgb p) { return qRed(p) > 207 && qGreen(p) > 207 && qBlue(p) > 207; }
bool IsOrange(QRgb p) { return qRed(p) > 224 && Near(qGreen(p), 128, 32) && qBlue(p) < 40; }
// Pixels an edge of the board may show: the teal ground, a grid line, the marker frame.
bool IsEdgePixel(QRgb p) { return IsTeal(p) || IsBlack(p) || IsOrange(p); }
// Enabled icons are drawn in full colour; disabled ones are greyed.
bool IsVivid(QRgb p) {
    const int high = std::max({qRed(p), qGreen(p), qBlue(p)});
    const int low = std::min({qRed(p), qGreen(p), qBlue(p)});
    return high - low > 90;
}

// A window partly covering the board leaves teal squares that are only part of it; the
// whole board has no teal just outside any of its edges.
bool StandsAlone(const QImage& image, const QRect& square) {
    auto tealAlong = [&](QPoint from, QPoint step) {
        int teal = 0;
        for (int i = 0; i < square.width(); ++i) {
            const QPoint p = from + step * i;
            teal += image.rect().contains(p) && IsTeal(image.pixel(p));
        }
        return teal;
    };
    const int limit = square.width() / 4;
    return tealAlong(square.topLeft() + QPoint(0, -1), {1, 0}) < limit &&
           tealAlong(square.bottomLeft() + QPoint(0, 1), {1, 0}) < limit &&
           tealAlong(square.topLeft() + QPoint(-1, 0), {0, 1}) < limit &&
           tealAlong(square.topRight() + QPoint(1, 0), {0, 1}) < limit;
}

// The top edge: the first row holding a long, mostly teal run of edge pixels, below which
// the left and right edges run as far and the square stands alone.
std::optional<QRect> FindBoard(const QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width();) {
            if (!IsEdgePixel(line[x])) {
                ++x;
                continue;
            }
            int end = x;
            int teal = 0;
            while (end < image.width() && IsEdgePixel(line[end])) teal += IsTeal(line[end++]);
            const int side = end - x;
            if (side >= kMinBoardSide && teal * 2 > side && y + side <= image.height()) {
                // The left and right edges must be as long as the top one.
                bool square = true;
                for (int dy = 0; dy < side && square; ++dy) {
                    square = IsEdgePixel(image.pixel(x, y + dy)) &&
                             IsEdgePixel(image.pixel(end - 1, y + dy));
                }
                const QRect found(x, y, side, side);
                if (square && StandsAlone(image, found)) return found;
            }
            x = end;
        }
    }
    return std::nullopt;
}

// Grid lines end on every edge; the marker frame can hide one where it touches an edge, so
// the edge that shows the most lines counts.
int CountGridLines(const QImage& image, const QRect& board) {
    auto count = [&](QPoint from, QPoint step) {
        int runs = 0;
        bool inLine = false;
        for (int i = 0; i < board.width(); ++i) {
            const bool black = IsBlack(image.pixel(from + step * i));
            if (black && !inLine) ++runs;
            inLine = black;
        }
        return runs;
    };
    return std::max({count(board.topLeft(), {1, 0}), count(board.bottomLeft(), {1, 0}),
                     count(board.topLeft(), {0, 1}), count(board.topRight(), {0, 1})});
}

// The disc at a cell centre: the 5x5 patch around it must agree, and for a disc the
// corners of the cell outside it must show the teal ground (or the marker), so that a light
// window lying over the board is not taken for white discs.
char ReadCell(const QImage& image, QPoint centre, double cell) {
    int black = 0, white = 0, teal = 0;
    for (int dy = -2; dy <= 2; ++dy) {
        for (int dx = -2; dx <= 2; ++dx) {
            const QRgb p = image.pixel(centre + QPoint(dx, dy));
            black += IsBlack(p);
            white += IsWhite(p);
            teal += IsTeal(p);
        }
    }
    if (teal == 25) return '.';
    if (black != 25 && white != 25) return '?';
    // 0.35 of a cell out from the centre along both axes lies outside the disc (0.45 radius).
    const int out = static_cast<int>(cell * 0.35);
    for (const QPoint corner :
         {QPoint(-out, -out), QPoint(out, -out), QPoint(-out, out), QPoint(out, out)}) {
        const QRgb p = image.pixel(centre + corner);
        if (!IsTeal(p) && !IsOrange(p)) return '?';
    }
    return black == 25 ? 'B' : 'W';
}

QRect CellRect(const QRect& board, int size, int row, int col) {
    const double cell = static_cast<double>(board.width()) / size;
    const QRectF r((col - 1) * cell, (row - 1) * cell, cell, cell);
    return r.toAlignedRect().translated(board.topLeft());
}

// The frame is 3 pixels wide along the cell's edges: the middle of each edge, one pixel in.
bool IsFramed(const QImage& image, const QRect& cell) {
    const QPoint mid = cell.center();
    return IsOrange(image.pixel(cell.left() + 1, mid.y())) &&
           IsOrange(image.pixel(cell.right() - 1, mid.y())) &&
           IsOrange(image.pixel(mid.x(), cell.top() + 1)) &&
           IsOrange(image.pixel(mid.x(), cell.bottom() - 1));
}

std::string ReadButtons(const QImage& image, const QRect& board) {
    std::string states;
    for (int left : kButtonLefts) {
        const QRect button(board.left() + kPanelOffset + left, board.top(), kButtonSide,
                           kButtonSide);
        int vivid = 0;
        for (int y = button.top(); y <= button.bottom(); ++y) {
            for (int x = button.left(); x <= button.right(); ++x) {
                if (image.rect().contains(x, y)) vivid += IsVivid(image.pixel(x, y));
            }
        }
        states += vivid >= 40 ? '1' : '0';
    }
    return states;
}

}  // namespace

QPoint ScreenReading::CellCentre(int row, int col) const {
    const double cell = static_cast<double>(board.width()) / size;
    return board.topLeft() +
           QPoint(static_cast<int>((col - 0.5) * cell), static_cast<int>((row - 0.5) * cell));
}

QPoint ScreenReading::ClientPoint(int x, int y) const {
    return board.topLeft() - kBoardInClient + QPoint(x, y);
}

std::string ScreenReading::Describe() const {
    return "board " + std::to_string(board.left()) + " " + std::to_string(board.top()) + " " +
           std::to_string(board.width()) + " " + std::to_string(size) + "\ncells " + cells +
           "\nmarker " + std::to_string(markerRow) + " " + std::to_string(markerCol) +
           "\nbuttons " + buttons + "\n";
}

std::optional<ScreenReading> ReadScreen(const QImage& screenshot) {
    const QImage image = screenshot.convertToFormat(QImage::Format_RGB32);
    const std::optional<QRect> board = FindBoard(image);
    if (!board) return std::nullopt;

    ScreenReading reading;
    reading.board = *board;
    reading.size = CountGridLines(image, *board) + 1;
    if (reading.size < 3) return std::nullopt;
    for (int row = 1; row <= reading.size; ++row) {
        if (row > 1) reading.cells += '/';
        for (int col = 1; col <= reading.size; ++col) {
            reading.cells += ReadCell(image, reading.CellCentre(row, col),
                                      static_cast<double>(board->width()) / reading.size);
            const QRect cell = CellRect(*board, reading.size, row, col);
            if (reading.markerRow == 0 && IsFramed(image, cell)) {
                reading.markerRow = row;
                reading.markerCol = col;
            }
        }
    }
    reading.buttons = ReadButtons(image, *board);
    return reading;
}
