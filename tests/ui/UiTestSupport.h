#pragma once

#include <QString>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "Dialogs.h"
#include "frmMain.h"

// Scripted answers for the window's modal questions; every question asked is logged.
class FakeDialogs final : public Dialogs {
  public:
    struct Script {
        std::deque<std::optional<QString>> inputs;
        std::deque<QString> openPaths;
        std::deque<QString> savePaths;
        std::deque<bool> yesNo;
        QStringList messages;                          // every Inform and AskYesNo text, in order
        std::function<void(const QString&)> onInform;  // runs inside the "modal" box
    };

    explicit FakeDialogs(std::shared_ptr<Script> script) : script_(std::move(script)) {}

    void Inform(QWidget*, const QString&, const QString& text) override;
    bool AskYesNo(QWidget*, const QString&, const QString& text) override;
    std::optional<QString> InputText(QWidget*, const QString&, const QString&, const QString&,
                                     QPoint) override;
    QString OpenRecordPath(QWidget*) override;
    QString SaveRecordPath(QWidget*) override;

  private:
    std::shared_ptr<Script> script_;
};

// A main window with scripted dialogs, a short computer pause and a quit that only counts.
struct TestWindow {
    TestWindow();
    ~TestWindow();

    std::shared_ptr<FakeDialogs::Script> script;
    std::unique_ptr<frmMain> window;
    int quitCount = 0;
    // Runs once inside the next computer pause, then the pause goes on as usual.
    std::function<void()> duringNextWait;

    frmMain& operator*() { return *window; }
    frmMain* operator->() { return window.get(); }

    // Game → Open, the dialog answering with `path`.
    void OpenRecord(const QString& path);
    // A real mouse click at the centre of a cell of the board widget.
    void ClickCell(int row, int col);
    std::string Record() const { return window->RecordText(); }
};

// Writes `bytes` to `path`; false when it cannot.
bool WriteFile(const QString& path, const QByteArray& bytes);

// The board as drawn: the colour at the centre of every cell of a grab of the board widget,
// written as rows of 'B', 'W' and '.' joined by '\n' (BoardGrid::ToString's form).
std::string DrawnBoard(frmMain& window);

// The checks every test can make after any sequence of actions: the drawn board equals
// sBoard, the counts equal the discs (outside replay), and replaying the record text from its
// header reproduces sBoard. Empty when all hold, else what failed.
std::string InvariantFailures(frmMain& window);
