#include "speech/TSpeakThread.h"

namespace ql {

void TSpeakThread::run() {
    try {
        if (speak_) speak_();
    } catch (...) {
        // A failing voice ends the announcement silently; the completion handler still runs.
    }
}

} // namespace ql
