// The thumbnailer run as a file manager runs it, its pictures checked against the
// independent referee's replay of the same record.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <sstream>

#include "Referee.h"

namespace {

const QString kTests = QUORVANE_TESTS_DIR;

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The installed entry's Exec line with its codes filled in, the command found on a PATH that
// holds the built thumbnailer. The exit status, or -1 for a crash or a hang.
int RunAsFileManager(const QString& input, const QString& output, const QString& size) {
    QString exec;
    for (const QByteArray& line : ReadAll(QUORVANE_THUMBNAILER_ENTRY).split('\n')) {
        if (line.startsWith("Exec=")) exec = QString::fromUtf8(line.mid(5));
    }
    QStringList words = exec.split(' ', Qt::SkipEmptyParts);
    if (words.isEmpty()) return -1;
    for (QString& word : words) {
        word.replace("%i", input).replace("%o", output).replace("%s", size);
    }
    QProcess process;
    process.setProgram(
        QStandardPaths::findExecutable(words.takeFirst(), {QUORVANE_THUMBNAILER_DIR}));
    process.setArguments(words);
    process.start();
    if (!process.waitForFinished(10000) || process.exitStatus() != QProcess::NormalExit) return -1;
    return process.exitCode();
}

// Each cell centre read back as the referee writes positions: B, W or '.' for teal.
std::string DrawnGrid(const QImage& image, int side) {
    std::string grid;
    for (int row = 1; row <= side; ++row) {
        grid += "  ";
        for (int col = 1; col <= side; ++col) {
            const QColor c = image.pixelColor(static_cast<int>((col - 0.5) * image.width() / side),
                                              static_cast<int>((row - 0.5) * image.width() / side));
            grid += c == Qt::black ? 'B' : c == Qt::white ? 'W' : c == QColor(0, 128, 128) ? '.' : '?';
        }
        grid += '\n';
    }
    return grid;
}

}  // namespace

TEST(Thumbnailer, PaintsTheRecordsFinalPositionAndFramesItsLastMove) {
    QTemporaryDir dir;
    const QString illegalTail = dir.filePath("thousand-illegal.zvr");
    ASSERT_TRUE(Write(illegalTail, "Size8 BE4 WD4 BD5 WE5 BF4 " + QByteArray("BA1 ").repeated(1000)));
    const struct {
        QString record;
        int size;
    } cases[] = {
        {kTests + "/record/corpus/whole-game-8.zvr", 256},
        {kTests + "/fuzz-corpus/game-26.zvr", 32},
        {kTests + "/fuzz-corpus/game-26.zvr", 128},
        {kTests + "/fuzz-corpus/game-26.zvr", 256},
        {kTests + "/fuzz-corpus/game-3.zvr", 32},
        {kTests + "/fuzz-corpus/game-3.zvr", 128},
        {kTests + "/fuzz-corpus/game-3.zvr", 256},
        {kTests + "/fuzz-corpus/error-late-10.zvr", 128},   // stops at the refused move
        {kTests + "/record/corpus/outside-board-8.zvr", 64},  // refused at once
        {illegalTail, 64},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.record.toStdString() + " at " + std::to_string(c.size));
        const QString output = dir.filePath("out.png");
        QFile::remove(output);
        ASSERT_EQ(RunAsFileManager(c.record, output, QString::number(c.size)), 0);
        const QImage image(output, "PNG");
        ASSERT_EQ(image.size(), QSize(c.size, c.size));

        const std::string text = ReadAll(c.record).toStdString();
        const std::optional<ReplayResult> referee = ReplayRecord(text);
        ASSERT_TRUE(referee);
        const int side = referee->position.Size();
        if (c.size / side < 4) continue;  // centres fall on grid lines
        EXPECT_EQ(DrawnGrid(image, side), referee->position.Grid());

        // The frame's corner stands on the last placed disc's cell (a set-up disc when no
        // move was played).
        if (c.size / side < 6) continue;  // too small for a frame
        std::istringstream tokens(text);
        std::string token;
        for (int i = 0; i <= 4 + referee->moves; ++i) tokens >> token;
        const std::optional<Move> last = ParseMoveToken(token);
        ASSERT_TRUE(last);
        EXPECT_EQ(image.pixelColor((last->col - 1) * c.size / side, (last->row - 1) * c.size / side),
                  QColor(255, 128, 0));
    }
}

TEST(Thumbnailer, WritesNothingAndFailsWithoutAValidRecord) {
    QTemporaryDir dir;
    const QString oversized = dir.filePath("oversized.zvr");  // valid if it were read
    ASSERT_TRUE(Write(oversized, "Size8 BE4 WD4 BD5 WE5 " + QByteArray(1024 * 1024, '\n')));
    const QString whole = kTests + "/record/corpus/whole-game-8.zvr";
    const struct {
        QString record, size, output;
    } cases[] = {
        {kTests + "/record/corpus/invalid-lowercase-header.zvr", "128", "out.png"},
        {kTests + "/record/corpus/invalid-empty.zvr", "128", "out.png"},
        {dir.filePath("missing.zvr"), "128", "out.png"},
        {dir.path(), "128", "out.png"},
        {oversized, "128", "out.png"},
        {whole, "large", "out.png"},
        {whole, "128", "no-such-folder/out.png"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.record.toStdString() + " " + c.size.toStdString());
        const QString output = dir.filePath(c.output);
        EXPECT_GT(RunAsFileManager(c.record, output, c.size), 0);
        EXPECT_FALSE(QFile::exists(output));
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1);  // nothing left behind
}
