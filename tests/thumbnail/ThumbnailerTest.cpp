// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// The thumbnailer run as a file manager runs it, its pictures checked against the
// independent referee's replay of the same record.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <sstream>

#include "Referee.h"
#include "TestFiles.h"

namespace {

const QString kTests = QUORVANE_TESTS_DIR "/";

// The entry's Exec line with its codes filled in, from the same template as the installed
// entry but naming the build's thumbnailer. The exit status, or -1 for a crash or a hang.
int RunAsFileManager(const QString& input, const QString& output, const QString& size) {
    const QByteArray entry = ReadAll(QUORVANE_THUMBNAILER_ENTRY);
    const qsizetype exec = entry.indexOf("\nExec=") + 6;
    QStringList words = QString(entry.mid(exec, entry.indexOf('\n', exec) - exec)).split(' ');
    for (QString& word : words) word.replace("%i", input).replace("%o", output).replace("%s", size);
    QProcess process;
    process.start(words.takeFirst(), words);
    if (!process.waitForFinished(10000) || process.exitStatus() != QProcess::NormalExit) return -1;
    return process.exitCode();
}

// Each cell centre read back as the referee writes positions: B, W or '.' for teal.
std::string DrawnGrid(const QImage& image, int side) {
    const QList<QColor> colours = {Qt::black, Qt::white, QColor(0, 128, 128)};
    std::string grid;
    for (int row = 1; row <= side; ++row) {
        for (int col = 1; col <= side; ++col) {
            const QColor c = image.pixelColor(static_cast<int>((col - 0.5) * image.width() / side),
                                              static_cast<int>((row - 0.5) * image.width() / side));
            grid += "BW.?"[colours.indexOf(c) >= 0 ? colours.indexOf(c) : 3];
        }
        grid += '\n';
    }
    return grid;
}

}  // namespace

TEST(Thumbnailer, PaintsTheRecordsFinalPositionAndFramesItsLastMove) {
    QTemporaryDir dir;
    const QString output = dir.filePath("out.png");
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
    for (const auto& [record, sizes] : cases)
        for (const int size : sizes) {
            SCOPED_TRACE(record.toStdString() + " at " + std::to_string(size));
            ASSERT_EQ(RunAsFileManager(record, output, QString::number(size)), 0);
            const QImage image(output, "PNG");
            ASSERT_EQ(image.size(), QSize(size, size));
            const std::string text = ReadAll(record).toStdString();
            const std::optional<ReplayResult> referee = ReplayRecord(text);
            ASSERT_TRUE(referee);
            const int side = referee->position.Size();
            if (size / side < 4) continue;  // the centres fall on grid lines
            EXPECT_EQ(DrawnGrid(image, side), referee->position.Grid());

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

TEST(Thumbnailer, WritesNothingAndFailsWithoutAValidRecord) {
    QTemporaryDir dir;
    const QString oversized = dir.filePath("oversized.zvr");  // valid if it were read
    ASSERT_TRUE(WriteAll(oversized, "Size8 BE4 WD4 BD5 WE5 " + QByteArray(1024 * 1024, '\n')));
    const QString whole = kTests + "record/corpus/whole-game-8.zvr";
    const struct {
        QString record, size, output;
    } cases[] = {{kTests + "record/corpus/invalid-lowercase-header.zvr", "128", "out.png"},
                 {kTests + "record/corpus/invalid-empty.zvr", "128", "out.png"},
                 {dir.filePath("missing.zvr"), "128", "out.png"},
                 {dir.path(), "128", "out.png"},
                 {oversized, "128", "out.png"},
                 {whole, "large", "out.png"},
                 {whole, "128", "no-such-folder/out.png"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.record.toStdString() + " " + c.size.toStdString());
        EXPECT_GT(RunAsFileManager(c.record, dir.filePath(c.output), c.size), 0);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList("oversized.zvr"));
    }
}
