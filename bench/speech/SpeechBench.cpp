// SPDX-License-Identifier: GPL-3.0-or-later
// Speech figures, in process:
//  - LoadLanguage: one release + load + lookup of a voice, against a bare dlopen/dlsym/dlclose of
//    the same file;
//  - hot key -> Speak: from the key's handler to the first instruction of Speak on the worker,
//    through the program's own output level, against starting a bare thread.
// Usage: bench_speech [repeats]
#include "app/ClockApp.h"
#include "app/MainWindow.h"
#include "fakes/FakePlatform.h"
#include "platform/linux/DlLibraryLoader.h"
#include "platform/linux/ExportedOutputGain.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>
#include <functional>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
std::atomic<Clock::rep> spokeAt{0};
void timedSpeak() {
    spokeAt = Clock::now().time_since_epoch().count();
}

double micros(Clock::duration d) {
    return std::chrono::duration<double, std::micro>(d).count();
}

struct Stats {
    double median, p90, max;
};

Stats stats(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return {v[v.size() / 2], v[v.size() * 9 / 10], v.back()};
}

void print(const char* what, const Stats& s, const Stats& reference, const char* refName) {
    std::printf(
        "%-26s median %9.1f us  p90 %9.1f us  max %9.1f us   (%s: median %.1f us, ratio %.1f)\n",
        what, s.median, s.p90, s.max, refName, reference.median, s.median / reference.median);
}

std::vector<double> repeat(int n, const std::function<double()>& once) {
    std::vector<double> v;
    for (int i = 0; i < n; ++i)
        v.push_back(once());
    return v;
}

void waitIdle(const ql::ClockApp& app) {
    while (app.announcer().speaking())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
}

// The voice to load: ours if built, else the test voice.
QString voiceFile() {
    const QString ours = QString(QL_VOICE_DIR) + "/English (Mike).so";
    return QFile::exists(ours) ? ours : QString(QL_RECORDING_VOICE);
}

// The user's way to (re)load a voice: its item in the language button's menu.
QAction* languageItem(const QString& name) {
    for (QWidget* w : QApplication::allWidgets())
        if (auto* menu = qobject_cast<QMenu*>(w); menu && menu->objectName() == "LangMenu")
            for (QAction* a : menu->actions())
                if (a->text() == name) return a;
    std::fprintf(stderr, "no language item \"%s\"\n", qPrintable(name));
    std::exit(1);
}

void benchLoadLanguage(ql::FakePlatform& fakes, const QString& programDir, int n) {
    const QString file = voiceFile();
    QFile::copy(file, programDir + "/voice/Bench (Voice).so");
    ql::DlLibraryLoader dl;
    fakes.libraries.real = &dl;
    fakes.libraries.journal = nullptr;
    const std::string path = (programDir + "/voice/Bench (Voice).so").toStdString();
    const auto bare = stats(repeat(n, [&] {
        const auto t = Clock::now();
        void* h = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (h) dlsym(h, "Speak"), dlclose(h);
        return micros(Clock::now() - t);
    }));
    ql::Settings settings;
    ql::ClockApp clockApp(fakes.platform(), settings, programDir + "/quorlan-lite");
    QAction* item = languageItem("Bench (Voice)");
    const auto load = stats(repeat(n, [&] {
        const auto t = Clock::now();
        item->trigger();
        return micros(Clock::now() - t);
    }));
    std::printf("voice loaded: %s (%s)\n", qPrintable(QFileInfo(file).fileName()),
                clockApp.announcer().hasVoice() ? "Speak found" : "NO Speak");
    print("LoadLanguage", load, bare, "dlopen+dlsym+dlclose");
    fakes.libraries.real = nullptr;
}

void benchHotKey(ql::FakePlatform& fakes, const QString& programDir, int n) {
    QFile(programDir + "/voice/Timed.so").open(QIODevice::WriteOnly);
    fakes.libraries.libraries[(programDir + "/voice/Timed.so").toStdString()] = timedSpeak;
    ql::ExportedOutputGain gain;
    fakes.gain.real = &gain;
    fakes.gain.journal = nullptr;
    fakes.store.writeValues("Software\\Vessantry\\Quorlan Lite",
                            {{"BinSettings", "00000000001"}, {"CurrentVer", "2.6"}});
    ql::Settings settings;
    ql::ClockApp clockApp(fakes.platform(), settings, programDir + "/quorlan-lite");
    languageItem("Timed")->trigger();
    const auto thread = stats(repeat(n, [&] {
        const auto t = Clock::now();
        std::atomic<Clock::rep> ran{0};
        QThread* q = QThread::create([&] { ran = Clock::now().time_since_epoch().count(); });
        q->start();
        q->wait();
        delete q;
        return micros(Clock::duration(ran.load()) - t.time_since_epoch());
    }));
    const auto key = stats(repeat(n, [&] {
        spokeAt = 0;
        const auto t = Clock::now();
        fakes.hotKey.press();
        while (!spokeAt)
            QThread::yieldCurrentThread();
        waitIdle(clockApp);
        return micros(Clock::duration(spokeAt.load()) - t.time_since_epoch());
    }));
    print("hot key -> Speak", key, thread, "bare thread start");
}

// A message box would wait for an answer nobody gives: print it instead.
void reportMessages(ql::FakePlatform& fakes) {
    fakes.dialogs.message = [](ql::MessageKind, const QString& t, const QString& m) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(t), qPrintable(m));
    };
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int n = argc > 1 ? std::max(10, std::atoi(argv[1])) : 200;
    QTemporaryDir dir;
    QDir(dir.path()).mkdir("voice");
    {
        ql::FakePlatform fakes;
        reportMessages(fakes);
        benchLoadLanguage(fakes, dir.path(), n);
    }
    QFile::remove(dir.path() + "/voice/Bench (Voice).so");
    ql::FakePlatform fakes;
    reportMessages(fakes);
    benchHotKey(fakes, dir.path(), n);
    return 0;
}
