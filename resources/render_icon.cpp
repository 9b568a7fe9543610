// Draws the window icon from the scalable drawing at build time, through the same Qt Svg
// reader the window would use, so the program shows the very same pixels without drawing
// the SVG (and paying for Qt Svg's code and heap) at every start.
#include <QImage>
#include <QImageReader>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s DRAWING.svg ICON.png\n", argv[0]);
        return 2;
    }
    QImageReader reader(QString::fromLocal8Bit(argv[1]), "svg");
    const QImage image = reader.read();
    if (image.isNull()) {
        std::fprintf(stderr, "%s: %s (is Qt's SVG image plugin installed?)\n", argv[1],
                     qPrintable(reader.errorString()));
        return 1;
    }
    return image.save(QString::fromLocal8Bit(argv[2]), "png") ? 0 : 1;
}
