// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarm/NumberField.h"

#include <limits>

namespace ql {
namespace {

int digitValue(QChar c, int base) {
    int d = -1;
    if (c >= u'0' && c <= u'9')
        d = c.unicode() - u'0';
    else if (c >= u'a' && c <= u'f')
        d = c.unicode() - u'a' + 10;
    else if (c >= u'A' && c <= u'F')
        d = c.unicode() - u'A' + 10;
    return d < base ? d : -1;
}

// Length of the hexadecimal prefix at the start of text, 0 when there is none.
qsizetype hexPrefix(QStringView text) {
    if (text.startsWith(u'$') || text.startsWith(u'x') || text.startsWith(u'X')) return 1;
    if (text.size() > 1 && text[0] == u'0' && (text[1] == u'x' || text[1] == u'X')) return 2;
    return 0;
}

} // namespace

NumberField readNumberField(QStringView text) {
    qsizetype i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    const bool negative = i < text.size() && text[i] == u'-';
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) ++i;
    const qsizetype prefix = hexPrefix(text.mid(i));
    const int base = prefix ? 16 : 10;
    i += prefix;
    if (i == text.size()) return {};
    // Anything beyond 32 bits is refused rather than wrapped into a wrong value.
    const long long limit = std::numeric_limits<int>::max() + (negative ? 1LL : 0LL);
    long long magnitude = 0;
    for (; i < text.size(); ++i) {
        const int d = digitValue(text[i], base);
        if (d < 0) return {};
        magnitude = magnitude * base + d;
        if (magnitude > limit) return {};
    }
    return {static_cast<int>(negative ? -magnitude : magnitude), true};
}

} // namespace ql
