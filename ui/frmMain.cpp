// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmMain.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>

#include "BoardView.h"
#include "ChineseUi.h"
#include "ClientArea.h"
#include "KeyboardCaret.h"
#include "MoveSound.h"
#include "Notation.h"
#include "QuorvaneIcon.h"
#include "Quit.h"
#include "ReplayPanel.h"
#include "StatusLabel.h"
#include "StatusPanel.h"
#include "Twips.h"
#include "modWait.h"

namespace {

QString Utf8(const std::string& text) { return QString::fromStdString(text); }

struct LabelPlace {
    int left;
    int width;
};
constexpr LabelPlace kStatusPlaces[4] = {{120, 2400}, {2580, 1800}, {4410, 1800}, {6240, 1800}};

// The client area below the menu bar, from the window's outer size of 8205 × 6360 twips less
// its frame, title bar and menu bar.
constexpr int kClientWidth = 539;
constexpr int kClientHeight = 374;

}  // namespace

frmMain::frmMain(std::unique_ptr<Dialogs> dialogs)
    : game_(*this),
      replay_(game_, *this, *this),
      dialogs_(dialogs ? std::move(dialogs) : std::make_unique<WidgetDialogs>()),
      quitRoutine_([] { Quit::QuitRoutine(); }),
      waitRoutine_(modWait::WaitMilliseconds) {
    setObjectName("frmMain");
    setWindowTitle(kApplicationTitle);
    setWindowIcon(QuorvaneIcon());
    setAcceptDrops(true);
    CreateControls();
    CreateMenus();
    setFixedSize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);

    game_.iBoardSize = 8;
    InitializeBoard(8);
    InitializeSetting();
    // The board is in the tab chain for keyboard play, but the window still opens with the
    // focus on the first-mover choice, so keys pressed at start do what they always did.
    optHuman->setFocus();
}

frmMain::~frmMain() = default;

void frmMain::CreateControls() {
    client_ = new ClientArea(this);
    client_->setFixedSize(kClientWidth, kClientHeight);
    setCentralWidget(client_);

    Board = new BoardView(game_.sBoard, client_);
    Board->move(Px(390), Px(360));
    Board->SetReleaseHandler([this](int16_t row, int16_t col) { Board_MouseUp(row, col); });

    picStatus = new StatusPanel(client_);
    picStatus->setGeometry(0, Px(5280), kClientWidth, Px(300));
    for (int i = 0; i < 4; ++i) {
        auto* label = new StatusLabel(picStatus);
        label->setObjectName(QString("lblStatus%1").arg(i));
        label->setFont(SongFont(9));
        label->setGeometry(Px(kStatusPlaces[i].left), 0, Px(kStatusPlaces[i].width), Px(300));
        lblStatus[static_cast<size_t>(i)] = label;
    }

    optHuman = new QRadioButton("玩家先行", client_);
    optHuman->setObjectName("optHuman");
    optHuman->setGeometry(Px(5400), Px(960), Px(1215), Px(300));
    optHuman->setChecked(true);
    optComputer = new QRadioButton("电脑先行", client_);
    optComputer->setObjectName("optComputer");
    optComputer->setGeometry(Px(6720), Px(960), Px(1215), Px(300));
    for (QRadioButton* option : {optHuman, optComputer}) {
        option->setFont(SongFont(9.75));
        connect(option, &QRadioButton::toggled, this, [this](bool on) {
            if (on) mnuNewGame_Click();
        });
    }

    picReplay = new ReplayPanel(client_);
    picReplay->setGeometry(Px(5340), Px(360), Px(2655), Px(548));

    txtRecord = new QPlainTextEdit(client_);
    txtRecord->setObjectName("txtRecord");
    txtRecord->setGeometry(Px(5310), Px(1320), Px(2730), Px(3855));
    txtRecord->setReadOnly(true);
    txtRecord->setFont(SongFont(9.75));
    txtRecord->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    txtRecord->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    txtRecord->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    new KeyboardCaret(txtRecord);

    sound_ = new MoveSound(this);
    tmrPlay = new QTimer(this);
    tmrPlay->setInterval(1000);
    tmrPlay->setTimerType(Qt::PreciseTimer);
    connect(tmrPlay, &QTimer::timeout, this, &frmMain::tmrPlay_Timer);
    tmrDemo = new QTimer(this);
    tmrDemo->setInterval(500);
    connect(tmrDemo, &QTimer::timeout, this, &frmMain::tmrDemo_Timer);

    connect(picReplay->Button(ReplayButton::Top), &QAbstractButton::clicked, this,
            &frmMain::cmdTop_Click);
    connect(picReplay->Button(ReplayButton::StepPlay), &QAbstractButton::clicked, this,
            &frmMain::cmdStepPlay_Click);
    connect(picReplay->Button(ReplayButton::AutoPlay), &QAbstractButton::clicked, this,
            &frmMain::cmdAutoPlay_Click);
    connect(picReplay->Button(ReplayButton::Bottom), &QAbstractButton::clicked, this,
            &frmMain::cmdBottom_Click);
    connect(picReplay->Button(ReplayButton::Stop), &QAbstractButton::clicked, this,
            &frmMain::cmdStop_Click);
}

