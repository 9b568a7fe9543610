#include "UiTestSupport.h"

#include <QFile>
#include <QImage>
#include <QTest>
#include <algorithm>

#include "BoardView.h"
#include "Referee.h"
#include "modWait.h"

namespace {
template <class T>
T Pop(std::deque<T>& answers, T fallback) {
    if (answers.empty()) return fallback;
    T answer = answers.front();
    answers.pop_front();
    return answer;
}

}  // namespace

void FakeDialogs::Inform(QWidget*, const QString&, const QString& text) {
    script_->messages.push_back(text);
    if (script_->onInform) script_->onInform(text);
}

bool FakeDialogs::AskYesNo(QWidget*, const QString&, const QString& text) {
    script_->messages.push_back(text);
    return Pop(script_->yesNo, false);
}

std::optional<QString> FakeDialogs::InputText(QWidget*, const QString&, const QString&,
                                              const QString&, QPoint) {
    return Pop(script_->inputs, std::optional<QString>());
}

QString FakeDialogs::OpenRecordPath(QWidget*) { return Pop(script_->openPaths, QString()); }

QString FakeDialogs::SaveRecordPath(QWidget*) { return Pop(script_->savePaths, QString()); }

TestWindow::TestWindow()
    : script(std::make_shared<FakeDialogs::Script>()),
      window(std::make_unique<frmMain>(std::make_unique<FakeDialogs>(script))) {
    window->SetQuitRoutine([this] { ++quitCount; });
    window->SetWaitRoutine([this](int32_t) {
        if (duringNextWait) {
            auto action = std::move(duringNextWait);
            duringNextWait = nullptr;
            action();
        }
        modWait::WaitMilliseconds(5);
    });
    window->show();
}

TestWindow::~TestWindow() = default;

void TestWindow::OpenRecord(const QString& path) {
    script->openPaths.push_back(path);
    window->mnuOpen_Click();
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

void TestWindow::ClickCell(int row, int col) {
    BoardView* board = window->board();
    QTest::mouseClick(
        board, Qt::LeftButton, Qt::NoModifier,
        board->CellRect(static_cast<int16_t>(row), static_cast<int16_t>(col)).center());
}

std::string DrawnBoard(frmMain& window) {
    BoardView* board = window.board();
    board->Marker()->hide();  // the frame is not part of the position
    const QImage image = board->grab().toImage();
    board->Marker()->show();
    const int n = window.game().iBoardSize;
    std::string text;
    for (int row = 1; row <= n; ++row) {
        for (int col = 1; col <= n; ++col) {
            const QPoint centre =
                board->CellRect(static_cast<int16_t>(row), static_cast<int16_t>(col)).center();
            const QPoint scaled(centre.x() * image.width() / board->width(),
                                centre.y() * image.height() / board->height());
            const QColor colour = image.pixelColor(scaled);
            text += colour == Qt::black ? 'B' : colour == Qt::white ? 'W' : '.';
        }
        if (row < n) text += '\n';
    }
    return text;
}

std::string InvariantFailures(frmMain& window) {
    Game& game = window.game();
    const std::string expected = game.sBoard.ToString();
    std::string failures;
    if (DrawnBoard(window) != expected)
        failures += "drawn board differs:\n" + DrawnBoard(window) + "\nexpected:\n" + expected + "\n";
    const auto count = [&](char c) { return std::ranges::count(expected, c); };
    const char own = game.sSideLetter[kPlayer];
    if (!game.bReplayMode && (game.iDiscCount[kPlayer] != count(own) ||
                              game.iDiscCount[kComputer] != count(own == 'B' ? 'W' : 'B')))
        failures += "the counts differ from the discs\n";
    // An invalid record shown after a failed open is not a record of this board.
    if (window.RecordText().find("(Invalid)") != std::string::npos) return failures;
    const std::optional<ReplayResult> replayed = ReplayRecord(window.RecordText());
    std::string rows = replayed ? replayed->position.Text() : "no record";
    std::ranges::replace(rows, '/', '\n');
    if (!replayed || !replayed->error.empty() || rows != expected ||
        replayed->position.Size() != game.iBoardSize)
        failures += "the record text replays to:\n" + rows + "\n";
    return failures;
}
