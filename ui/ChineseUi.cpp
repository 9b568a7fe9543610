// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ChineseUi.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

QFont SongFont(qreal pointSize, bool bold) {
    QFont font;
    font.setFamilies({"宋体", "SimSun", "NSimSun", "AR PL UMing CN", "AR PL UMing TW",
                      "Noto Serif CJK SC", "Noto Sans CJK SC", "WenQuanYi Zen Hei"});
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

void InstallChineseTranslation(QApplication& app) {
    auto* translator = new QTranslator(&app);
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (translator->load(QLocale(QLocale::Chinese, QLocale::China), "qtbase", "_", folder)) {
        QApplication::installTranslator(translator);
    } else {
        delete translator;
    }
}
