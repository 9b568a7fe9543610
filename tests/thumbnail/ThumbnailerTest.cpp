// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// The thumbnailer run as a file manager runs it, its pictures checked against the
// independent referee's replay of the same record.
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <QDir>
#include <QImage>
#include <filesystem>

#include "PictureGrid.h"
#include "Referee.h"
#include "TestFiles.h"

namespace fs = std::filesystem;

namespace {

const QString kTests = QUORVANE_TESTS_DIR "/";

// The entry's Exec line with its codes filled in, from the same template as the installed
// entry but naming the build's thumbnailer, the names passed as the file system's bytes. The
// exit status, or -1 for a crash.
int RunAsFileManager(const std::string& input, const std::string& output, const char* size) {
    const QByteArray entry = ReadAll(QUORVANE_THUMBNAILER_ENTRY);
    const qsizetype exec = entry.indexOf("\nExec=") + 6;
    QList<QByteArray> words = entry.mid(exec, entry.indexOf('\n', exec) - exec).split(' ');
    for (QByteArray& word : words)
        word.replace("%i", input).replace("%o", output).replace("%s", size);
    std::vector<char*> argv(words.size() + 1);  // ending in a null pointer
    for (qsizetype i = 0; i < words.size(); ++i) argv[i] = words[i].data();
    pid_t pid = 0;
    int status = 0;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return -1;
    return waitpid(pid, &status, 0) == pid && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

// Each record under a name that is not UTF-8, as records copied from Windows have, and its
// picture written under such a name too.
TEST(Thumbnailer, PaintsTheRecordsFinalPositionAndFramesItsLastMove) {
    TempDir dir;
    const std::string at = (dir.path() + "/").toStdString(), record = at + "\xb6\xd4\xbe\xd6.zvr";
    const std::string output = at + "\xcd\xbc.png";
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
            ASSERT_EQ(RunAsFileManager(record, output, std::to_string(size).c_str()), 0);
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
            const auto tokens = QByteArray::fromStdString(text).simplified().split(' ');
            const std::optional<Move> last = ParseMoveToken(tokens[4 + referee->moves].data());
            ASSERT_TRUE(last);
            const QPoint corner((last->col - 1) * size / side, (last->row - 1) * size / side);
            EXPECT_EQ(image.pixelColor(corner), QColor(255, 128, 0));
        }
}

// Nothing changes in the folder: no picture, and the record stays whole also where the
// output names the record itself, by its name or through a link.
TEST(Thumbnailer, WritesNothingAndFailsWithoutAValidRecord) {
    TempDir dir;
    const std::string at = (dir.path() + "/").toStdString();
    ASSERT_EQ(::mkfifo((at + "fifo.zvr").c_str(), 0600), 0);  // never waited on
    const std::string whole = at + "g\xe9.zvr";
    fs::copy_file((kTests + "record/corpus/whole-game-8.zvr").toStdString(), whole);
    fs::create_symlink(whole, at + "link.png");
    const std::string corpus = (kTests + "record/corpus/").toStdString();
    const struct {
        std::string record, output = "out.png";
        const char* size = "128";
    } cases[] = {{corpus + "invalid-lowercase-header.zvr"}, {corpus + "invalid-empty.zvr"},
                 {corpus + "invalid-double-space.zvr"},  // a sound header
                 {at + "missing.zvr"}, {at}, {at + "fifo.zvr"}, {whole, "out.png", "large"},
                 {whole, "no-such-folder/out.png"}, {whole, "g\xe9.zvr"}, {whole, "link.png"}};
    const std::uintmax_t size = fs::file_size(whole);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.record + " " + c.size + " " + c.output);
        EXPECT_GT(RunAsFileManager(c.record, at + c.output, c.size), 0);
        EXPECT_EQ(std::distance(fs::directory_iterator(at), fs::directory_iterator()), 3);
        EXPECT_EQ(fs::file_size(whole) + fs::file_size(at + "link.png"), 2 * size);
    }
}
