#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <functional>
#include <vector>

// A private PulseAudio server with a null sink in its own runtime folder, and recordings of
// that sink's monitor: what the programs connected to it really played.
class SoundServer {
public:
    struct Burst {
        double start;   // seconds into the recording
        double length;  // seconds
    };

    SoundServer();  // starts the server and points this process's PULSE_SERVER at it
    ~SoundServer();
    void Start();
    void Stop();
    // Records while `action` runs and for a second after it: the sounds heard, in order.
    std::vector<Burst> Listen(const std::function<void()>& action);
    QProcessEnvironment Environment() const;
    QString Folder() const { return folder_.path(); }

private:
    QTemporaryDir folder_;
    QProcess server_;
};
