// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// Draws the icon from the scalable drawing at build time, through Qt's own SVG reader: the
// window icon at the drawing's size, so the program shows the very same pixels without
// drawing the SVG (and paying for Qt Svg's code and heap) at every start, and the sizes the
// desktop's icon theme asks for.
#include <QImage>
#include <QImageReader>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: %s DRAWING.svg ICON.png [SIDE]\n", argv[0]);
        return 2;
    }
    QImageReader reader(QString::fromLocal8Bit(argv[1]), "svg");
    if (argc == 4) {
        const int side = std::atoi(argv[3]);
        if (side < 1) return 2;
        reader.setScaledSize(QSize(side, side));
    }
    const QImage image = reader.read();
    if (image.isNull()) {
        std::fprintf(stderr, "%s: %s (is Qt's SVG image plugin installed?)\n", argv[1],
                     qPrintable(reader.errorString()));
        return 1;
    }
    return image.save(QString::fromLocal8Bit(argv[2]), "png") ? 0 : 1;
}
