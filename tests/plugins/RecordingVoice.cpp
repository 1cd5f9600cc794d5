// SPDX-License-Identifier: GPL-3.0-or-later
// A voice for tests: says nothing, but leaves a trace of every call.
//   QL_TEST_VOICE_LOG       file that gets "begin <µs> <gain>" and "end <µs>" lines
//   (CLOCK_REALTIME;
//                           the gain the program's ql_output_gain gave, "-" without one)
//   QL_TEST_VOICE_SLEEP_MS  how long a call lasts
//   QL_TEST_VOICE_THROW     when set to 1, the call throws after the "begin" line
#include <dlfcn.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <thread>

namespace {

long long nowMicros() {
    using namespace std::chrono;
    return duration_cast<microseconds>(system_clock::now().time_since_epoch()).count();
}

// Looked up as the voice loads, as ours do.
using GainFn = double (*)();
const GainFn programGain = reinterpret_cast<GainFn>(dlsym(RTLD_DEFAULT, "ql_output_gain"));

void record(const char* what, const std::string& detail = {}) {
    const char* path = std::getenv("QL_TEST_VOICE_LOG");
    if (!path || !*path) return;
    if (std::FILE* f = std::fopen(path, "a")) {
        std::fprintf(f, "%s %lld%s\n", what, nowMicros(), detail.c_str());
        std::fclose(f);
    }
}

std::string gainGiven() {
    if (!programGain) return " -";
    char text[32];
    std::snprintf(text, sizeof text, " %.4f", programGain());
    return text;
}

bool flag(const char* name) {
    const char* v = std::getenv(name);
    return v && std::string(v) == "1";
}

} // namespace

extern "C" __attribute__((visibility("default"))) void Speak() {
    record("begin", gainGiven());
    if (flag("QL_TEST_VOICE_THROW")) throw std::runtime_error("test voice told to fail");
    if (const char* ms = std::getenv("QL_TEST_VOICE_SLEEP_MS"))
        std::this_thread::sleep_for(std::chrono::milliseconds(std::atol(ms)));
    record("end");
}
