// The exported entry of one plug-in; built once per voice with QL_VOICE_ESPEAK (the espeak-ng
// voice name) and QL_VOICE_PHRASE (the language's phrase function) defined by the build.
#include "TimeSpeaker.h"

extern "C" __attribute__((visibility("default"))) void Speak(void) {
    static const ql::voice::VoiceSetup voice{QL_VOICE_ESPEAK, &ql::voice::QL_VOICE_PHRASE};
    ql::voice::speakNow(voice);
}
