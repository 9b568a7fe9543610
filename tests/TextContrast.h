// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QApplication>
#include <QImage>
#include <QMap>
#include <QPalette>
#include <utility>

#include "ThemeColours.h"

// The text colour and the background of a picture of text: the commonest colour is the
// background, and the colour farthest from it a glyph's core, where antialiasing leaves the
// text's own colour.
inline std::pair<QColor, QColor> TextAndBackground(const QImage& picture) {
    QMap<QRgb, int> counts;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) ++counts[picture.pixel(x, y) | 0xff000000];
    QRgb background = counts.firstKey(), text = background;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > counts[background]) background = it.key();
    for (const QRgb c : counts.keys())
        if (ThemeColours::Contrast(c, background) > ThemeColours::Contrast(text, background)) text = c;
    return {QColor(text), QColor(background)};
}

inline double TextContrast(const QImage& picture) {
    const auto [text, background] = TextAndBackground(picture);
    return ThemeColours::Contrast(text, background);
}

// Fusion's dark colours for the application while it lives; widgets made meanwhile take them.
struct DarkPalette {
    DarkPalette() {
        QPalette dark(QColor(53, 53, 53), QColor(53, 53, 53));
        for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            dark.setColor(role, Qt::white);
        dark.setColor(QPalette::Base, QColor(42, 42, 42));
        QApplication::setPalette(dark);
    }
    ~DarkPalette() { QApplication::setPalette(light); }
    QPalette light = QApplication::palette();
};
