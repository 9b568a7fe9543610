// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "UiTestSupport.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <algorithm>

#include "BoardView.h"
#include "PictureGrid.h"
#include "Referee.h"
#include "modWait.h"

static std::string DrawnBoard(frmMain& window) {
    BoardView* board = window.board();
    board->Marker()->hide();  // the frame is not part of the position
    const QImage image = board->grab().toImage();
    board->Marker()->show();
    std::string grid = PictureGrid(image, window.game().iBoardSize);
    grid.pop_back();  // the last row's line end
    return grid;
}

TestWindow::TestWindow() {
    auto dialogs = std::make_unique<Script>();
    script = dialogs.get();
    window = std::make_unique<frmMain>(std::move(dialogs));
    window->SetQuitRoutine([this] { ++quitCount; });
    window->SetWaitRoutine([this](int32_t) {
        if (auto action = std::exchange(duringNextWait, nullptr)) action();
        modWait::WaitMilliseconds(5);
    });
    window->show();
}

QString TestWindow::File(const QString& name, const QByteArray& bytes) {
    QFile file(dir.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    return file.fileName();
}

void TestWindow::OpenRecord(const QString& path) {
    script->openPaths.push_back(path);
    window->mnuOpen_Click();
}

void TestWindow::Activate() {
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    ASSERT_TRUE(window->optHuman->hasFocus());
}

void TestWindow::ClickCell(int row, int col) {
    QTest::mouseClick(window->board(), Qt::LeftButton, Qt::NoModifier,
                      window->board()->CellRect(int16_t(row), int16_t(col)).center());
}

void TestWindow::Press(ReplayButton button) { window->picReplay->Button(button)->click(); }

QStringList TestWindow::Status() const {
    return {window->StatusText(0), window->StatusText(1), window->StatusText(2),
            window->StatusText(3)};
}

std::string TestWindow::Buttons() const {
    std::string states;
    for (int b = 0; b < 5; ++b)
        states += window->picReplay->Button(ReplayButton(b))->isEnabled() ? '1' : '0';
    return states;
}

std::string TestWindow::InvariantFailures() const {
    Game& game = window->game();
    const std::string expected = game.sBoard.ToString();
    std::string failures;
    if (const std::string drawn = DrawnBoard(*window); drawn != expected)
        failures += "drawn board differs:\n" + drawn + "\nexpected:\n" + expected + "\n";
    const auto count = [&](char c) { return std::ranges::count(expected, c); };
    const char own = game.sSideLetter[kPlayer];
    if (!game.bReplayMode && (game.iDiscCount[kPlayer] != count(own) ||
                              game.iDiscCount[kComputer] != count(own == 'B' ? 'W' : 'B')))
        failures += "the counts differ from the discs\n";
    // An invalid record shown after a failed open is not a record of this board.
    if (Record().find("(Invalid)") != std::string::npos) return failures;
    const std::optional<ReplayResult> replayed = ReplayRecord(Record());
    std::string rows = replayed ? replayed->position.Text() : "no record";
    std::ranges::replace(rows, '/', '\n');
    if (!replayed || !replayed->error.empty() || rows != expected)
        failures += "the record text replays to:\n" + rows + "\n";
    return failures;
}
