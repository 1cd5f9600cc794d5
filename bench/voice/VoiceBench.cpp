// Voice plug-in figures:
//  - Speak call -> first samples handed to the sound server (target: median <= 150 ms);
//  - render time against the length of the speech, per voice;
//  - memory a loaded voice adds to the program after its first Speak (target: <= 4 MB).
#include "VoiceCatalog.h"
#include "common/EspeakRenderer.h"
#include "common/TimeSpeaker.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QProcess>
#include <QTemporaryFile>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using namespace ql::voice;

double ms(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// Speak as the plug-in does, stopping playback once the first samples are out.
double firstSampleLatency(const CatalogEntry& v, int hour, int minute, bool& played) {
    std::atomic<bool> stop{false};
    Clock::time_point first{};
    SpeakHooks hooks;
    hooks.onFirstWrite = [&] {
        first = Clock::now();
        stop = true;
    };
    hooks.stop = &stop;
    const auto start = Clock::now();
    speakTime({v.espeakVoice, v.phrase}, hour, minute, hooks);
    played = first != Clock::time_point{};
    return played ? ms(first - start) : 0;
}

void latency() {
    std::printf("\nSpeak -> first samples to the sound server (target: median <= 150 ms)\n");
    std::printf("%-22s %10s %10s %10s\n", "voice", "first ms", "median ms", "max ms");
    std::vector<double> all;
    for (const CatalogEntry& v : voiceCatalog) {
        bool played = false;
        const double cold = firstSampleLatency(v, 23, 59, played);
        if (!played) {
            std::printf("%-22s   no sound device: nothing was played\n", v.display);
            continue;
        }
        std::vector<double> warm;
        for (int i = 0; i < 9; ++i)
            warm.push_back(firstSampleLatency(v, 23, 59 - i, played));
        all.insert(all.end(), warm.begin(), warm.end());
        std::printf("%-22s %10.1f %10.1f %10.1f\n", v.display, cold, median(warm),
                    *std::max_element(warm.begin(), warm.end()));
    }
    if (!all.empty()) std::printf("all voices: median %.1f ms\n", median(all));
}

void renderSpeed() {
    std::printf("\nRender time against speech length (23:59, the longest sentences)\n");
    std::printf("%-22s %10s %10s %12s\n", "voice", "speech s", "render ms", "x real time");
    for (const CatalogEntry& v : voiceCatalog) {
        const std::string text = v.phrase(23, 59);
        std::vector<double> times;
        std::size_t samples = 0;
        for (int i = 0; i < 5; ++i) {
            const auto start = Clock::now();
            samples = EspeakRenderer::render(v.espeakVoice, text).size();
            times.push_back(ms(Clock::now() - start));
        }
        const double speech = double(samples) / EspeakRenderer::sampleRate;
        std::printf("%-22s %10.2f %10.1f %12.0f\n", v.display, speech, median(times),
                    speech * 1000 / median(times));
    }
}

// Resident set and its private anonymous part (heap, espeak-ng's data) of this process, in kB.
// Shared library pages count in full in the first, though a desktop shares most of them.
std::pair<long, long> residentKb() {
    std::ifstream in("/proc/self/smaps_rollup");
    std::string line;
    long rss = 0, anon = 0;
    while (std::getline(in, line)) {
        std::sscanf(line.c_str(), "Rss: %ld", &rss);
        std::sscanf(line.c_str(), "Anonymous: %ld", &anon);
    }
    return {rss, anon};
}

// Child mode: load one plug-in, call Speak once and print how much memory that added.
int measureMemory(const char* path) {
    const auto before = residentKb();
    QLibrary library(QString::fromUtf8(path));
    if (!library.load()) return 2;
    const auto speak = reinterpret_cast<void (*)()>(library.resolve("Speak"));
    if (!speak) return 3;
    const auto loaded = residentKb();
    speak();
    const auto after = residentKb();
    std::printf("%ld %ld %ld %ld\n", loaded.first - before.first, after.first - before.first,
                loaded.second - before.second, after.second - before.second);
    return 0;
}

struct MemoryFigures {
    long loadRss = 0, speakRss = 0, loadAnon = 0, speakAnon = 0;
};

bool measureChild(const char* self, const CatalogEntry& v, const QProcessEnvironment& env,
                  MemoryFigures& f) {
    QProcess child;
    child.setProcessEnvironment(env);
    child.start(QString::fromLocal8Bit(self),
                {"--memory", QString::fromUtf8(voiceDir) + "/" + v.display + ".so"});
    child.waitForFinished(60000);
    const QByteArray out = child.readAllStandardOutput();
    return std::sscanf(out.constData(), "%ld %ld %ld %ld", &f.loadRss, &f.speakRss, &f.loadAnon,
                       &f.speakAnon) == 4;
}

void memory(const char* self) {
    std::printf("\nMemory a loaded voice adds, in kB (fresh process; target <= 4 MB after Speak)\n"
                "  with sound: through the sound server; no device: ALSA without a device, so\n"
                "  mostly libespeak-ng and its data\n");
    std::printf("%-22s %9s | %9s %9s | %9s %9s\n", "voice", "load RSS", "RSS", "anon", "RSS",
                "anon");
    std::printf("%-22s %9s | %-19s | %-19s\n", "", "", "  with sound", "  no device");
    QTemporaryFile noDevices;
    noDevices.open();
    QProcessEnvironment withSound = QProcessEnvironment::systemEnvironment();
    QProcessEnvironment noDevice = withSound;
    noDevice.insert("ALSA_CONFIG_PATH", noDevices.fileName());
    for (const CatalogEntry& v : voiceCatalog) {
        MemoryFigures a, b;
        if (!measureChild(self, v, withSound, a) || !measureChild(self, v, noDevice, b)) {
            std::printf("%-22s   failed\n", v.display);
            continue;
        }
        std::printf("%-22s %9ld | %9ld %9ld | %9ld %9ld\n", v.display, a.loadRss, a.speakRss,
                    a.speakAnon, b.speakRss, b.speakAnon);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--memory") == 0) return measureMemory(argv[2]);
    QCoreApplication app(argc, argv);
    renderSpeed();
    latency();
    memory(argv[0]);
    return 0;
}
