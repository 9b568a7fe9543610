// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "Dialogs.h"
#include "ReplayPanel.h"
#include "TestFiles.h"
#include "frmMain.h"

inline constexpr const char* kStart = "Size8 BE4 WD4 BD5 WE5 ";

// Scripted answers for the window's modal questions, taken in order; every message and
// question shown is logged, and onInform runs inside the "modal" message box.
struct Script final : Dialogs {
    QList<std::optional<QString>> inputs;
    QStringList openPaths, savePaths;
    QList<bool> yesNo;
    QStringList messages;
    std::function<void(const QString&)> onInform;

    void Inform(QWidget*, const QString&, const QString& text) override {
        messages.push_back(text);
        if (onInform) onInform(text);
    }
    bool AskYesNo(QWidget*, const QString&, const QString& text) override {
        messages.push_back(text);
        return !yesNo.isEmpty() && yesNo.takeFirst();
    }
    std::optional<QString> InputText(QWidget*, const QString&, const QString&, const QString&,
                                     QPoint) override {
        return inputs.isEmpty() ? std::nullopt : inputs.takeFirst();
    }
    QString OpenRecordPath(QWidget*) override {
        return openPaths.isEmpty() ? QString() : openPaths.takeFirst();
    }
    QString SaveRecordPath(QWidget*) override {
        return savePaths.isEmpty() ? QString() : savePaths.takeFirst();
    }
};

// A main window with scripted dialogs, a short computer pause, a quit that only counts and
// a temporary folder for its files.
struct TestWindow {
    TestWindow();

    Script* script;  // owned by the window
    std::unique_ptr<frmMain> window;
    TempDir dir;
    int quitCount = 0;
    // Runs once inside the next computer pause, then the pause goes on as usual.
    std::function<void()> duringNextWait;

    frmMain* operator->() { return window.get(); }
    QString File(const QString& name, const QByteArray& bytes);  // written into dir
    void OpenRecord(const QString& path);  // Game → Open, the dialog answering with `path`
    void ClickCell(int row, int col);      // a real mouse click at the centre of a cell
    // Keys and announcements reach only the active window, which opens with the focus on the
    // first-mover choice.
    void Activate();
    void Press(ReplayButton button);
    std::string Record() const { return window->RecordText(); }
    QStringList Status() const;   // the four status lines
    std::string Buttons() const;  // Top, Step, Auto, Bottom, Stop as '1' (enabled) or '0'
    // What must hold after any sequence of actions: the board as drawn (the colour at every
    // cell's centre) is sBoard, the counts are the discs (outside replay), and the referee's
    // replay of the record text gives sBoard. Empty when all hold, else what failed.
    std::string InvariantFailures() const;
};
