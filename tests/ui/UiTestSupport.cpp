#include "UiTestSupport.h"

#include <QImage>
#include <QTest>

#include "BoardView.h"
#include "Notation.h"
#include "modWait.h"

void FakeDialogs::Inform(QWidget*, const QString&, const QString& text) {
    script_->messages.push_back(text);
    if (script_->onInform) {
        script_->onInform(text);
    }
}

bool FakeDialogs::AskYesNo(QWidget*, const QString&, const QString& text) {
    script_->messages.push_back(text);
    if (script_->yesNo.empty()) {
        return false;
    }
    const bool answer = script_->yesNo.front();
    script_->yesNo.pop_front();
    return answer;
}

std::optional<QString> FakeDialogs::InputText(QWidget*, const QString&, const QString&,
                                              const QString&, QPoint) {
    if (script_->inputs.empty()) {
        return std::nullopt;
    }
    auto answer = script_->inputs.front();
    script_->inputs.pop_front();
    return answer;
}

QString FakeDialogs::OpenRecordPath(QWidget*) {
    if (script_->openPaths.empty()) return QString();
    QString path = script_->openPaths.front();
    script_->openPaths.pop_front();
    return path;
}

QString FakeDialogs::SaveRecordPath(QWidget*) {
    if (script_->savePaths.empty()) return QString();
    QString path = script_->savePaths.front();
    script_->savePaths.pop_front();
    return path;
}

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

void TestWindow::ClickCell(int row, int col) {
    BoardView* board = window->board();
    QTest::mouseClick(board, Qt::LeftButton, Qt::NoModifier,
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
            const QPoint centre = board->CellRect(static_cast<int16_t>(row),
                                                  static_cast<int16_t>(col)).center();
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
    std::string failures;
    const std::string expected = game.sBoard.ToString();
    if (DrawnBoard(window) != expected) {
        failures += "drawn board differs:\n" + DrawnBoard(window) + "\nexpected:\n" + expected + "\n";
    }
    int black = 0;
    int white = 0;
    for (char c : expected) {
        black += c == 'B';
        white += c == 'W';
    }
    if (!game.bReplayMode) {
        const int player = game.iDiscCount[kPlayer];
        const int computer = game.iDiscCount[kComputer];
        const bool playerBlack = game.sSideLetter[kPlayer] == 'B';
        if ((playerBlack ? black : white) != player || (playerBlack ? white : black) != computer) {
            failures += "counts " + std::to_string(player) + "/" + std::to_string(computer) +
                        " differ from the discs\n";
        }
    }
    // Replaying the record text from its header must give the same position; an invalid
    // record shown after a failed open is not a record of this board.
    if (window.RecordText().find("(Invalid)") != std::string::npos) {
        return failures;
    }
    const std::vector<std::string> tokens = SplitRecord(window.RecordText());
    const std::optional<int16_t> size = tokens.empty() ? std::nullopt : ParseHeaderToken(tokens[0]);
    if (!size || *size != game.iBoardSize) {
        return failures + "record header does not match the board\n";
    }
    BoardGrid replayed;
    replayed.Create(*size);
    for (size_t i = 1; i < tokens.size(); ++i) {
        if (!IsValidMoveToken(tokens[i])) {
            return failures + "bad token " + tokens[i] + "\n";
        }
        const RecordedMove move = DecodeMoveToken(tokens[i]);
        const char own = move.side;
        const char opp = own == 'B' ? 'W' : 'B';
        replayed(move.row, move.col) = own;
        if (i <= 4) continue;  // the starting discs capture nothing
        for (int dr = -1; dr <= 1; ++dr) {
            for (int dc = -1; dc <= 1; ++dc) {
                if (dr == 0 && dc == 0) continue;
                int r = move.row + dr;
                int c = move.col + dc;
                while (replayed(static_cast<int16_t>(r), static_cast<int16_t>(c)) == opp) {
                    r += dr;
                    c += dc;
                }
                if (replayed(static_cast<int16_t>(r), static_cast<int16_t>(c)) != own) continue;
                for (r -= dr, c -= dc; r != move.row || c != move.col; r -= dr, c -= dc) {
                    replayed(static_cast<int16_t>(r), static_cast<int16_t>(c)) = own;
                }
            }
        }
    }
    if (replayed.ToString() != expected) {
        failures += "record replays to:\n" + replayed.ToString() + "\n";
    }
    return failures;
}
