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

// The real dialogs: message boxes, an input box, and the record file dialogs.
class WidgetDialogs final : public Dialogs {
public:
    void Inform(QWidget* owner, const QString& title, const QString& text) override;
    bool AskYesNo(QWidget* owner, const QString& title, const QString& text) override;
    std::optional<QString> InputText(QWidget* owner, const QString& title, const QString& prompt,
                                     const QString& initial, QPoint at) override;
    QString OpenRecordPath(QWidget* owner) override;
    QString SaveRecordPath(QWidget* owner) override;
};
