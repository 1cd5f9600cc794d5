// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/types.h>

namespace ql::test {

// A private PulseAudio daemon with one null sink, for proving that sound really played.
// This process and every tool it runs talk to it through a private XDG_RUNTIME_DIR.
class PulseTestServer {
  public:
    static bool toolsInstalled() {
        for (const char* tool : {"pulseaudio", "pactl", "pacat", "parec"})
            if (QStandardPaths::findExecutable(tool).isEmpty()) return false;
        return true;
    }

    // Empty when the server runs, else why it does not.
    QString start() {
        if (!dir_.isValid()) return "no temporary folder";
        runtime_ = dir_.filePath("runtime");
        QDir().mkpath(runtime_);
        QFile::setPermissions(runtime_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        savedRuntime_ = qgetenv("XDG_RUNTIME_DIR");
        qputenv("XDG_RUNTIME_DIR", runtime_.toLocal8Bit());
        run("pulseaudio",
            {"-n", "--daemonize=yes", "--exit-idle-time=-1", "--load=module-native-protocol-unix",
             "--load=module-null-sink sink_name=test_sink rate=44100"});
        if (!answers()) return "the PulseAudio daemon did not start";
        if (run("pactl", {"set-default-sink", "test_sink"}) != 0) return "no null sink";
        // Without a low-latency client the null sink runs at 2 s latency and recordings miss
        // the start of a sound.
        keeper_.setStandardOutputFile(QProcess::nullDevice());
        keeper_.start("pacat", {"-r", "--latency-msec=20", "-d", "test_sink.monitor"});
        if (!keeper_.waitForStarted(5000)) return "pacat did not start";
        QThread::msleep(2500);
        return {};
    }

    ~PulseTestServer() {
        stopProcess(keeper_);
        const pid_t daemon = daemonPid();
        run("pactl", {"exit"});
        for (int i = 0; i < 50 && daemon > 0 && ::kill(daemon, 0) == 0; ++i)
            QThread::msleep(100);
        if (daemon > 0 && ::kill(daemon, 0) == 0) ::kill(daemon, SIGKILL);
        if (savedRuntime_.isNull())
            qunsetenv("XDG_RUNTIME_DIR");
        else
            qputenv("XDG_RUNTIME_DIR", savedRuntime_);
    }

    // Records the sink's monitor into a wave file until stopRecording().
    bool startRecording(const QString& file) {
        recorder_.start(
            "parec", {"-d", "test_sink.monitor", "--latency-msec=20", "--file-format=wav", file});
        if (!recorder_.waitForStarted(5000)) return false;
        QThread::msleep(300);
        return recorder_.state() == QProcess::Running;
    }

    void stopRecording() {
        QThread::msleep(200);
        stopProcess(recorder_);
    }

  private:
    static int run(const QString& program, const QStringList& args) {
        QProcess p;
        p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p.setStandardOutputFile(QProcess::nullDevice());
        p.start(program, args);
        if (!p.waitForFinished(10000)) {
            stopProcess(p);
            return -1;
        }
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    }

    static void stopProcess(QProcess& p) {
        if (p.state() == QProcess::NotRunning) return;
        p.terminate(); // SIGTERM to its own PID; parec then completes the wave header
        if (!p.waitForFinished(5000)) {
            p.kill();
            p.waitForFinished(5000);
        }
    }

    bool answers() {
        for (int i = 0; i < 100; ++i) {
            if (run("pactl", {"info"}) == 0) return true;
            QThread::msleep(100);
        }
        return false;
    }

    pid_t daemonPid() const {
        QFile f(runtime_ + "/pulse/pid");
        return f.open(QIODevice::ReadOnly) ? static_cast<pid_t>(f.readAll().trimmed().toInt()) : 0;
    }

    QTemporaryDir dir_;
    QString runtime_;
    QByteArray savedRuntime_;
    QProcess keeper_;
    QProcess recorder_;
};

// A test suite that shares one private sound server; its tests skip when PulseAudio is missing.
class PulseServerTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        if (!PulseTestServer::toolsInstalled()) return;
        server = new PulseTestServer;
        failure = new QString(server->start());
    }
    static void TearDownTestSuite() {
        delete server;
        delete failure;
        server = nullptr;
        failure = nullptr;
    }
    void SetUp() override {
        if (!server) GTEST_SKIP() << "PulseAudio is not installed";
        ASSERT_TRUE(failure->isEmpty()) << failure->toStdString();
    }
    static inline PulseTestServer* server = nullptr;
    static inline QString* failure = nullptr;
};

} // namespace ql::test
