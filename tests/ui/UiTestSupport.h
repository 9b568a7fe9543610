#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "Dialogs.h"
#include "frmMain.h"

// Scripted answers for the window's modal questions, taken in order; every message and
// question shown is logged, and onInform runs inside the "modal" message box.
struct Script {
    std::deque<std::optional<QString>> inputs;
    std::deque<QString> openPaths, savePaths;
    std::deque<bool> yesNo;
    QStringList messages;
    std::function<void(const QString&)> onInform;
};

// A main window with scripted dialogs, a short computer pause and a quit that only counts.
struct TestWindow {
    TestWindow();

    std::shared_ptr<Script> script = std::make_shared<Script>();
    std::unique_ptr<frmMain> window;
    int quitCount = 0;
    // Runs once inside the next computer pause, then the pause goes on as usual.
    std::function<void()> duringNextWait;

    frmMain& operator*() { return *window; }
    frmMain* operator->() { return window.get(); }
    void OpenRecord(const QString& path);  // Game → Open, the dialog answering with `path`
    void ClickCell(int row, int col);      // a real mouse click at the centre of a cell
    std::string Record() const { return window->RecordText(); }
};

bool WriteFile(const QString& path, const QByteArray& bytes);

// What must hold after any sequence of actions: the board as drawn (the colour at every
// cell's centre) is sBoard, the counts are the discs (outside replay), and the referee's
// replay of the record text gives sBoard. Empty when all hold, else what failed.
std::string InvariantFailures(frmMain& window);
