// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>

class QWidget;

namespace modCommonDialogs {

inline constexpr int16_t kOpenDialog = 1;

// Mode 1 shows the open dialog (existing files only), any other mode the save dialog
// (which asks before overwriting). Returns the chosen path, or "" when cancelled.
// `filter` is in the "Description(*.ext)|*.ext" form.
QString ShowFileDialog(QWidget* owner, int16_t mode, const QString& title,
                       const QString& initialFileName, const QString& filter,
                       const QString& initialDirectory, const QString& defaultExtension,
                       int16_t filterIndex);

// "Zorvel Record(*.zvr)|*.zvr" -> {"Zorvel Record (*.zvr)"}: Qt's name-filter form.
QStringList ToQtNameFilters(const QString& filter);

}  // namespace modCommonDialogs
