#pragma once

#include <QIcon>

// The program's icon: the 64x64 picture, plus the scalable drawing where Qt can read SVG.
QIcon QuorvaneIcon();
