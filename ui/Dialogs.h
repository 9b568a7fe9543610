// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPoint>
#include <QString>
#include <optional>

class QWidget;

// The modal questions the main window asks. Tests replace them with scripted answers.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Information icon, OK button.
    virtual void Inform(QWidget* owner, const QString& title, const QString& text) = 0;
    // Question icon, Yes and No, No as the default; true for Yes.
    virtual bool AskYesNo(QWidget* owner, const QString& title, const QString& text) = 0;
    // Input box with its top-left corner at `at` (screen pixels); nothing when cancelled.
    virtual std::optional<QString> InputText(QWidget* owner, const QString& title,
                                             const QString& prompt, const QString& initial,
                                             QPoint at) = 0;
    // The chosen record path, or "" when cancelled.
    virtual QString OpenRecordPath(QWidget* owner) = 0;
    virtual QString SaveRecordPath(QWidget* owner) = 0;
};

// Where the record dialogs start: the program's folder when the user may write there, else
// the documents folder, else the home folder.
QString RecordFolder(const QString& programFolder);

// The real dialogs: message boxes, an input box, and the record file dialogs.
class WidgetDialogs final : public Dialogs {
public:
    // `programFolder` stands in for the running program's folder when not empty.
    explicit WidgetDialogs(QString programFolder = QString());
    void Inform(QWidget* owner, const QString& title, const QString& text) override;
    bool AskYesNo(QWidget* owner, const QString& title, const QString& text) override;
    std::optional<QString> InputText(QWidget* owner, const QString& title, const QString& prompt,
                                     const QString& initial, QPoint at) override;
    QString OpenRecordPath(QWidget* owner) override;
    QString SaveRecordPath(QWidget* owner) override;

private:
    QString RecordDialog(QWidget* owner, int16_t mode, const QString& title);

    QString programFolder_;
};
