// SPDX-License-Identifier: GPL-3.0-or-later
// Cost of one clock tick with and without a change of second, on the fake platform:
// nanoseconds and heap allocations per tick. Run under callgrind (tick_instructions.sh) for
// instruction counts that do not depend on the machine's load.
#include "app/ClockApp.h"
#include "app/MainWindow.h"
#include "fakes/FakePlatform.h"

#include <QApplication>
#include <QTemporaryDir>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {
std::atomic<long> allocations{0};
}

// Qt allocates with malloc, so count there (glibc's own entry points do the work).
extern "C" void* __libc_malloc(std::size_t);
extern "C" void* __libc_calloc(std::size_t, std::size_t);
extern "C" void* __libc_realloc(void*, std::size_t);
extern "C" void* malloc(std::size_t n) {
    ++allocations;
    return __libc_malloc(n);
}
extern "C" void* calloc(std::size_t n, std::size_t size) {
    ++allocations;
    return __libc_calloc(n, size);
}
extern "C" void* realloc(void* p, std::size_t n) {
    ++allocations;
    return __libc_realloc(p, n);
}

namespace {

struct Result {
    double nsPerTick;
    double allocationsPerTick;
};

Result measure(ql::FakeTickTimer& ticker, ql::FakeLocalClock& clock, bool changeSecond, int ticks) {
    const long before = allocations;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < ticks; ++i) {
        if (changeSecond) clock.set(10, 15, i % 60);
        ticker.fire();
    }
    const auto ns =
        std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - start).count();
    return {ns / ticks, double(allocations - before) / ticks};
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int ticks = argc > 1 ? std::atoi(argv[1]) : 200000;
    QTemporaryDir dir;
    ql::FakePlatform fakes;
    fakes.store.writeValues("Software\\Vessantry\\Quorlan Lite",
                            {{"BinSettings", "1"}, {"CurrentVer", "2.6"}});
    fakes.clock.set(10, 15, 0);
    ql::Settings settings;
    ql::ClockApp clockApp(fakes.platform(), settings, dir.path() + "/quorlan-lite");
    fakes.clock.journal = nullptr;
    fakes.ticks.fire(); // first tick: draws everything
    const Result idle = measure(fakes.ticks, fakes.clock, false, ticks);
    if (argc > 2) { // idle only, for instruction counts
        std::printf("no-change tick: %.1f ns\n", idle.nsPerTick);
        return 0;
    }
    const Result second = measure(fakes.ticks, fakes.clock, true, ticks / 100);
    std::printf("no-change tick:      %8.1f ns  %.3f allocations\n", idle.nsPerTick,
                idle.allocationsPerTick);
    std::printf("second-change tick:  %8.1f ns  %.3f allocations\n", second.nsPerTick,
                second.allocationsPerTick);
    return 0;
}
