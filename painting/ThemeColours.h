// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QPalette>

// The program's look fixes some colours, chosen for dark text on the light grey window of
// its time. Under a dark colour scheme those texts would vanish into the background; these
// keep each fixed colour where it was designed to be seen and find a readable one elsewhere.
namespace ThemeColours {

// Texts this far from their background are readable (WCAG AA asks 4.5:1; the rest is margin).
inline constexpr double kReadableContrast = 5.0;

// WCAG's contrast ratio of two colours, from 1 to 21.
double Contrast(const QColor& a, const QColor& b);

// Whether the palette draws light text on a dark window.
bool IsDark(const QPalette& palette);

// A text colour the look fixes, for text on the palette's window: the colour itself under a
// light palette; under a dark one the palette's own text colour for black (or any grey), and
// any other hue lightened until it reads at kReadableContrast.
QColor Text(const QColor& designed, const QPalette& palette);

}  // namespace ThemeColours
