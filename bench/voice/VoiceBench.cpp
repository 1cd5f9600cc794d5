// SPDX-License-Identifier: GPL-3.0-or-later
// Voice plug-in figures:
//  - Speak call -> first samples handed to the sound server (target: median <= 50 ms);
//  - render time against the length of the speech, per voice;
//  - memory a loaded voice adds to the program after its first Speak (target for an espeak-ng
//    voice: <= 6 MB; the flite voice's cost is stated, not bounded).
#include "VoiceCatalog.h"
#include "common/EspeakRenderer.h"
#include "common/FliteRenderer.h"
#include "common/TimeSpeaker.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QProcess>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using namespace ql::voice;

// One voice as the bench sees it, whatever its engine.
struct BenchVoice {
    const char* display;
    VoiceSetup setup;
};

std::vector<BenchVoice> everyVoice() {
    std::vector<BenchVoice> all;
    for (const CatalogEntry& v : voiceCatalog)
        all.push_back(
            {v.display,
             {v.espeakVoice, v.phrase, &EspeakRenderer::render, EspeakRenderer::sampleRate}});
    for (const FliteCatalogEntry& v : fliteCatalog)
        all.push_back({v.display,
                       {v.fliteVoice, v.phrase, &FliteRenderer::render, FliteRenderer::sampleRate,
                        &FliteRenderer::stream}});
    return all;
}

double ms(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// Speak as the plug-in does, stopping playback once the first samples are out.
double firstSampleLatency(const BenchVoice& v, int hour, int minute, bool& played) {
    std::atomic<bool> stop{false};
    Clock::time_point first{};
    SpeakHooks hooks;
    hooks.onFirstWrite = [&] {
        first = Clock::now();
        stop = true;
    };
    hooks.stop = &stop;
    const auto start = Clock::now();
    speakTime(v.setup, hour, minute, hooks);
    played = first != Clock::time_point{};
    return played ? ms(first - start) : 0;
}

void latency() {
    std::printf("\nSpeak -> first samples to the sound server (target: median <= 50 ms)\n");
    std::printf("%-22s %10s %10s %10s\n", "voice", "first ms", "median ms", "max ms");
    std::vector<double> all;
    for (const BenchVoice& v : everyVoice()) {
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

// CPU time of the calling thread, which the renderers render on: unlike the wall time, it does
// not grow when other programs share the machine.
double threadCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

void renderSpeed() {
    std::printf("\nRender time against speech length (23:59, the longest sentences)\n");
    std::printf("%-22s %10s %10s %10s %12s\n", "voice", "speech s", "render ms", "cpu ms",
                "x real time");
    for (const BenchVoice& v : everyVoice()) {
        const std::string text = v.setup.phrase(23, 59);
        std::vector<double> times, cpu;
        std::size_t samples = 0;
        for (int i = 0; i < 5; ++i) {
            const auto start = Clock::now();
            const double cpuStart = threadCpuMs();
            samples = v.setup.render(v.setup.engineVoice, text).size();
            cpu.push_back(threadCpuMs() - cpuStart);
            times.push_back(ms(Clock::now() - start));
        }
        const double speech = double(samples) / v.setup.sampleRate;
        std::printf("%-22s %10.2f %10.1f %10.1f %12.0f\n", v.display, speech, median(times),
                    median(cpu), speech * 1000 / median(times));
    }
}

struct MemoryFigures {
    long loadRss = 0, speakRss = 0, loadAnon = 0, speakAnon = 0;
};

bool measureChild(const BenchVoice& v, const QStringList& extra, MemoryFigures& f) {
    QProcess child;
    child.start(QStringLiteral(QL_MEMORY_PROBE),
                QStringList{QString::fromUtf8(voiceDir) + "/" + v.display + ".so"} + extra);
    child.waitForFinished(60000);
    const QByteArray out = child.readAllStandardOutput();
    return std::sscanf(out.constData(), "%ld %ld %ld %ld", &f.loadRss, &f.speakRss, &f.loadAnon,
                       &f.speakAnon) == 4;
}

void memory() {
    std::printf("\nMemory a loaded voice adds, in kB (fresh process per voice; target for an\n"
                "  espeak-ng voice <= 6 MB)\n"
                "  RSS counts every library page the voice touches, shared or not; anon is the\n"
                "  private part (the engine's data, buffers). 'sound in use': the process had\n"
                "  already played a sound, as the clock has once it set the speech volume.\n");
    std::printf("%-22s %9s | %9s %9s | %9s %9s\n", "", "", "after", "Speak", "sound in", "use");
    std::printf("%-22s %9s | %9s %9s | %9s %9s\n", "voice", "load RSS", "RSS", "anon", "RSS",
                "anon");
    for (const BenchVoice& v : everyVoice()) {
        MemoryFigures cold, warm;
        if (!measureChild(v, {}, cold) || !measureChild(v, {"--sound-in-use"}, warm)) {
            std::printf("%-22s   failed\n", v.display);
            continue;
        }
        std::printf("%-22s %9ld | %9ld %9ld | %9ld %9ld\n", v.display, cold.loadRss, cold.speakRss,
                    cold.speakAnon, warm.speakRss, warm.speakAnon);
    }
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    renderSpeed();
    latency();
    memory();
    return 0;
}
