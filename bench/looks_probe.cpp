// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// Measures how the window looks, from pictures of it: the grid line and last-move frame
// widths in device pixels, the keyboard cursor's size, and the contrast of the texts.
//   looks_probe grab SIDE WINDOW.png ABOUT.png   the main window at SIDE and the About box,
//                                                drawn by this build on the current platform
//   looks_probe window WINDOW.png                measures a picture of the main window
//   looks_probe about ABOUT.png                  measures a picture of the About box
// The scale is read off the pictures: the board is 320 logical pixels, the About box 391.
#include <QApplication>
#include <QImage>
#include <QMap>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "BoardView.h"
#include "frmAbout.h"
#include "frmMain.h"

namespace {

const QRgb kTeal = qRgb(0, 128, 128);
const QRgb kOrange = qRgb(255, 128, 0);
const QRgb kYellow = qRgb(255, 255, 0);

double Luminance(QRgb c) {
    const auto channel = [](int v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
}

double Contrast(QRgb a, QRgb b) {
    const double x = Luminance(a), y = Luminance(b);
    return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}

// The commonest colour of `area` is its background; the text is the pixel that stands out
// most from it (a glyph's core, where antialiasing leaves the full text colour).
void PrintContrast(const QImage& image, const char* name, QRect area) {
    area &= image.rect();
    QMap<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) ++counts[image.pixel(x, y) | 0xff000000];
    QRgb background = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > counts.value(background, -1)) background = it.key();
    QRgb text = background;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (Contrast(it.key(), background) > Contrast(text, background)) text = it.key();
    std::printf("  %-22s %5.2f:1  text #%06x on #%06x\n", name, Contrast(text, background),
                text & 0xffffff, background & 0xffffff);
}

// Widths of the runs of `colour` along a row (or a column), as "w×count" summaries.
QString Runs(const QImage& image, QPoint from, QPoint step, int length, QRgb colour) {
    QMap<int, int> widths;
    QList<int> order;
    int run = 0;
    for (int i = 0; i <= length; ++i) {
        const QPoint p = from + step * i;
        if (i < length && image.rect().contains(p) && (image.pixel(p) | 0xff000000) == colour) {
            ++run;
        } else if (run > 0) {
            ++widths[run];
            order << run;
            run = 0;
        }
    }
    QStringList parts;
    for (auto it = widths.cbegin(); it != widths.cend(); ++it)
        parts << QString("%1px×%2").arg(it.key()).arg(it.value());
    QStringList sequence;
    for (int w : order) sequence << QString::number(w);
    return parts.join(", ") + "   (" + sequence.join(" ") + ")";
}

// The rows and columns where `colour` covers at least `share` of the most any line holds.
QRect BoundingBox(const QImage& image, QRgb colour, double share) {
    QList<int> rows(image.height()), columns(image.width());
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) | 0xff000000) == colour) ++rows[y], ++columns[x];
    const auto span = [share](const QList<int>& counts) {
        const int most = *std::max_element(counts.cbegin(), counts.cend());
        int first = -1, last = -2;
        for (int i = 0; i < counts.size(); ++i)
            if (most > 0 && counts[i] >= share * most) last = i, first = first < 0 ? i : first;
        return std::pair(first, last);
    };
    const auto [left, right] = span(columns);
    const auto [top, bottom] = span(rows);
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

