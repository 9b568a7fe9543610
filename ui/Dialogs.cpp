// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Dialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QStandardPaths>

#include "modCommonDialogs.h"

namespace {

const QString kRecordFilter = "Zorvel Record(*.zvr)|*.zvr";

bool IsWritableFolder(const QString& path) {
    const QFileInfo info(path);
    return !path.isEmpty() && info.isDir() && info.isWritable();
}

// Orca 48, which Debian 13 ships with Qt 6.8, reads an alert's labels only when they hold three
// words or more, and Chinese writes none of its words apart: the box carries its text as its
// description too. Orca 43, beside Qt 6.4 on Debian 12, reads the labels, and would say it twice.
void Describe([[maybe_unused]] QMessageBox& box, [[maybe_unused]] const QString& text) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    box.setAccessibleDescription(text);
#endif
}

}  // namespace

QString RecordFolder(const QString& programFolder) {
    if (IsWritableFolder(programFolder)) return programFolder;
    // An installed program's folder belongs to the system: a save there could only fail.
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return IsWritableFolder(documents) ? documents : QDir::homePath();
}

WidgetDialogs::WidgetDialogs(QString programFolder) : programFolder_(std::move(programFolder)) {}

QString WidgetDialogs::RecordDialog(QWidget* owner, int16_t mode, const QString& title) {
    const QString folder = programFolder_.isEmpty() ? QCoreApplication::applicationDirPath()
                                                    : programFolder_;
    return modCommonDialogs::ShowFileDialog(owner, mode, title, QString(), kRecordFilter,
                                            RecordFolder(folder), "zvr", 1);
}

void WidgetDialogs::Inform(QWidget* owner, const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok, owner);
    Describe(box, text);
    box.exec();
}

bool WidgetDialogs::AskYesNo(QWidget* owner, const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, owner);
    Describe(box, text);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

std::optional<QString> WidgetDialogs::InputText(QWidget* owner, const QString& title,
                                                const QString& prompt, const QString& initial,
                                                QPoint at) {
    QInputDialog box(owner);
    box.setWindowTitle(title);
    box.setLabelText(prompt);
    box.setTextValue(initial);
    box.move(at);
    if (box.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return box.textValue();
}

QString WidgetDialogs::OpenRecordPath(QWidget* owner) {
    return RecordDialog(owner, modCommonDialogs::kOpenDialog, "Open Zorvel Record");
}

QString WidgetDialogs::SaveRecordPath(QWidget* owner) {
    return RecordDialog(owner, 2, "Save Zorvel Record As");
}
