#include "settings/SettingsCodec.h"

#include <algorithm>
#include <array>
#include <charconv>

#include <QRegion>

namespace ql::SettingsCodec {
namespace {

std::array<bool SettingsRecord::*, 12> flagFields() {
    return {&SettingsRecord::FStartInTray,
            &SettingsRecord::FOnTop,
            &SettingsRecord::F24HourFormat,
            &SettingsRecord::FAnnounceOn,
            &SettingsRecord::FAlarmOn,
            &SettingsRecord::FAutoStart,
            &SettingsRecord::FWindowless,
            &SettingsRecord::FShowInTaskbar,
            &SettingsRecord::FTransparentButtons,
            &SettingsRecord::FAnnounceBeforeAlarm,
            &SettingsRecord::FGlobalShortcut,
            &SettingsRecord::FBlendOn};
}

void padTo(std::string& s, std::size_t n) {
    if (s.size() < n) s.append(n - s.size(), '0');
}

std::string_view field(const std::string& s, std::size_t index, std::size_t width) {
    return std::string_view(s).substr(index * width, width);
}

// A field's value, or its replacement when it is not a number or out of range.
long ranged(std::string_view text, long min, long max, long otherwise) {
    const auto v = parseNumber(text);
    return v && *v >= min && *v <= max ? *v : otherwise;
}

} // namespace

std::string encodeFlags(const SettingsRecord& r) {
    std::string s(12, '0');
    const auto fields = flagFields();
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (r.*fields[i]) s[i] = '1';
    return s;
}

void decodeFlags(std::string text, SettingsRecord& r) {
    padTo(text, 12);
    const auto fields = flagFields();
    for (std::size_t i = 0; i < fields.size(); ++i)
        r.*fields[i] = text[i] == '1';
}

std::string encodeNumber(long value, int width) {
    const bool negative = value < 0;
    std::string digits = std::to_string(negative ? -value : value);
    const int pad = width - static_cast<int>(digits.size()) - (negative ? 1 : 0);
    std::string out = negative ? "-" : "";
    if (pad > 0) out.append(static_cast<std::size_t>(pad), '0');
    return out + digits;
}

std::optional<long> parseNumber(std::string_view text) {
    const bool negative = !text.empty() && text.front() == '-';
    if (negative) text.remove_prefix(1);
    if (text.empty() || text.size() > 9) return std::nullopt;
    if (!std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    long v = 0;
    std::from_chars(text.data(), text.data() + text.size(), v);
    return negative ? -v : v;
}

std::optional<std::int32_t> parseInteger(std::string_view text) {
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    std::int32_t v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return v;
}

std::string encodeLong(const SettingsRecord& r, WindowPosition window) {
    // A coordinate that does not fit four characters is limited rather than corrupting its
    // neighbour.
    const auto coordinate = [](int v) { return encodeNumber(std::clamp(v, -999, 9999), 4); };
    return coordinate(window.top) + coordinate(window.left) +
           encodeNumber(std::clamp<long>(r.FTimerInterval, 0, 9999), 4) +
           encodeNumber(std::clamp<long>(r.FAlarmRepeat, 0, 9999), 4) +
           encodeNumber(std::clamp<long>(r.FBlendValue, -999, 9999), 4);
}

std::optional<WindowPosition> decodeLong(std::string text, SettingsRecord& r) {
    padTo(text, 20);
    r.FTimerInterval = static_cast<std::uint32_t>(ranged(field(text, 2, 4), 100, 1000, 100));
    r.FAlarmRepeat = static_cast<std::uint32_t>(ranged(field(text, 3, 4), 0, 999, 0));
    r.FBlendValue = static_cast<std::int32_t>(ranged(field(text, 4, 4), 0, 255, 255));
    const auto top = parseNumber(field(text, 0, 4));
    const auto left = parseNumber(field(text, 1, 4));
    if (!top || !left) return std::nullopt;
    return WindowPosition{static_cast<int>(*top), static_cast<int>(*left)};
}

// Every sound number outside 0-5 means silence (the dialog's "nothing selected" is -1); it is
// stored as 6, the one silent number reading keeps, so it cannot come back as the beep (0).
namespace {
long storedSound(std::int32_t sound) {
    return sound >= 0 && sound <= 5 ? sound : 6;
}
} // namespace

std::string encodeShort(const SettingsRecord& r) {
    const auto two = [](long v) { return encodeNumber(std::clamp<long>(v, 0, 99), 2); };
    return two(r.FAnnounceInterval) + two(r.FAlarmHour) + two(r.FAlarmMinute) +
           two(r.FSmallMode ? 1 : 0) + two(storedSound(r.FAlarmSound)) + two(r.FSpeechVolume) +
           two(r.FReservedVolume);
}

void decodeShort(std::string text, SettingsRecord& r) {
    padTo(text, 14);
    r.FAnnounceInterval = static_cast<std::int32_t>(ranged(field(text, 0, 2), 1, 60, 60));
    r.FAlarmHour = static_cast<std::int32_t>(ranged(field(text, 1, 2), 0, 23, 0));
    r.FAlarmMinute = static_cast<std::int32_t>(ranged(field(text, 2, 2), 0, 59, 0));
    r.FSmallMode = ranged(field(text, 3, 2), 1, 1, 0) == 1;
    r.FAlarmSound = static_cast<std::int32_t>(ranged(field(text, 4, 2), 0, 6, 1));
    r.FSpeechVolume = static_cast<std::int32_t>(ranged(field(text, 5, 2), 10, 65, 40));
    r.FReservedVolume = static_cast<std::int32_t>(ranged(field(text, 6, 2), 10, 65, 40));
}

WindowPosition placeOnDesktop(WindowPosition stored, int desktopWidth, int desktopHeight) {
    const auto inside = [](int v, int extent) { return v < 0 ? 0 : v > extent ? extent - 50 : v; };
    return {inside(stored.top, desktopHeight), inside(stored.left, desktopWidth)};
}

WindowPosition wholeOnDesktop(WindowPosition at, DesktopSize window, DesktopSize desktop) {
    const auto fit = [](int v, int size, int extent) {
        return std::clamp(v, 0, std::max(0, extent - size));
    };
    return {fit(at.top, window.height, desktop.height), fit(at.left, window.width, desktop.width)};
}

namespace {

QRect rectOf(const DesktopRect& m) {
    return {m.left, m.top, m.width, m.height};
}

long long overlap(const QRect& a, const QRect& b) {
    const QRect both = a.intersected(b);
    return static_cast<long long>(both.width()) * both.height();
}

long long squaredGap(const QRect& a, const QRect& b) {
    const long long dx = std::max({0, b.left() - a.right(), a.left() - b.right()});
    const long long dy = std::max({0, b.top() - a.bottom(), a.top() - b.bottom()});
    return dx * dx + dy * dy;
}

// Most overlap first; among monitors the window does not touch, the nearest.
bool closer(const QRect& window, const QRect& a, const QRect& b) {
    const long long oa = overlap(window, a), ob = overlap(window, b);
    if (oa != ob) return oa > ob;
    return squaredGap(window, a) < squaredGap(window, b);
}

} // namespace

WindowPosition wholeOnMonitor(WindowPosition at, DesktopSize window,
                              const std::vector<DesktopRect>& monitors) {
    const QRect frame(at.left, at.top, window.width, window.height);
    QRegion seen;
    for (const DesktopRect& m : monitors)
        seen += rectOf(m);
    if (monitors.empty() || (QRegion(frame) - seen).isEmpty()) return at;
    QRect best = rectOf(monitors.front());
    for (const DesktopRect& m : monitors)
        if (closer(frame, rectOf(m), best)) best = rectOf(m);
    const auto fit = [](int v, int size, int start, int extent) {
        return std::clamp(v, start, std::max(start, start + extent - size));
    };
    return {fit(at.top, window.height, best.top(), best.height()),
            fit(at.left, window.width, best.left(), best.width())};
}

} // namespace ql::SettingsCodec
