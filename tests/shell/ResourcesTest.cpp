#include <gtest/gtest.h>

#include <QProcess>
#include <QtEndian>

#include "ShellTestSupport.h"

namespace {

const QString kResources = QUORVANE_RESOURCES_DIR;

TEST(Resources, MoveSoundIsAShortPcmWave) {
    const QByteArray wav = ReadBytes(kResources + "/Move.wav");
    ASSERT_GE(wav.size(), 44);
    const auto at32 = [&](int offset) { return qFromLittleEndian<quint32>(wav.data() + offset); };
    EXPECT_EQ(wav.left(4) + wav.mid(8, 8) + wav.mid(36, 4), "RIFFWAVEfmt data");
    EXPECT_EQ(qFromLittleEndian<quint16>(wav.data() + 20), 1);  // PCM
    EXPECT_EQ(at32(40) + 44, quint32(wav.size()));              // nothing after the samples
    const double seconds = double(at32(40)) / at32(28);         // data bytes / bytes per second
    EXPECT_TRUE(seconds > 0.02 && seconds < 0.2) << seconds;
}

TEST(Resources, DesktopEntryStartsTheInstalledGameAndValidates) {
    const QString entry = kResources + "/invalid.quorvane.Quorvane.desktop";
    EXPECT_EQ(DesktopValue(ReadText(entry), "Exec"), "quorvane /open %f");
    EXPECT_EQ(QProcess::execute("desktop-file-validate", {entry}), 0);
}

}  // namespace
