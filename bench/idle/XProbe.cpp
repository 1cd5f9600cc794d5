// SPDX-License-Identifier: GPL-3.0-or-later
// Two measurements that need the X server itself:
//
//   bench_xprobe start COMMAND [ARGS...]
//       Runs COMMAND and prints the milliseconds from exec to the moment its first managed window
//       is viewable on the server, then ends COMMAND (SIGTERM, SIGKILL after 10 s).
//   bench_xprobe face WINDOW SECONDS
//       Finds the part of WINDOW that changes each second, samples its pixels every 0.5 ms for
//       SECONDS and prints, per change, the milliseconds after the true second boundary
//       (CLOCK_REALTIME) at which the server showed it: "n=.. median=.. p10=.. p90=.. max=..".
//
// Requests go straight to the server so a sample costs one round trip and no decoding.
#include <xcb/xcb.h>

#include <algorithm>
#include <cerrno>
#include <cinttypes>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <memory>
#include <optional>
#include <poll.h>
#include <set>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

int64_t nowNs(clockid_t clock) {
    timespec ts{};
    clock_gettime(clock, &ts);
    return int64_t(ts.tv_sec) * 1'000'000'000 + ts.tv_nsec;
}

void sleepNs(int64_t ns) {
    timespec ts{time_t(ns / 1'000'000'000), long(ns % 1'000'000'000)};
    while (nanosleep(&ts, &ts) == -1 && errno == EINTR) {
    }
}

template <typename T> using Reply = std::unique_ptr<T, decltype(&std::free)>;
template <typename T> Reply<T> own(T* p) {
    return Reply<T>(p, &std::free);
}

xcb_atom_t atom(xcb_connection_t* c, const char* name) {
    auto r = own(xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(std::strlen(name)), name),
                                       nullptr));
    return r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
}

std::vector<xcb_window_t> windowList(xcb_connection_t* c, xcb_window_t w, xcb_atom_t prop) {
    auto r = own(xcb_get_property_reply(
        c, xcb_get_property(c, 0, w, prop, XCB_ATOM_WINDOW, 0, 4096), nullptr));
    if (!r || r->format != 32) return {};
    const auto* v = static_cast<const xcb_window_t*>(xcb_get_property_value(r.get()));
    return {v, v + xcb_get_property_value_length(r.get()) / 4};
}

std::optional<uint32_t> cardinal(xcb_connection_t* c, xcb_window_t w, xcb_atom_t prop) {
    auto r = own(xcb_get_property_reply(c, xcb_get_property(c, 0, w, prop, XCB_ATOM_CARDINAL, 0, 1),
                                        nullptr));
    if (!r || r->format != 32 || xcb_get_property_value_length(r.get()) < 4) return std::nullopt;
    return *static_cast<const uint32_t*>(xcb_get_property_value(r.get()));
}

bool viewable(xcb_connection_t* c, xcb_window_t w) {
    auto r = own(xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, w), nullptr));
    return r && r->map_state == XCB_MAP_STATE_VIEWABLE;
}

void endChild(pid_t pid) {
    kill(pid, SIGTERM);
    for (int i = 0; i < 1000; ++i) {
        if (waitpid(pid, nullptr, WNOHANG) == pid) return;
        sleepNs(10'000'000);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

int startMode(xcb_connection_t* c, xcb_window_t root, char** argv) {
    const xcb_atom_t clientList = atom(c, "_NET_CLIENT_LIST");
    const xcb_atom_t wmPid = atom(c, "_NET_WM_PID");
    const uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &mask);
    const auto before = windowList(c, root, clientList);
    std::set<xcb_window_t> known(before.begin(), before.end());
    fcntl(xcb_get_file_descriptor(c), F_SETFD, FD_CLOEXEC);

    const int64_t t0 = nowNs(CLOCK_MONOTONIC);
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[0], argv);
        _exit(127);
    }
    const int64_t limit = t0 + 30'000'000'000;
    std::optional<xcb_window_t> found;
    while (!found && nowNs(CLOCK_MONOTONIC) < limit) {
        pollfd p{xcb_get_file_descriptor(c), POLLIN, 0};
        poll(&p, 1, 100);
        while (auto* ev = xcb_poll_for_event(c))
            std::free(ev);
        if (waitpid(pid, nullptr, WNOHANG) == pid) {
            std::fprintf(stderr, "bench_xprobe: %s ended before showing a window\n", argv[0]);
            return 1;
        }
        for (xcb_window_t w : windowList(c, root, clientList)) {
            if (!known.insert(w).second) continue;
            const auto owner = cardinal(c, w, wmPid);
            if (!owner || *owner == uint32_t(pid)) found = w;
        }
    }
    while (found && !viewable(c, *found) && nowNs(CLOCK_MONOTONIC) < limit)
        sleepNs(200'000);
    const int64_t t1 = nowNs(CLOCK_MONOTONIC);
    endChild(pid);
    if (!found || t1 >= limit) {
        std::fprintf(stderr, "bench_xprobe: no window of %s within 30 s\n", argv[0]);
        return 1;
    }
    std::printf("%.1f\n", double(t1 - t0) / 1e6);
    return 0;
}

