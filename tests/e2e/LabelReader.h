#pragma once

#include <QImage>
#include <QPoint>
#include <QString>
#include <optional>

// Reads a number off a status label of the game by drawing the label's text for every
// candidate number the way the game draws it (a QLabel in the 9-point Song face) and
// keeping the closest match: Chinese text cannot be read back, but it can be redrawn.
// Needs a QApplication on the same X server as the screenshot, so fonts and resolution agree.
struct LabelMatch {
    int value = 0;
    double meanDifference = 0;  // per pixel and channel, 0 to 255
};

// `topLeft` and `size` give the label in screen pixels; the text is `prefix` + the number,
// for numbers from 0 to `highest`. Nothing when even the best match is poor.
std::optional<LabelMatch> ReadLabelNumber(const QImage& screenshot, QPoint topLeft, QSize size,
                                          const QString& prefix, int highest);
