#pragma once

#include <QIcon>

// The program's icon: the scalable drawing as Qt Svg draws it at 64x64, drawn at build time.
QIcon QuorvaneIcon();
