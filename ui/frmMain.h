// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "Dialogs.h"
#include "Game.h"
#include "GameHost.h"
#include "Replay.h"

class BoardView;
class ClientArea;
class MoveSound;
class QAction;
class QMenu;
class QPlainTextEdit;
class QRadioButton;
class QTimer;
class ReplayPanel;
class StatusLabel;
class StatusPanel;

// The main window: owns the game, draws it, and wires every menu, button and timer.
class frmMain : public QMainWindow, private GameHost, private ReplayHost {
    Q_OBJECT
public:
    static constexpr const char* kApplicationTitle = "Quorvane";

    // Start-up: layout, the default game and, for the computer as black, its first move.
    // `dialogs` may be replaced by tests; null means the real dialogs.
    explicit frmMain(std::unique_ptr<Dialogs> dialogs = nullptr);
    ~frmMain() override;

    // Runs the "/open " command line once the window is up; other argument texts are ignored.
    void OpenFromCommandLine(const std::string& argumentText);

    void InitializeBoard(int16_t BoardSize) override;
    void InitializeSetting();

    // What quitting does; tests replace it because the real routine ends the process.
    void SetQuitRoutine(std::function<void()> quit) { quitRoutine_ = std::move(quit); }
    // How the computer's pause is spent; tests shorten it. It must process events.
    void SetWaitRoutine(std::function<void(int32_t)> wait) { waitRoutine_ = std::move(wait); }

    // ---- For tests and the event handlers -------------------------------------------
    Game& game() { return game_; }
    Replay& replay() { return replay_; }
    const std::string& RecordText() const { return sRecordText_; }
    QString StatusText(int index) const;
    StatusPanel* statusPanel() const { return picStatus; }
    BoardView* board() const { return Board; }
    QTimer* playTimer() const { return tmrPlay; }
    QTimer* demoTimer() const { return tmrDemo; }
    std::string sRecordFile;  // the file system's bytes, which need not be UTF-8
    bool bOpenFromCommandLine = false;

    // Handlers, named after control and event.
    void Board_MouseUp(int16_t row, int16_t col);
    void mnuNewGame_Click();
    void mnuDemo_Click();
    void mnuOpen_Click();
    void mnuSave_Click();
    void mnuQuit_Click();
    void mnuSize_Click();
    void mnuSkill_Click(int index);
    void mnuContent_Click();
    void mnuAbout_Click();
    void mnuGame_DropDown();
    void mnuOptions_DropDown();
    void cmdTop_Click();
    void cmdStepPlay_Click();
    void cmdAutoPlay_Click();
    void cmdBottom_Click();
    void cmdStop_Click();
    void tmrPlay_Timer();
    void tmrDemo_Timer();

    QAction* mnuDemo = nullptr;
    QAction* mnuSound = nullptr;
    QAction* mnuSize = nullptr;
    std::array<QAction*, kSkillLevels> mnuSkill{};
    QRadioButton* optHuman = nullptr;
    QRadioButton* optComputer = nullptr;
    ReplayPanel* picReplay = nullptr;
    QPlainTextEdit* txtRecord = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    // A record file dropped on the window opens as the command line opens it.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // GameHost
    void DrawDisc(char letter, int16_t row, int16_t col) override;
    void MarkLastMove(int16_t row, int16_t col) override;
    void RecordMove(char letter, int16_t row, int16_t col) override;
    void RefreshStatus() override;
    void ShowScore(Side side, int16_t value) override;
    void SetStatusLine0(const std::string& text) override;
    void ShowMessage(const std::string& text) override;
    void WaitMilliseconds(int32_t milliseconds) override;
    // ReplayHost
    void SetPlayTimerEnabled(bool enabled) override;
    void SetReplayButtonEnabled(ReplayButton button, bool enabled) override;

    void CreateControls();
    void CreateMenus();
    void SetRecordText(const std::string& text);
    void ComputerOpens();
    void RunEngineTurn(const std::function<void()>& turn);
    void OpenRecordFile(const std::string& path);

    // What a screen reader hears beyond the focused control (frmMainSpeech.cpp): each move
    // with its captures, the scores and the turn, and the notices of status line 0.
    struct SpokenMove {
        Side mover;
        char letter;
        int16_t row, col, flips;
    };
    void NoteMoveForSpeech(char letter, int16_t row, int16_t col);
    void AnnounceMove();
    void AnnounceLine0(const QString& text);
    void Announce(const QString& text);

    Game game_;
    Replay replay_;
    std::unique_ptr<Dialogs> dialogs_;
    std::function<void()> quitRoutine_;
    std::function<void(int32_t)> waitRoutine_;
    std::string commandLinePath_;  // the file a command-line open reads
    std::string sRecordText_;  // what txtRecord shows; the only store of the record
    int iEngineDepth_ = 0;     // engine turns under way, nested inside waits
    bool bDemoTickRunning_ = false;
    bool bSettingUp_ = false;             // a new board's provisional hint is not news
    int16_t iDiscsDrawn_ = 0;             // since the last recorded disc
    std::optional<SpokenMove> spokenMove_;  // played, not yet announced
    QString sSpokenLine0_;                // what a listener last heard of line 0 or the turn

    ClientArea* client_ = nullptr;
    BoardView* Board = nullptr;
    StatusPanel* picStatus = nullptr;
    std::array<StatusLabel*, 4> lblStatus{};
    MoveSound* sound_ = nullptr;
    QTimer* tmrPlay = nullptr;
    QTimer* tmrDemo = nullptr;
};
