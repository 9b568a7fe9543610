// The eyes and the referee of the end-to-end tests: reads the game off the screen of the X
// server in DISPLAY, waits for what the scripts expect to see, and judges positions by
// rules of its own. Run without arguments for the list of commands.
#include <QApplication>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "DesktopExec.h"
#include "LabelReader.h"
#include "Referee.h"
#include "ScreenReader.h"
#include "WaitCondition.h"

namespace {

constexpr const char* kUsage = R"(usage: e2e_tool COMMAND ...
  read SHOT.png                  where the board is, its cells, marker and replay buttons
  grab SHOT.png                  screenshot of the whole screen now
  wait [CONDITIONS] [--timeout MS] [--interval MS] [--shot SHOT.png] [--announce]
                                 grab the screen until every condition holds (exit 2 when
                                 the time runs out); conditions: --board POS, --size N,
                                 --marker R,C, --buttons 11111, --changed-from POS,
                                 --move-by LETTER --base POS, --stable MS, --no-board;
                                 --announce prints "ready MS" after the first grab
  labels [SHOT.png]              the move number and both scores shown in the status labels
                                 (of the screen now without SHOT.png)
  start N                        the starting position of side N
  legal POS LETTER               the legal moves, one "row col" a line
  play POS LETTER ROW COL        the position after the move (exit 1 if illegal)
  count POS                      "black B white W empty E"
  grid POS                       the position as rows
  replay FILE.zvr | --text TEXT  the position a record ends in, then "moves N"
  exec DESKTOP-FILE FILE         the command a launcher runs for FILE, NUL-separated
A position (POS) is rows of B, W and . joined by '/'.
)";

int Fail(const std::string& message) {
    std::cerr << "e2e_tool: " << message << "\n";
    return 1;
}

long long NowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

std::optional<Position> PositionArg(const std::string& text) {
    std::optional<Position> position = Position::FromText(text);
    if (!position) std::cerr << "e2e_tool: not a position: " << text << "\n";
    return position;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

QImage GrabScreen() {
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->grabWindow(0).toImage() : QImage();
}

int Read(const std::string& path) {
    const QImage image(QString::fromStdString(path));
    if (image.isNull()) return Fail("cannot read " + path);
    const std::optional<ScreenReading> reading = ReadScreen(image);
    if (!reading) return Fail("no board in " + path);
    std::cout << reading->Describe();
    return 0;
}

int Grab(int argc, char** argv, const std::string& path) {
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication app(argc, argv);
    return GrabScreen().save(QString::fromStdString(path)) ? 0 : Fail("cannot save " + path);
}

int Wait(int argc, char** argv, const std::vector<std::string>& args) {
    WaitOptions options;
    std::string error;
    if (!ParseWaitOptions(args, options, error)) return Fail(error);

    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication app(argc, argv);
    const long long deadline = NowMs() + options.timeoutMs;
    WaitCondition condition(options);
    QImage image;
    bool announced = false;
    for (;;) {
        const long long grabbedAt = NowMs();
        image = GrabScreen();
        if (image.isNull()) return Fail("cannot grab the screen");
        if (options.announce && !announced) {
            std::cout << "ready " << grabbedAt << std::endl;
            announced = true;
        }
        if (condition.Check(ReadScreen(image), grabbedAt)) {
            if (!options.shot.empty()) image.save(QString::fromStdString(options.shot));
            std::cout << condition.Report() << "seen-ms " << grabbedAt << "\n";
            return 0;
        }
        if (grabbedAt >= deadline) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(options.intervalMs));
    }
    if (!options.shot.empty()) image.save(QString::fromStdString(options.shot));
    std::cerr << "e2e_tool: timed out after " << options.timeoutMs << " ms waiting for "
              << condition.Wanted() << "\n"
              << condition.LastSeen();
    return 2;
}

