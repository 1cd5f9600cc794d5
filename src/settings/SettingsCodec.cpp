// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/SettingsCodec.h"

#include <algorithm>
#include <charconv>
#include <initializer_list>
#include <variant>

#include <QRegion>

namespace ql::SettingsCodec {
namespace {

void padTo(std::string& s, std::size_t n) {
    if (s.size() < n) s.append(n - s.size(), '0');
}

std::string_view field(const std::string& s, const PackedValue& packed, int position) {
    const auto width = static_cast<std::size_t>(packed.width);
    return std::string_view(s).substr(static_cast<std::size_t>(position) * width, width);
}

// A field's value, or its replacement when it is not a number or out of range.
long ranged(const Setting& s, std::string_view text) {
    const auto v = parseNumber(text);
    return v && s.stored.holds(*v) ? *v : s.otherwise;
}

long saved(const Setting& s, const PackedValue& packed, long v) {
    if (s.stored.holds(v)) return v;
    return s.savedOutside.value_or(packed.fits.limit(v));
}

// Fields holding no member (the window position) take `outside` in their order.
std::string encodeFields(const PackedValue& packed, const SettingsRecord& r,
                         std::initializer_list<long> outside) {
    std::string out;
    auto next = outside.begin();
    for (const Setting& s : allSettings()) {
        if (!s.packedIn(packed)) continue;
        const bool member = !std::holds_alternative<std::monostate>(s.field);
        out += encodeNumber(saved(s, packed, member ? fieldValue(s, r) : *next++), packed.width);
    }
    return out;
}

} // namespace

std::string encodePacked(const PackedValue& packed, const SettingsRecord& r) {
    return encodeFields(packed, r, {});
}

void decodePacked(const PackedValue& packed, std::string text, SettingsRecord& r) {
    padTo(text, packed.length());
    for (const Setting& s : allSettings())
        if (s.packedIn(packed)) setFieldValue(s, r, ranged(s, field(text, packed, s.position)));
}

std::string encodeFlags(const SettingsRecord& r) {
    return encodePacked(kBinSettings, r);
}

// Every character but '1' is false, a digit or not.
void decodeFlags(std::string text, SettingsRecord& r) {
    for (char& c : text)
        if (c != '1') c = '0';
    decodePacked(kBinSettings, std::move(text), r);
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

// A coordinate that does not fit its field is limited rather than corrupting its neighbour.
std::string encodeLong(const SettingsRecord& r, WindowPosition window) {
    return encodeFields(kLNumSettings, r, {window.top, window.left});
}

std::optional<WindowPosition> decodeLong(std::string text, SettingsRecord& r) {
    decodePacked(kLNumSettings, text, r);
    padTo(text, kLNumSettings.length());
    std::vector<std::optional<long>> at; // top, then left
    for (const Setting& s : allSettings())
        if (s.packedIn(kLNumSettings) && std::holds_alternative<std::monostate>(s.field))
            at.push_back(parseNumber(field(text, kLNumSettings, s.position)));
    if (!at[0] || !at[1]) return std::nullopt;
    return WindowPosition{static_cast<int>(*at[0]), static_cast<int>(*at[1])};
}

std::string encodeShort(const SettingsRecord& r) {
    return encodePacked(kSNumSettings, r);
}

void decodeShort(std::string text, SettingsRecord& r) {
    decodePacked(kSNumSettings, std::move(text), r);
}

std::string encodeOwn(const Setting& s, const SettingsRecord& r) {
    if (s.isText()) return (r.*std::get<QString SettingsRecord::*>(s.field)).toStdString();
    return std::to_string(fieldValue(s, r));
}

void decodeOwn(const Setting& s, const std::string& text, SettingsRecord& r) {
    if (s.isText()) {
        r.*std::get<QString SettingsRecord::*>(s.field) = QString::fromStdString(text);
        return;
    }
    const auto v = parseInteger(text);
    setFieldValue(s, r, v && s.stored.holds(*v) ? *v : s.otherwise);
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
