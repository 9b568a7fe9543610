// SPDX-FileCopyrightText: 2026 Quorvane developers <developers@quorvane.invalid>
// SPDX-License-Identifier: GPL-3.0-or-later

// The move sound as a listener hears it: each test runs a private PulseAudio server with a
// null sink in its own runtime folder and records that sink's monitor.
#include <gtest/gtest.h>
#include <sndfile.h>
#include <sys/prctl.h>

#include <QAction>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <csignal>

#include "BoardView.h"
#include "MoveSound.h"
#include "frmMain.h"

namespace {

struct Burst {
    double start, length;  // seconds, from the start of the recording
};

class Sound : public ::testing::Test {
protected:
    void SetUp() override {
        qputenv("PULSE_SERVER", Environment().value("PULSE_SERVER").toLocal8Bit());
        Start();
    }
    void TearDown() override {
        Stop();
        qputenv("PULSE_SERVER", "unix:/nonexistent");  // as the other tests expect
    }
    void Start() {
        server.setProcessEnvironment(Environment());
        // A crashed test must not leave its server (and the recorder tied to it) running.
        server.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGKILL); });
        server.start("pulseaudio", {"-n", "--daemonize=no", "--exit-idle-time=-1", "-L",
                                    "module-null-sink sink_name=nul", "-L",
                                    "module-native-protocol-unix", "-L", "module-always-sink"});
        EXPECT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(Socket()); }, 20000));
    }
    void Stop() {
        server.kill();
        server.waitForFinished();
        QFile::remove(Socket());
    }
    QString Socket() const { return folder.path() + "/pulse/native"; }
    QProcessEnvironment Environment() const {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("HOME", folder.path());
        environment.insert("XDG_RUNTIME_DIR", folder.path());
        environment.insert("PULSE_SERVER", "unix:" + Socket());
        // Qt 6.8 says on standard error when it leaves a locale that is not UTF-8.
        environment.insert("LC_ALL", "C.UTF-8");
        return environment;
    }

    // Records while `action` runs and for a second after: the sounds heard, in order.
    std::vector<Burst> Listen(const std::function<void()>& action) {
        const QString path = folder.path() + "/heard.wav";
        QFile::remove(path);
        QProcess recorder;
        recorder.setProcessEnvironment(Environment());
        recorder.start("parecord", {"-d", "nul.monitor", "--latency-msec=20", "--channels=1",
                                    "--format=s16le", "--file-format=wav", path});
        // The recording begins well after the recorder starts: wait until it holds silence.
        EXPECT_TRUE(QTest::qWaitFor([&] { return QFileInfo(path).size() > 16000; }, 20000));
        action();
        QTest::qWait(1000);
        recorder.terminate();
        recorder.waitForFinished();

        SF_INFO info{};
        SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
        std::vector<short> window(static_cast<size_t>(info.samplerate / 100));  // 10 ms
        const auto size = static_cast<sf_count_t>(window.size());
        std::vector<Burst> bursts;
        bool wasLoud = false;
        for (int index = 0; file != nullptr && sf_read_short(file, window.data(), size) == size;
             ++index) {
            double sum = 0;
            for (short sample : window) sum += double(sample) * sample;
            const bool loud = std::sqrt(sum / double(size)) > 300;  // silence is zero here
            if (loud && !wasLoud) bursts.push_back({index / 100.0, 0});
            if (loud) bursts.back().length = (index + 1) / 100.0 - bursts.back().start;
            wasLoud = loud;
        }
        sf_close(file);
        return bursts;
    }

    // A five-second tone: what cuts it off shows in the recording.
    QString Tone() const {
        const QString path = folder.path() + "/tone.wav";
        SF_INFO info{0, 44100, 1, SF_FORMAT_WAV | SF_FORMAT_PCM_16, 0, 0};
        SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
        for (int i = 0; i < 5 * 44100; ++i) {
            const auto sample = static_cast<short>(8000 * std::sin(i * 0.06));
            sf_write_short(file, &sample, 1);
        }
        sf_close(file);
        return path;
    }

    const QString click = QUORVANE_RESOURCES_DIR "/Move.wav";
    QTemporaryDir folder;
    QProcess server;
};

