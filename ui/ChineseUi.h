// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>

class QApplication;

// A Song-style face: 宋体 where it exists, then the Debian Ming/Song face and other CJK faces,
// so Chinese text never shows as boxes.
QFont SongFont(qreal pointSize, bool bold = false);

// Loads Qt's own Chinese translation so message-box buttons read 是/否 and 确定.
void InstallChineseTranslation(QApplication& app);