int MeasureWindow(const QImage& image) {
    const QRect board = BoundingBox(image, kTeal, 0.5);
    if (!board.isValid()) return 1;
    const double scale = board.width() / 320.0;
    std::printf("board %dx%d at %d,%d: scale %.3g\n", board.width(), board.height(), board.x(),
                board.y(), scale);
    // Row 1 and column 1 hold no disc at the start of a game.
    const int along = board.top() + 2;
    std::printf("  vertical grid lines   %s\n",
                qPrintable(Runs(image, QPoint(board.left(), along), {1, 0}, board.width(), qRgb(0, 0, 0))));
    std::printf("  horizontal grid lines %s\n",
                qPrintable(Runs(image, QPoint(board.left() + 2, board.top()), {0, 1}, board.height(),
                                qRgb(0, 0, 0))));
    const QRect frame = BoundingBox(image, kOrange, 0.01);
    if (frame.isValid()) {
        const QPoint mid = frame.center();
        std::printf("  frame %dx%d, left/right %s\n", frame.width(), frame.height(),
                    qPrintable(Runs(image, QPoint(frame.left(), mid.y()), {1, 0}, frame.width(), kOrange)));
        std::printf("  frame top/bottom %s\n",
                    qPrintable(Runs(image, QPoint(mid.x(), frame.top()), {0, 1}, frame.height(), kOrange)));
    }
    const QRect cursor = BoundingBox(image, kYellow, 0.01);
    if (cursor.isValid())
        std::printf("  cursor %dx%d device px\n", cursor.width(), cursor.height());
    const int s = std::max(1, static_cast<int>(std::lround(scale)));
    PrintContrast(image, "column letters", QRect(board.left(), board.top() - 18 * scale,
                                                  board.width(), 17 * scale));
    PrintContrast(image, "row numbers", QRect(0, board.top(), board.left() - s, board.height()));
    PrintContrast(image, "status lines", QRect(0, board.bottom() + 4 * scale,
                                                 image.width(), 22 * scale));
    PrintContrast(image, "first-mover choice",
                  QRect(board.right() + 10 * scale, board.top() + 40 * scale, 170 * scale, 20 * scale));
    // Below the buttons, which are 33 px high in a strip of 37.
    const QRgb strip = image.pixel(board.right() + 15 * scale, board.top() + 35 * scale);
    const QRgb window = image.pixel(board.right() + 4 * scale, board.top() + 45 * scale);
    std::printf("  replay strip #%06x on window #%06x\n", strip & 0xffffff, window & 0xffffff);
    return 0;
}

int MeasureAbout(const QImage& image) {
    const double scale = image.width() / 391.0;
    std::printf("About box %dx%d: scale %.3g\n", image.width(), image.height(), scale);
    const auto at = [scale](int l, int t, int w, int h) {
        return QRect(std::lround((l + 1) * scale), std::lround((t + 1) * scale),
                     std::lround((w - 2) * scale), std::lround((h - 2) * scale));
    };
    PrintContrast(image, "lblTitle", at(80, 16, 273, 32));
    PrintContrast(image, "lblVersion", at(80, 52, 273, 15));
    PrintContrast(image, "lblDescription", at(80, 75, 273, 38));
    PrintContrast(image, "lblCopyright", at(80, 128, 273, 13));
    PrintContrast(image, "lblDisclaimer", at(17, 175, 258, 47));
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const QByteArray mode = argc > 1 ? argv[1] : "";
    if (mode == "window" && argc == 3) return MeasureWindow(QImage(argv[2]).convertToFormat(QImage::Format_RGB32));
    if (mode == "about" && argc == 3) return MeasureAbout(QImage(argv[2]).convertToFormat(QImage::Format_RGB32));
    if (mode != "grab" || argc != 5) {
        std::fputs("usage: looks_probe grab SIDE WINDOW.png ABOUT.png | window PNG | about PNG\n",
                   stderr);
        return 2;
    }
    QApplication app(argc, argv);
    frmMain window;
    const auto side = static_cast<int16_t>(std::atoi(argv[2]));
    window.game().iBoardSize = side;
    window.InitializeBoard(side);
    window.InitializeSetting();
    window.show();
    QApplication::processEvents();
    if (!window.grab().save(argv[3])) return 1;
    frmAbout about("Quorvane", window.windowIcon());
    about.show();
    QApplication::processEvents();
    return about.grab().save(argv[4]) ? 0 : 1;
}
