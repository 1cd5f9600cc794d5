// A voice for tests: says nothing, but leaves a trace of every call.
//   QL_TEST_VOICE_LOG       file that gets "begin <µs>" and "end <µs>" lines (CLOCK_REALTIME)
//   QL_TEST_VOICE_SLEEP_MS  how long a call lasts
//   QL_TEST_VOICE_THROW     when set to 1, the call throws after the "begin" line
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

void record(const char* what) {
    const char* path = std::getenv("QL_TEST_VOICE_LOG");
    if (!path || !*path) return;
    if (std::FILE* f = std::fopen(path, "a")) {
        std::fprintf(f, "%s %lld\n", what, nowMicros());
        std::fclose(f);
    }
}

bool flag(const char* name) {
    const char* v = std::getenv(name);
    return v && std::string(v) == "1";
}

} // namespace

extern "C" __attribute__((visibility("default"))) void Speak() {
    record("begin");
    if (flag("QL_TEST_VOICE_THROW")) throw std::runtime_error("test voice told to fail");
    if (const char* ms = std::getenv("QL_TEST_VOICE_SLEEP_MS"))
        std::this_thread::sleep_for(std::chrono::milliseconds(std::atol(ms)));
    record("end");
}
