// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// The thumbnailer run as a file manager runs it, its pictures checked against the
// independent referee's replay of the same record.
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>

#include <QDir>
#include <QImage>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "PictureGrid.h"
#include "Referee.h"
#include "TestFiles.h"

namespace fs = std::filesystem;

namespace {

const QString kTests = QUORVANE_TESTS_DIR "/";

// The installed entry's Exec line with its codes filled in, the command found on a PATH that
// holds the built thumbnailer, the names passed as the file system's bytes. The exit status,
// or -1 for a crash.
int RunAsFileManager(std::string input, std::string output, std::string size) {
    const QByteArray entry = ReadAll(QUORVANE_THUMBNAILER_ENTRY);
    const qsizetype exec = entry.indexOf("\nExec=") + 6;
    std::vector<std::string> words;
    for (const QByteArray& word : entry.mid(exec, entry.indexOf('\n', exec) - exec).split(' '))
        words.push_back(word == "%i"   ? input
                        : word == "%o" ? output
                        : word == "%s" ? size
                                       : word.toStdString());
    words[0] = QStandardPaths::findExecutable(words[0].c_str(), {QUORVANE_THUMBNAILER_DIR})
                   .toStdString();
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    int status = 0;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return -1;
    return waitpid(pid, &status, 0) == pid && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

// Each record under a name that is not UTF-8, as records copied from Windows have, and its
// picture written under such a name too.
TEST(Thumbnailer, PaintsTheRecordsFinalPositionAndFramesItsLastMove) {
    QTemporaryDir dir;
    const std::string record = dir.filePath("").toStdString() + "\xb6\xd4\xbe\xd6.zvr";
    const std::string output = dir.filePath("").toStdString() + "\xcd\xbc.png";
    const QString illegalTail = dir.filePath("illegal.zvr");  // a legal move, a thousand refused
    ASSERT_TRUE(
        WriteAll(illegalTail, "Size8 BE4 WD4 BD5 WE5 BF4 " + QByteArray("BA1 ").repeated(1000)));
    const std::pair<QString, std::vector<int>> cases[] = {
        {kTests + "record/corpus/whole-game-8.zvr", {256}},
        {kTests + "fuzz-corpus/game-26.zvr", {32, 128, 256}},
        {kTests + "fuzz-corpus/game-3.zvr", {32, 128, 256}},
        {illegalTail, {64}},
        // A refused move late in the game, and one at once.
        {kTests + "fuzz-corpus/error-late-10.zvr", {128}},
        {kTests + "record/corpus/outside-board-8.zvr", {64}}};
    for (const auto& [source, sizes] : cases)
        for (const int size : sizes) {
            SCOPED_TRACE(source.toStdString() + " at " + std::to_string(size));
            fs::copy_file(source.toStdString(), record, fs::copy_options::overwrite_existing);
            ASSERT_EQ(RunAsFileManager(record, output, std::to_string(size)), 0);
            fs::rename(output, dir.filePath("out.png").toStdString());
            const QImage image(dir.filePath("out.png"), "PNG");
            ASSERT_EQ(image.size(), QSize(size, size));
            const std::string text = ReadAll(source).toStdString();
            const std::optional<ReplayResult> referee = ReplayRecord(text);
            ASSERT_TRUE(referee);
            const int side = referee->position.Size();
            if (size / side < 4) continue;  // the centres fall on grid lines
            EXPECT_EQ(PictureGrid(image, side), referee->position.Grid());

            if (size / side < 6) continue;  // too small for a frame
            // The frame's corner is on the last placed disc's cell (a starting disc if none).
            std::istringstream tokens(text);
            std::string token;
            for (int i = 0; i <= 4 + referee->moves; ++i) tokens >> token;
            const std::optional<Move> last = ParseMoveToken(token);
            ASSERT_TRUE(last);
            EXPECT_EQ(
                image.pixelColor((last->col - 1) * size / side, (last->row - 1) * size / side),
                QColor(255, 128, 0));
        }
}

// Nothing changes in the folder: no picture, and the record stays whole also where the
// output names the record itself, by its name or through a link.
TEST(Thumbnailer, WritesNothingAndFailsWithoutAValidRecord) {
    QTemporaryDir dir;
    const std::string at = dir.filePath("").toStdString();
    ASSERT_TRUE(WriteAll(dir.filePath("oversized.zvr"),  // valid if it were read
                         "Size8 BE4 WD4 BD5 WE5 " + QByteArray(1024 * 1024, '\n')));
    const std::string whole = at + "g\xe9.zvr";
    fs::copy_file((kTests + "record/corpus/whole-game-8.zvr").toStdString(), whole);
    fs::create_symlink(whole, at + "link.png");
    const std::string corpus = (kTests + "record/corpus/").toStdString();
    const struct {
        std::string record, size, output;
    } cases[] = {{corpus + "invalid-lowercase-header.zvr", "128", "out.png"},
                 {corpus + "invalid-double-space.zvr", "128", "out.png"},  // a sound header
                 {corpus + "invalid-empty.zvr", "128", "out.png"},
                 {at + "missing.zvr", "128", "out.png"},
                 {at, "128", "out.png"},
                 {at + "oversized.zvr", "128", "out.png"},
                 {whole, "large", "out.png"},
                 {whole, "128", "no-such-folder/out.png"},
                 {whole, "128", "g\xe9.zvr"},
                 {whole, "128", "link.png"}};
    const auto contents = [&] {  // names and bytes, read by the names' own bytes
        std::map<std::string, std::string> files;
        for (const auto& file : fs::directory_iterator(at)) {
            std::ifstream in(file.path(), std::ios::binary);
            files[file.path().filename()] = {std::istreambuf_iterator<char>(in), {}};
        }
        return files;
    };
    const auto before = contents();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.record + " " + c.size + " " + c.output);
        EXPECT_GT(RunAsFileManager(c.record, at + c.output, c.size), 0);
        EXPECT_EQ(contents(), before);
    }
}
