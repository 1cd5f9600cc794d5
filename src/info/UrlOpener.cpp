#include "info/UrlOpener.h"

#include <QDesktopServices>

namespace ql {

UrlOpener::Hook UrlOpener::hook;

bool UrlOpener::open(const QUrl& url) {
    if (hook) return hook(url);
    return QDesktopServices::openUrl(url);
}

} // namespace ql
