// The move sound as a listener hears it, through a private sound server.
#include <gtest/gtest.h>
#include <sndfile.h>
#include <unistd.h>

#include <QAction>
#include <QCoreApplication>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "MoveSound.h"
#include "SoundServer.h"
#include "BoardView.h"
#include "frmMain.h"

namespace {

const QString kMoveWav = QUORVANE_RESOURCES_DIR "/Move.wav";

// Everything the process writes to standard error while `action` runs.
QByteArray StandardErrorOf(const std::function<void()>& action) {
    std::fflush(stderr);
    FILE* capture = std::tmpfile();
    const int saved = dup(2);
    dup2(fileno(capture), 2);
    action();
    std::fflush(stderr);
    dup2(saved, 2);
    close(saved);
    QByteArray text(static_cast<int>(std::ftell(capture)), '\0');
    std::rewind(capture);
    text.resize(static_cast<int>(std::fread(text.data(), 1, size_t(text.size()), capture)));
    std::fclose(capture);
    return text;
}

// A new game, a pause, the player's move at D3 and the computer's reply after its real pause.
void PlayOneMove(bool soundOn) {
    frmMain w;
    w.show();
    QTest::qWait(1500);
    w.mnuSound->setChecked(soundOn);
    QTest::mouseClick(w.board(), Qt::LeftButton, {}, w.board()->CellRect(3, 4).center());
    const std::string record = w.RecordText();  // the set-up, the move and the reply
    EXPECT_EQ(std::count(record.begin(), record.end(), ' '), 7) << record;
    QTest::qWait(500);  // the reply's click plays out before the window goes
}

class Sound : public ::testing::Test {
protected:
    SoundServer server;
};

TEST_F(Sound, HeardAtSetUpAtTheMoveAndAtTheReplyUnlessSwitchedOff) {
    const auto heard = server.Listen([] { PlayOneMove(true); });
    ASSERT_EQ(heard.size(), 3u);
    EXPECT_GT(heard[1].start - heard[0].start, 1.0);  // the set-up clicks sound as one
    EXPECT_NEAR(heard[2].start - heard[1].start, 1.0, 0.5);
    EXPECT_EQ(server.Listen([] { PlayOneMove(false); }).size(), 1u);  // only the set-up
}

TEST_F(Sound, SilentAndQuietWithoutAReadableFileOrAServer) {
    const QString garbage = server.Folder() + "/garbage.wav";
    QFile file(garbage);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("RIFF not really a wave") > 0);
    file.close();
    const QByteArray errors = StandardErrorOf([&] {
        for (const QString& path : {server.Folder() + "/missing.wav", garbage}) {
            MoveSound sound(nullptr);
            EXPECT_TRUE(server.Listen([&] { sound.PlayWave(path); }).empty()) << path.toStdString();
        }
        server.Stop();
        PlayOneMove(true);
    });
    EXPECT_EQ(errors, "");
}

TEST_F(Sound, FoundAgainAfterTheServerRestarts) {
    MoveSound sound(nullptr);
    for (int run = 0; run < 2; ++run) {
        EXPECT_EQ(server.Listen([&] { sound.PlayWave(kMoveWav); }).size(), 1u) << run;
        server.Stop();
        server.Start();
    }
}

// A five-second tone that the quit cuts off: the probe quits 1.5 s after it starts playing.
TEST_F(Sound, QuittingWhileASoundPlaysEndsAtOnce) {
    const QString tone = server.Folder() + "/tone.wav";
    SF_INFO info{0, 44100, 1, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 0, 0};
    SNDFILE* file = sf_open(QFile::encodeName(tone).constData(), SFM_WRITE, &info);
    for (int i = 0; i < 5 * 44100; ++i) {
        const short sample = short(8000 * std::sin(i * 0.06));
        sf_write_short(file, &sample, 1);
    }
    sf_close(file);

    QProcess probe;
    probe.setProcessEnvironment(server.Environment());
    const auto heard = server.Listen([&] {
        probe.start(QUIT_PROBE_PATH, {tone, "1500"});
        ASSERT_TRUE(probe.waitForFinished(20000));  // the probe's own wait lasts 30 s
    });
    EXPECT_EQ(probe.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(probe.exitCode(), 0);
    EXPECT_EQ(probe.readAllStandardError(), "");
    ASSERT_EQ(heard.size(), 1u);
    EXPECT_LT(heard[0].length, 3.0);
}

}  // namespace
