#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QtEndian>

#include "QuorvaneIcon.h"
#include "ShellTestSupport.h"

namespace {

const QString kResources = QStringLiteral(QUORVANE_RESOURCES_DIR);

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

template <typename T>
T At(const QByteArray& bytes, qsizetype offset) {
    return qFromLittleEndian<T>(bytes.constData() + offset);
}

TEST(Resources, MoveSoundIsAShortQuietMonoWave) {
    const QByteArray wav = ReadBytes(kResources + "/Move.wav");
    ASSERT_GE(wav.size(), 44);
    EXPECT_EQ(wav.left(4), "RIFF");
    EXPECT_EQ(wav.mid(8, 8), "WAVEfmt ");
    EXPECT_EQ(At<quint32>(wav, 4), quint32(wav.size() - 8));
    EXPECT_EQ(At<quint16>(wav, 20), 1);  // PCM
    EXPECT_EQ(At<quint16>(wav, 22), 1);  // mono
    EXPECT_EQ(At<quint32>(wav, 24), 22050u);
    EXPECT_EQ(At<quint16>(wav, 34), 16);
    ASSERT_EQ(wav.mid(36, 4), "data");
    const quint32 dataSize = At<quint32>(wav, 40);
    ASSERT_EQ(dataSize + 44, quint32(wav.size()));

    const qsizetype count = dataSize / 2;
    const double milliseconds = 1000.0 * count / 22050;
    EXPECT_GE(milliseconds, 40);
    EXPECT_LE(milliseconds, 80);
    int peak = 0;
    for (qsizetype i = 0; i < count; ++i)
        peak = std::max(peak, std::abs(int(At<qint16>(wav, 44 + 2 * i))));
    // Soft, never clipped, and silent at both ends so it does not pop.
    EXPECT_GT(peak, 3000);
    EXPECT_LT(peak, 32000);
    EXPECT_LT(std::abs(At<qint16>(wav, 44)), 200);
    EXPECT_LT(std::abs(At<qint16>(wav, 44 + 2 * (count - 1))), 200);
}

TEST(Resources, HelpTextIsChineseUtf8AndCoversTheGame) {
    const QByteArray bytes = ReadBytes(kResources + "/readme.txt");
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(bytes);
    ASSERT_FALSE(decoder.hasError());
    for (const char* topic :
         {"规则", "游戏(G)", "选项(O)", "水平(S)", "帮助(H)", "棋谱", "回放", "演示", "步进播放",
          "自动播放", "快进结尾", "停止播放", "返回开始", ".zvr"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(topic))) << topic;
    }
}

TEST(Resources, IconIsATealBoardWithABlackAndAWhiteDisc) {
    const QImage png(":/quorvane.png");
    ASSERT_EQ(png.size(), QSize(64, 64));
    EXPECT_EQ(png.pixelColor(0, 0).alpha(), 0);                  // rounded corner
    EXPECT_EQ(png.pixelColor(44, 20).rgb(), qRgb(0, 128, 128));  // an empty cell
    EXPECT_EQ(png.pixelColor(17, 17).rgb(), qRgb(0, 0, 0));
    EXPECT_EQ(png.pixelColor(47, 47).rgb(), qRgb(255, 255, 255));
    EXPECT_TRUE(QFile::exists(":/quorvane.svg"));
    EXPECT_TRUE(QuorvaneIcon().availableSizes().contains(QSize(64, 64)));
    const QImage svg(":/quorvane.svg");
    if (!svg.isNull()) {
        EXPECT_EQ(svg.size(), QSize(64, 64));
    }
}

TEST(Resources, DesktopEntryStartsTheInstalledGame) {
    const QString path = kResources + "/quorvane.desktop";
    const QString entry = ReadText(path);
    EXPECT_EQ(DesktopValue(entry, "Name"), "Quorvane");
    EXPECT_EQ(DesktopValue(entry, "Exec"), "quorvane");
    EXPECT_EQ(DesktopValue(entry, "Icon"), "quorvane");
    EXPECT_EQ(DesktopValue(entry, "Categories"), "Game;BoardGame;");
    const QString validator = QStandardPaths::findExecutable("desktop-file-validate");
    if (validator.isEmpty()) GTEST_SKIP() << "desktop-file-validate is not installed";
    QProcess validate;
    validate.start(validator, {path});
    ASSERT_TRUE(validate.waitForFinished(20000));
    EXPECT_EQ(validate.exitCode(), 0) << validate.readAll().toStdString();
}

}  // namespace