// A new game, a pause, the player's move at D3 and the computer's reply after its own pause.
// The window shows late: the set-up clicks belong to its showing and sound then.
void PlayOneMove(bool soundOn) {
    frmMain w;
    QTest::qWait(1200);
    w.show();
    QTest::qWait(1500);
    w.mnuSound->setChecked(soundOn);
    QTest::mouseClick(w.board(), Qt::LeftButton, {}, w.board()->CellRect(3, 4).center());
    const std::string record = w.RecordText();  // the set-up, the move and the reply
    EXPECT_EQ(std::count(record.begin(), record.end(), ' '), 7) << record;
    QTest::qWait(500);  // the reply's click plays out before the window goes
}

TEST_F(Sound, HeardAtSetUpAtTheMoveAndAtTheReplyUnlessSwitchedOff) {
    const auto heard = Listen([] { PlayOneMove(true); });
    ASSERT_EQ(heard.size(), 3u);
    EXPECT_GT(heard[1].start - heard[0].start, 1.0);  // the four set-up clicks sound as one
    EXPECT_NEAR(heard[2].start - heard[1].start, 1.0, 0.5);
    EXPECT_EQ(Listen([] { PlayOneMove(false); }).size(), 1u);  // only the set-up
}

TEST_F(Sound, ANewSoundCutsOffTheLastAndARestartedServerIsFoundAgain) {
    // The server holds two seconds of the tone ahead: only a cut-off ends it a second in.
    qputenv("PULSE_LATENCY_MSEC", "2000");
    MoveSound sound(nullptr);
    const auto heard = Listen([&] {
        sound.PlayWave(Tone());
        QTest::qWait(1000);
        sound.PlayWave(click);
    });
    qunsetenv("PULSE_LATENCY_MSEC");
    ASSERT_FALSE(heard.empty());
    EXPECT_LT(heard.back().start + heard.back().length - heard[0].start, 1.5);
    Stop();
    Start();
    EXPECT_EQ(Listen([&] { sound.PlayWave(click); }).size(), 1u);
}

// A server that answers only after a second: the click asked for meanwhile would come out
// of nowhere, so it never sounds; the next one does.
TEST_F(Sound, AClickTheServerTookOverASecondToTakeIsDropped) {
    MoveSound sound(nullptr);
    EXPECT_TRUE(Listen([&] {
                    kill(static_cast<pid_t>(server.processId()), SIGSTOP);
                    sound.PlayWave(click);
                    QTest::qWait(1500);
                    kill(static_cast<pid_t>(server.processId()), SIGCONT);
                }).empty());
    EXPECT_EQ(Listen([&] { sound.PlayWave(click); }).size(), 1u);
}

// The quit probe plays `wav` and quits 1.5 s later from inside the wait: at once, status 0,
// nothing said.
void QuitWhilePlaying(const QProcessEnvironment& environment, const QString& wav) {
    QProcess probe;
    probe.setProcessEnvironment(environment);
    probe.start(QUIT_PROBE_PATH, {"quit", wav});
    ASSERT_TRUE(probe.waitForFinished(20000)) << wav.toStdString();
    EXPECT_EQ(probe.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(probe.exitCode(), 0);
    EXPECT_EQ(probe.readAllStandardError(), "") << wav.toStdString();
}

TEST_F(Sound, QuitEndsAtOnceAndNoFileOrServerIsSilentAndQuiet) {
    const QString tone = Tone();
    for (const QString& wav : {folder.path() + "/missing.wav", tone}) {
        const auto heard = Listen([&] { QuitWhilePlaying(Environment(), wav); });
        EXPECT_EQ(heard.size(), wav == tone ? 1u : 0u) << wav.toStdString();
        for (const Burst& burst : heard) EXPECT_LT(burst.length, 3.0);  // the quit cut it off
    }
    Stop();
    QuitWhilePlaying(Environment(), tone);
}

}  // namespace