struct Rect {
    int16_t x = 0, y = 0;
    uint16_t w = 0, h = 0;
};

std::vector<uint8_t> image(xcb_connection_t* c, xcb_window_t w, Rect r) {
    auto rep = own(xcb_get_image_reply(
        c, xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, w, r.x, r.y, r.w, r.h, ~0u), nullptr));
    if (!rep) return {};
    const uint8_t* d = xcb_get_image_data(rep.get());
    return {d, d + xcb_get_image_data_length(rep.get())};
}

// The bounding box of every pixel that changed while sampling the whole window for 2.2 s.
std::optional<Rect> changingPart(xcb_connection_t* c, xcb_window_t w) {
    auto geo = own(xcb_get_geometry_reply(c, xcb_get_geometry(c, w), nullptr));
    if (!geo) return std::nullopt;
    const Rect all{0, 0, geo->width, geo->height};
    auto prev = image(c, w, all);
    if (prev.empty()) return std::nullopt;
    const size_t bpp = prev.size() / (size_t(all.w) * all.h);
    int x0 = all.w, y0 = all.h, x1 = -1, y1 = -1;
    for (int i = 0; i < 110; ++i) {
        sleepNs(20'000'000);
        auto cur = image(c, w, all);
        if (cur.size() != prev.size()) return std::nullopt;
        for (int y = 0; y < all.h; ++y)
            for (int x = 0; x < all.w; ++x) {
                const size_t o = (size_t(y) * all.w + x) * bpp;
                if (std::memcmp(&cur[o], &prev[o], bpp) == 0) continue;
                x0 = std::min(x0, x), y0 = std::min(y0, y);
                x1 = std::max(x1, x), y1 = std::max(y1, y);
            }
        prev = std::move(cur);
    }
    if (x1 < 0) return std::nullopt;
    return Rect{int16_t(x0), int16_t(y0), uint16_t(x1 - x0 + 1), uint16_t(y1 - y0 + 1)};
}

double percentile(std::vector<double> v, double p) {
    std::sort(v.begin(), v.end());
    return v[size_t(p * double(v.size() - 1) + 0.5)];
}

int faceMode(xcb_connection_t* c, xcb_window_t w, double seconds) {
    const auto part = changingPart(c, w);
    if (!part) {
        std::fprintf(stderr, "bench_xprobe: nothing in window 0x%x changed\n", w);
        return 1;
    }
    std::vector<double> lateMs;
    auto prev = image(c, w, *part);
    int64_t prevAt = nowNs(CLOCK_REALTIME);
    const int64_t end = nowNs(CLOCK_MONOTONIC) + int64_t(seconds * 1e9);
    while (nowNs(CLOCK_MONOTONIC) < end) {
        sleepNs(500'000);
        auto cur = image(c, w, *part);
        const int64_t at = nowNs(CLOCK_REALTIME);
        if (cur != prev) {
            // The change happened between the two samples: take the middle.
            const int64_t when = (prevAt + at) / 2;
            double ms = double(when % 1'000'000'000) / 1e6;
            if (ms > 900) ms -= 1000; // shown just before the boundary
            lateMs.push_back(ms);
            prev = std::move(cur);
        }
        prevAt = at;
    }
    if (lateMs.empty()) {
        std::fprintf(stderr, "bench_xprobe: the face did not change\n");
        return 1;
    }
    std::printf("n=%zu median=%.1f p10=%.1f p90=%.1f max=%.1f area=%ux%u\n", lateMs.size(),
                percentile(lateMs, 0.5), percentile(lateMs, 0.1), percentile(lateMs, 0.9),
                *std::max_element(lateMs.begin(), lateMs.end()), part->w, part->h);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const bool start = argc >= 3 && std::strcmp(argv[1], "start") == 0;
    const bool face = argc == 4 && std::strcmp(argv[1], "face") == 0;
    if (!start && !face) {
        std::fprintf(stderr, "usage: %s start COMMAND [ARGS...] | face WINDOW SECONDS\n", argv[0]);
        return 2;
    }
    int screenNo = 0;
    xcb_connection_t* c = xcb_connect(nullptr, &screenNo);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "bench_xprobe: cannot open the display\n");
        return 1;
    }
    auto it = xcb_setup_roots_iterator(xcb_get_setup(c));
    for (int i = 0; i < screenNo; ++i)
        xcb_screen_next(&it);
    const int rc =
        start ? startMode(c, it.data->root, argv + 2)
              : faceMode(c, xcb_window_t(std::strtoul(argv[2], nullptr, 0)), std::atof(argv[3]));
    xcb_disconnect(c);
    return rc;
}