// ---- Setting up a game ---------------------------------------------------------------------

void frmMain::InitializeBoard(int16_t BoardSize) {
    game_.CreateBoard();
    SetRecordText(HeaderToken(game_.iBoardSize) + " ");
    game_.PlaceStartingDiscs();
    game_.SetDiscCount(kPlayer, 2);
    game_.SetDiscCount(kComputer, 2);
    client_->DrawCoordinateLabels(BoardSize);
    game_.ResetTurnCounters();
    bSettingUp_ = true;
    RefreshStatus();
    bSettingUp_ = false;
    spokenMove_.reset();
    Board->RedrawAll();
}

void frmMain::InitializeSetting() {
    game_.bReplayMode = false;
    tmrDemo->stop();
    tmrPlay->stop();
    replay_.Discard();
    picReplay->SetAllEnabled(false);
    std::array<bool, kSkillLevels> checked{};
    for (size_t i = 0; i < checked.size(); ++i) {
        checked[i] = mnuSkill[i]->isChecked();
    }
    game_.ReadSkill(checked);
    game_.AssignColours(optHuman->isChecked() ? kTrue : kFalse);
    if (game_.bPlayerTurn == kFalse) {
        RunEngineTurn([this] { game_.ComputerMove(); });
    }
}

void frmMain::RunEngineTurn(const std::function<void()>& turn) {
    ++iEngineDepth_;
    turn();
    --iEngineDepth_;
    AnnounceMove();
}

void frmMain::SetRecordText(const std::string& text) {
    sRecordText_ = text;
    txtRecord->setPlainText(Utf8(text));
}

QString frmMain::StatusText(int index) const {
    return lblStatus[static_cast<size_t>(index)]->StatusText();
}

// ---- The engine's view of the window -------------------------------------------------------

void frmMain::DrawDisc(char letter, int16_t row, int16_t col) {
    ++iDiscsDrawn_;
    Board->DrawDisc(letter, row, col);
}

void frmMain::MarkLastMove(int16_t row, int16_t col) {
    Board->MarkLastMove(row, col);
    if (mnuSound->isChecked()) {
        sound_->PlayWave(MoveSound::SoundPath(QCoreApplication::applicationDirPath()));
    }
}

void frmMain::RecordMove(char letter, int16_t row, int16_t col) {
    NoteMoveForSpeech(letter, row, col);
    const std::string token = MoveToken(letter, row, col) + " ";
    sRecordText_ += token;
    QTextCursor end(txtRecord->document());
    end.movePosition(QTextCursor::End);
    end.insertText(Utf8(token));
    txtRecord->ensureCursorVisible();
}

void frmMain::RefreshStatus() {
    lblStatus[1]->SetStatusText(Utf8(MoveNumberText(game_.iMoveNumber)));
    const QString hint = Utf8(TurnHintText(game_));
    lblStatus[0]->SetStatusText(hint);
    // A move's own utterance tells whose turn it is.
    if (!bSettingUp_ && !spokenMove_ && hint != sSpokenLine0_) AnnounceLine0(hint);
}

void frmMain::ShowScore(Side side, int16_t value) {
    lblStatus[side == kPlayer ? 2 : 3]->SetStatusText(Utf8(ScoreText(side, value)));
}

void frmMain::SetStatusLine0(const std::string& text) {
    lblStatus[0]->SetStatusText(Utf8(text));
    // Spoken every time: a second illegal cell must be heard as well as the first.
    AnnounceMove();
    AnnounceLine0(Utf8(text));
}

void frmMain::ShowMessage(const std::string& text) {
    AnnounceMove();
    dialogs_->Inform(this, windowTitle(), Utf8(text));
}

void frmMain::WaitMilliseconds(int32_t milliseconds) {
    AnnounceMove();
    waitRoutine_(milliseconds);
}

// ---- Board, options and quitting -----------------------------------------------------------

void frmMain::Board_MouseUp(int16_t row, int16_t col) {
    if (game_.bReplayMode) {
        return;
    }
    RunEngineTurn([&] { game_.PlayerMove(row, col); });
}

void frmMain::mnuNewGame_Click() {
    InitializeBoard(game_.iBoardSize);
    InitializeSetting();
}

void frmMain::mnuQuit_Click() { quitRoutine_(); }

void frmMain::closeEvent(QCloseEvent* event) {
    // Closing is never cancelled; the quit routine ends the process.
    event->accept();
    quitRoutine_();
}
