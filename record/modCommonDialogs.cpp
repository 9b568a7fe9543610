// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "modCommonDialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QRegularExpression>

namespace modCommonDialogs {

namespace {

// "Zorvel Record(*.zvr)" -> "Zorvel Record": Qt rebuilds the bracket from the pattern.
QString DescriptionWithoutPatterns(const QString& description) {
    static const QRegularExpression trailingBracket(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
    QString text = description;
    text.remove(trailingBracket);
    return text.trimmed();
}

// Patterns are separated by ';' in the pipe form and by blanks in Qt's form; "*.*" means
// every file, including those without an extension.
QString QtPatterns(const QString& patterns) {
    QStringList list;
    for (const QString& pattern : patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString trimmed = pattern.trimmed();
        if (trimmed.isEmpty()) continue;
        list << (trimmed == QLatin1String("*.*") ? QStringLiteral("*") : trimmed);
    }
    return list.join(QLatin1Char(' '));
}

// Qt's save dialog hands back a name in a folder that does not exist, and the save can
// only fail after the dialog has gone. This one refuses it and stays open, as its open
// mode does for a missing file.
class RecordFileDialog : public QFileDialog {
  public:
    using QFileDialog::QFileDialog;

    void accept() override {
        const QStringList chosen = selectedFiles();
        if (acceptMode() == AcceptSave && !chosen.isEmpty()) {
            const QFileInfo file(chosen.first());
            if (!file.isDir() && !QFileInfo(file.absolutePath()).isDir()) {
                // Qt's own wording, so its translation applies.
                QMessageBox::warning(this, windowTitle(),
                                     QFileDialog::tr("%1\nDirectory not found.\nPlease verify "
                                                     "the correct directory name was given.")
                                         .arg(QDir::toNativeSeparators(file.absolutePath())));
                return;
            }
        }
        QFileDialog::accept();
    }
};

}  // namespace

QStringList ToQtNameFilters(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString patterns = QtPatterns(parts[i + 1]);
        if (patterns.isEmpty()) continue;
        QString description = DescriptionWithoutPatterns(parts[i]);
        if (description.isEmpty()) description = patterns;
        filters << description + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    return filters;
}

QString ShowFileDialog(QWidget* owner, int16_t mode, const QString& title,
                       const QString& initialFileName, const QString& filter,
                       const QString& initialDirectory, const QString& defaultExtension,
                       int16_t filterIndex) {
    RecordFileDialog dialog(owner, title, initialDirectory);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (mode == kOpenDialog) {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    } else {
        // Qt asks before an existing file is replaced unless told not to.
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
    }
    const QStringList filters = ToQtNameFilters(filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        if (filterIndex >= 1 && filterIndex <= filters.size())
            dialog.selectNameFilter(filters[filterIndex - 1]);
    }
    QString suffix = defaultExtension;
    while (suffix.startsWith(QLatin1Char('.'))) suffix.remove(0, 1);
    dialog.setDefaultSuffix(suffix);
    if (!initialFileName.isEmpty()) dialog.selectFile(initialFileName);

    if (dialog.exec() != QDialog::Accepted) return QString();
    const QStringList chosen = dialog.selectedFiles();
    return chosen.isEmpty() ? QString() : chosen.first();
}

}  // namespace modCommonDialogs
