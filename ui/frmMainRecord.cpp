// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// Opening and saving records, the command line, and the replay panel.
#include <QFile>
#include <QFileInfo>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>

#include "CommandLine.h"
#include "RecordFile.h"
#include "RecordText.h"
#include "ReplayPanel.h"
#include "frmMain.h"

void frmMain::OpenFromCommandLine(const std::string& argumentText) {
    const std::optional<std::string> path = OpenArgumentPath(argumentText);
    if (!path) {
        return;
    }
    sRecordFile = *path;
    bOpenFromCommandLine = true;
    // The proper-cased path may name no file on a case-sensitive file system.
    commandLinePath_ = ResolveRecordPath(argumentText.substr(std::string("/open ").size()), *path);
    mnuOpen_Click();
}

void frmMain::mnuOpen_Click() {
    std::string path;
    if (bOpenFromCommandLine) {
        bOpenFromCommandLine = false;
        path = commandLinePath_.empty() ? sRecordFile : commandLinePath_;
        commandLinePath_.clear();
    } else {
        const QString chosen = dialogs_->OpenRecordPath(this);
        if (chosen.trimmed().isEmpty()) {
            return;
        }
        // Qt's dialog lists only names that are UTF-8, so these are the name's own bytes.
        path = QFile::encodeName(chosen).toStdString();
        sRecordFile = path;
    }
    OpenRecordFile(path);
}

void frmMain::OpenRecordFile(const std::string& path) {
    const std::optional<std::string> items = RecordFile::ReadItems(path);
    if (!items) {
        return;
    }
    ParsedRecord record = ParseRecordText(*items);
    if (!record.valid) {
        SetRecordText(InvalidRecordDisplay(record.text));
        // Nothing may ever apply an invalid record's tokens.
        replay_.ContinueAsGame(optHuman->isChecked() ? kTrue : kFalse);
        tmrPlay->stop();
        picReplay->SetAllEnabled(false);
        return;
    }
    // A running demo would otherwise keep moving on the replay board.
    tmrDemo->stop();
    replay_.Load(std::move(record.tokens));
    picReplay->SetAllEnabled(true);
    game_.iBoardSize = record.boardSize;
    InitializeBoard(record.boardSize);
    game_.bReplayMode = true;
    replay_.iReplayPos = 0;
    SetStatusLine0("提示：棋谱播放");
}

void frmMain::mnuSave_Click() {
    const QString path = dialogs_->SaveRecordPath(this);
    if (path.trimmed().isEmpty()) {
        return;
    }
    if (QFileInfo::exists(path) &&
        !dialogs_->AskYesNo(this, windowTitle(), "存在同名文件，是否替换？")) {
        return;
    }
    if (!RecordFile::Save(path, sRecordText_)) {
        dialogs_->Inform(this, windowTitle(), "关闭文件时出错，重试。");
    }
}

// ---- Replay panel ---------------------------------------------------------------------------

void frmMain::SetPlayTimerEnabled(bool enabled) {
    if (enabled) {
        tmrPlay->start();
    } else {
        tmrPlay->stop();
    }
}

void frmMain::SetReplayButtonEnabled(ReplayButton button, bool enabled) {
    picReplay->Button(button)->setEnabled(enabled);
}

void frmMain::cmdTop_Click() { replay_.BackToStart(); }

void frmMain::cmdStepPlay_Click() { replay_.Step(); }

void frmMain::cmdAutoPlay_Click() {
    tmrPlay->setInterval(1000);
    tmrPlay->start();
}

void frmMain::cmdBottom_Click() {
    tmrPlay->setInterval(1);
    tmrPlay->start();
}

void frmMain::cmdStop_Click() {
    InitializeBoard(game_.iBoardSize);
    InitializeSetting();
}

void frmMain::tmrPlay_Timer() { replay_.Step(); }
