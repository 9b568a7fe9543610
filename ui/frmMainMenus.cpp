// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// The menu bar of the main window and the handlers of the Options and Level menus.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>

#include "BoardSizeEntry.h"
#include "Help.h"
#include "frmAbout.h"
#include "frmMain.h"

namespace {

constexpr const char* kSkillCaptions[kSkillLevels] = {"专业(&E)", "良好(&G)", "一般(&F)",
                                                      "较差(&P)", "极差(&I)"};

QAction* AddItem(QMenu* menu, const char* name, const char* caption) {
    QAction* action = menu->addAction(QString::fromUtf8(caption));
    action->setObjectName(name);
    return action;
}

}  // namespace

void frmMain::CreateMenus() {
    QMenu* mnuGame = menuBar()->addMenu("游戏(&G)");
    mnuGame->setObjectName("mnuGame");
    connect(AddItem(mnuGame, "mnuNewGame", "新游戏(&N)"), &QAction::triggered, this,
            &frmMain::mnuNewGame_Click);
    mnuDemo = AddItem(mnuGame, "mnuDemo", "演示(&D)");
    connect(mnuDemo, &QAction::triggered, this, &frmMain::mnuDemo_Click);
    mnuGame->addSeparator();
    connect(AddItem(mnuGame, "mnuOpen", "打开(&O)"), &QAction::triggered, this,
            &frmMain::mnuOpen_Click);
    connect(AddItem(mnuGame, "mnuSave", "保存(&S)"), &QAction::triggered, this,
            &frmMain::mnuSave_Click);
    mnuGame->addSeparator();
    connect(AddItem(mnuGame, "mnuQuit", "退出(&Q)"), &QAction::triggered, this,
            &frmMain::mnuQuit_Click);
    connect(mnuGame, &QMenu::aboutToShow, this, &frmMain::mnuGame_DropDown);

    QMenu* mnuOptions = menuBar()->addMenu("选项(&O)");
    mnuOptions->setObjectName("mnuOptions");
    mnuSound = AddItem(mnuOptions, "mnuSound", "落子声音(&S)");
    mnuSound->setCheckable(true);
    // The item flips its own check mark; MarkLastMove reads it at every move.
    mnuSound->setChecked(true);
    mnuOptions->addSeparator();
    mnuSize = AddItem(mnuOptions, "mnuSize", "棋盘规格(&S)");
    connect(mnuSize, &QAction::triggered, this, &frmMain::mnuSize_Click);
    connect(mnuOptions, &QMenu::aboutToShow, this, &frmMain::mnuOptions_DropDown);

    QMenu* mnuLevel = menuBar()->addMenu("水平(&S)");
    mnuLevel->setObjectName("mnuLevel");
    for (int i = 0; i < kSkillLevels; ++i) {
        QAction* item = AddItem(mnuLevel, "mnuSkill", kSkillCaptions[i]);
        item->setObjectName(QString("mnuSkill%1").arg(i));
        item->setCheckable(true);
        item->setChecked(i == 0);
        connect(item, &QAction::triggered, this, [this, i] { mnuSkill_Click(i); });
        mnuSkill[static_cast<size_t>(i)] = item;
    }

    QMenu* mnuHelp = menuBar()->addMenu("帮助(&H)");
    mnuHelp->setObjectName("mnuHelp");
    connect(AddItem(mnuHelp, "mnuContent", "主题(&C)"), &QAction::triggered, this,
            &frmMain::mnuContent_Click);
    connect(AddItem(mnuHelp, "mnuAbout", "关于(&A)"), &QAction::triggered, this,
            &frmMain::mnuAbout_Click);

    // F10 opens the first menu, as in GNOME and KDE programs.
    connect(new QShortcut(Qt::Key_F10, this), &QShortcut::activated, this,
            [this] { menuBar()->setActiveAction(menuBar()->actions().constFirst()); });
}

void frmMain::mnuGame_DropDown() { mnuDemo->setEnabled(!game_.bReplayMode); }

void frmMain::mnuOptions_DropDown() {
    mnuSize->setEnabled((game_.iMoveNumber == 0 || game_.bGameOver) && !game_.bReplayMode);
}

void frmMain::mnuSize_Click() {
    const QPoint at = frameGeometry().topLeft() + QPoint(1800 / 15, 2400 / 15);
    const std::optional<QString> entry = dialogs_->InputText(
        this, "棋盘规格", "输入棋盘边长", QString::number(game_.iBoardSize), at);
    if (!entry) {
        return;
    }
    const std::optional<int16_t> side = ParseBoardSizeEntry(*entry);
    if (!side) {
        return;
    }
    game_.iBoardSize = *side;
    InitializeBoard(*side);
    InitializeSetting();
}

void frmMain::mnuSkill_Click(int index) {
    for (QAction* item : mnuSkill) {
        item->setChecked(false);
    }
    mnuSkill[static_cast<size_t>(index)]->setChecked(true);
    std::array<bool, kSkillLevels> checked{};
    checked[static_cast<size_t>(index)] = true;
    game_.ReadSkill(checked);
}

void frmMain::mnuContent_Click() { Help::ShowContents(); }

void frmMain::mnuAbout_Click() {
    frmAbout about(windowTitle(), windowIcon());
    about.exec();
}
