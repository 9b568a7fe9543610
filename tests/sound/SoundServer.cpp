#include "SoundServer.h"

#include <gtest/gtest.h>
#include <sndfile.h>

#include <QFileInfo>
#include <QTest>
#include <cmath>

SoundServer::SoundServer() {
    server_.setProcessEnvironment(Environment());
    Start();
    qputenv("PULSE_SERVER", "unix:" + QFile::encodeName(Folder()) + "/pulse/native");
}

SoundServer::~SoundServer() {
    Stop();
    qputenv("PULSE_SERVER", "unix:/nonexistent");  // as the other tests expect
}

QProcessEnvironment SoundServer::Environment() const {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("HOME", Folder());
    environment.insert("XDG_RUNTIME_DIR", Folder());
    environment.insert("PULSE_SERVER", "unix:" + Folder() + "/pulse/native");
    return environment;
}

void SoundServer::Start() {
    server_.start("pulseaudio", {"-n", "--daemonize=no", "--exit-idle-time=-1", "-L",
                                 "module-null-sink sink_name=nul", "-L",
                                 "module-native-protocol-unix", "-L", "module-always-sink"});
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(Folder() + "/pulse/native"); },
                                20000));
}

void SoundServer::Stop() {
    server_.kill();
    server_.waitForFinished();
    QFile::remove(Folder() + "/pulse/native");
}

std::vector<SoundServer::Burst> SoundServer::Listen(const std::function<void()>& action) {
    const QString path = Folder() + "/heard.wav";
    QFile::remove(path);
    QProcess recorder;
    recorder.setProcessEnvironment(Environment());
    recorder.start("parecord", {"-d", "nul.monitor", "--latency-msec=20", "--file-format=wav",
                                "--format=s16le", "--channels=1", path});
    // The recording begins well after the recorder starts: wait until it holds silence.
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFileInfo(path).size() > 16000; }, 20000));
    action();
    QTest::qWait(1000);
    recorder.terminate();
    recorder.waitForFinished();

    SF_INFO info{};
    SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    std::vector<Burst> bursts;
    if (file == nullptr) {
        ADD_FAILURE() << "no recording";
        return bursts;
    }
    // RMS of 10-ms windows: a click is one or more windows far above the null sink's zero.
    std::vector<short> window(static_cast<size_t>(info.samplerate / 100));
    bool loud = false;
    for (long index = 0; sf_read_short(file, window.data(), static_cast<sf_count_t>(window.size())) ==
                         static_cast<sf_count_t>(window.size());
         ++index) {
        double sum = 0;
        for (short sample : window) sum += double(sample) * sample;
        const bool now = std::sqrt(sum / double(window.size())) > 300;
        if (now && !loud) bursts.push_back({index / 100.0, 0});
        if (now) bursts.back().length = (index + 1) / 100.0 - bursts.back().start;
        loud = now;
    }
    sf_close(file);
    return bursts;
}