// The status labels stand at client (172|294|416, 352), 120 x 20 pixels.
int Labels(int argc, char** argv, const std::string& path) {
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);
    const QImage image = path.empty() ? GrabScreen() : QImage(QString::fromStdString(path));
    const std::optional<ScreenReading> reading = ReadScreen(image);
    if (!reading) return Fail("no board on the screen");
    const int highest = reading->size * reading->size;
    const struct {
        const char* name;
        int left;
        const char* prefix;
    } labels[] = {
        {"moves", 172, "轮次："}, {"player", 294, "玩家得分："}, {"computer", 416, "计算机得分："}};
    for (const auto& label : labels) {
        const auto match =
            ReadLabelNumber(image, reading->ClientPoint(label.left, 352), QSize(120, 20),
                            QString::fromUtf8(label.prefix), highest);
        if (!match) return Fail(std::string("cannot read the label of ") + label.name);
        std::cout << label.name << " " << match->value << " " << match->meanDifference << "\n";
    }
    return 0;
}

int Legal(const Position& position, char letter) {
    for (const auto& [row, col] : position.LegalMoves(letter)) {
        std::cout << row << " " << col << "\n";
    }
    return 0;
}

int Play(const Position& position, char letter, int row, int col) {
    const std::optional<Position> next = position.Play(letter, row, col);
    if (!next)
        return Fail(std::string(1, letter) + " cannot play row " + std::to_string(row) +
                    " column " + std::to_string(col) + " on\n" + position.Grid());
    std::cout << next->Text() << "\n";
    return 0;
}

int Replay(const std::string& recordText) {
    const std::optional<ReplayResult> result = ReplayRecord(recordText);
    if (!result) return Fail("not a record: " + recordText);
    if (!result->error.empty()) return Fail(result->error);
    std::cout << result->position.Text() << "\nmoves " << result->moves << "\n";
    return 0;
}

int Exec(const std::string& desktopFile, const std::string& file) {
    const std::optional<std::string> value = DesktopExecValue(ReadFile(desktopFile));
    if (!value) return Fail("no Exec key in " + desktopFile);
    const auto arguments = ExecArguments(*value, file);
    if (!arguments) return Fail("malformed Exec value: " + *value);
    for (const std::string& argument : *arguments) std::cout << argument << '\0';
    return 0;
}

int Run(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const std::string command = args.empty() ? "" : args[0];
    const size_t count = args.size();
    const std::vector<std::string> rest(args.begin() + (count > 0 ? 1 : 0), args.end());

    if (command == "read" && count == 2) return Read(args[1]);
    if (command == "grab" && count == 2) return Grab(argc, argv, args[1]);
    if (command == "wait") return Wait(argc, argv, rest);
    if (command == "labels" && count <= 2) return Labels(argc, argv, count == 2 ? args[1] : "");
    if (command == "start" && count == 2) {
        const int side = std::stoi(args[1]);
        if (side < 3 || side > 26) return Fail("the side runs from 3 to 26");
        std::cout << Position::Start(side).Text() << "\n";
        return 0;
    }
    if (command == "exec" && count == 3) return Exec(args[1], args[2]);
    if (command == "replay" && count == 2) return Replay(ReadFile(args[1]));
    if (command == "replay" && count == 3 && args[1] == "--text") return Replay(args[2]);

    if ((command == "legal" && count == 3) || (command == "play" && count == 5) ||
        ((command == "count" || command == "grid") && count == 2)) {
        const std::optional<Position> position = PositionArg(args[1]);
        if (!position) return 1;
        if (command == "count") {
            std::cout << "black " << position->Count('B') << " white " << position->Count('W')
                      << " empty " << position->Count('.') << "\n";
            return 0;
        }
        if (command == "grid") {
            std::cout << position->Grid();
            return 0;
        }
        const char letter = args[2].empty() ? '?' : args[2][0];
        if (letter != 'B' && letter != 'W') return Fail("the side is B or W");
        if (command == "legal") return Legal(*position, letter);
        return Play(*position, letter, std::stoi(args[3]), std::stoi(args[4]));
    }
    std::cerr << kUsage;
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        return Run(argc, argv);
    } catch (const std::exception& error) {  // a number argument that is not one
        return Fail(std::string("bad argument: ") + error.what());
    }
}
