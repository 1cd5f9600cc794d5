#pragma once

#include <QUrl>

#include <functional>

namespace ql {

// Hands a web address or a help page to the user's browser. Tests set the hook to see the
// address instead of starting a browser.
class UrlOpener {
  public:
    using Hook = std::function<bool(const QUrl&)>;
    static Hook hook; // when set, replaces the desktop's "open"

    // False when nothing could be started for the address.
    static bool open(const QUrl& url);
};

} // namespace ql
