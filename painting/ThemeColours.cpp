// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ThemeColours.h"

#include <algorithm>
#include <cmath>

namespace ThemeColours {

namespace {

double Luminance(const QColor& colour) {
    const auto linear = [](float c) {
        return c <= 0.04045f ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

}  // namespace

double Contrast(const QColor& a, const QColor& b) {
    const double x = Luminance(a);
    const double y = Luminance(b);
    return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}

bool IsDark(const QPalette& palette) {
    return Luminance(palette.color(QPalette::Window)) <
           Luminance(palette.color(QPalette::WindowText));
}

QColor Text(const QColor& designed, const QPalette& palette) {
    if (!IsDark(palette)) return designed;
    if (designed.hslSaturation() == 0) return palette.color(QPalette::WindowText);
    const QColor window = palette.color(QPalette::Window);
    // Same hue and saturation, lighter in steps of 1/255, as far as white if need be.
    QColor lighter = designed.toHsl();
    for (int lightness = lighter.lightness();
         Contrast(lighter, window) < kReadableContrast && lightness < 255;) {
        lighter.setHsl(lighter.hslHue(), lighter.hslSaturation(), ++lightness);
    }
    return lighter.toRgb();
}

}  // namespace ThemeColours
