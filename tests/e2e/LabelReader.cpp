#include "LabelReader.h"

#include <QLabel>
#include <QPixmap>
#include <cstdlib>

namespace {

// The game's status labels ask for the Song face under its Chinese and Latin names first.
QFont StatusFont() {
    QFont font;
    font.setFamilies({"宋体", "SimSun", "NSimSun", "AR PL UMing CN", "AR PL UMing TW",
                      "Noto Serif CJK SC", "Noto Sans CJK SC", "WenQuanYi Zen Hei"});
    font.setPointSizeF(9);
    return font;
}

QImage DrawLabel(const QString& text, QSize size) {
    QLabel label;
    label.setFont(StatusFont());
    label.setText(text);
    label.setFixedSize(size);
    label.setAutoFillBackground(true);  // the window's own ground shows behind the real one
    return label.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

double MeanDifference(const QImage& a, const QImage& b) {
    long long sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q));
        }
    }
    return static_cast<double>(sum) / (3.0 * a.width() * a.height());
}

}  // namespace

std::optional<LabelMatch> ReadLabelNumber(const QImage& screenshot, QPoint topLeft, QSize size,
                                          const QString& prefix, int highest) {
    const QImage shown =
        screenshot.copy(QRect(topLeft, size)).convertToFormat(QImage::Format_RGB32);
    std::optional<LabelMatch> best;
    for (int value = 0; value <= highest; ++value) {
        const QImage drawn = DrawLabel(prefix + QString::number(value), size);
        if (drawn.size() != shown.size()) return std::nullopt;
        const double difference = MeanDifference(drawn, shown);
        if (!best || difference < best->meanDifference) best = LabelMatch{value, difference};
    }
    // The same text drawn by the same library differs by little more than nothing.
    if (!best || best->meanDifference > 2.0) return std::nullopt;
    return best;
}
