#include "platform/linux/AlsaWaveMixer.h"

#include <alsa/asoundlib.h>

#include <memory>

namespace ql {
namespace {

struct MixerCloser {
    void operator()(snd_mixer_t* m) const { snd_mixer_close(m); }
};
using Mixer = std::unique_ptr<snd_mixer_t, MixerCloser>;

// ALSA prints its configuration errors to stderr; without a device that is expected, not news.
void quietAlsa(const char*, int, const char*, int, const char*, ...) {}

Mixer openMixer() {
    static const bool quiet = (snd_lib_error_set_handler(quietAlsa), true);
    (void)quiet;
    snd_mixer_t* m = nullptr;
    if (snd_mixer_open(&m, 0) < 0) return nullptr;
    Mixer mixer(m);
    if (snd_mixer_attach(m, "default") < 0 && (snd_config_update_free_global(), true) &&
        snd_mixer_attach(m, "default") < 0)
        return nullptr;
    if (snd_mixer_selem_register(m, nullptr, nullptr) < 0 || snd_mixer_load(m) < 0) return nullptr;
    return mixer;
}

// The element with a playback volume: "Master", else "PCM".
snd_mixer_elem_t* volumeElement(snd_mixer_t* m) {
    for (const char* name : {"Master", "PCM"}) {
        snd_mixer_selem_id_t* id = nullptr;
        snd_mixer_selem_id_alloca(&id);
        snd_mixer_selem_id_set_name(id, name);
        snd_mixer_elem_t* e = snd_mixer_find_selem(m, id);
        if (e && snd_mixer_selem_has_playback_volume(e)) return e;
    }
    return nullptr;
}

long toElement(std::uint16_t v, long min, long max) {
    return min + static_cast<long>((static_cast<long long>(v) * (max - min) + 0x7FFF) / 0xFFFF);
}

std::uint16_t fromElement(long v, long min, long max) {
    if (max <= min) return 0;
    const long long scaled =
        (static_cast<long long>(v - min) * 0xFFFF + (max - min) / 2) / (max - min);
    return static_cast<std::uint16_t>(scaled < 0 ? 0 : scaled > 0xFFFF ? 0xFFFF : scaled);
}

snd_mixer_selem_channel_id_t rightOf(snd_mixer_elem_t* e) {
    return snd_mixer_selem_is_playback_mono(e) ? SND_MIXER_SCHN_MONO : SND_MIXER_SCHN_FRONT_RIGHT;
}

// True when the mixer's own copy of the element already holds these values.
bool holds(snd_mixer_elem_t* e, long left, long right) {
    long l = -1, r = -1;
    snd_mixer_selem_get_playback_volume(e, SND_MIXER_SCHN_FRONT_LEFT, &l);
    snd_mixer_selem_get_playback_volume(e, rightOf(e), &r);
    return l == left && r == right;
}

} // namespace

AlsaWaveMixer::~AlsaWaveMixer() {
    release();
}

void AlsaWaveMixer::release() {
    if (mixer_) snd_mixer_close(mixer_);
    mixer_ = nullptr;
    element_ = nullptr;
}

// The volume element, opened on first use; nullptr when there is none.
snd_mixer_elem_t* AlsaWaveMixer::element() {
    if (!mixer_) {
        mixer_ = openMixer().release();
        element_ = mixer_ ? volumeElement(mixer_) : nullptr;
    }
    return element_;
}

// Takes in changes made by others since the last call: a round trip to the sound server.
void AlsaWaveMixer::refresh() {
    if (mixer_) snd_mixer_handle_events(mixer_);
}

// A handle gone stale (the sound server restarted) fails once; the mixer is then opened afresh.
template <typename Action> bool AlsaWaveMixer::withElement(Action action) {
    for (int attempt = 0; attempt < 2; ++attempt) {
        snd_mixer_elem_t* e = element();
        if (e && action(e)) return true;
        release();
    }
    return false;
}

bool AlsaWaveMixer::getVolume(std::uint16_t& left, std::uint16_t& right) {
    return withElement([&](snd_mixer_elem_t* e) {
        refresh();
        long min = 0, max = 0, l = 0, r = 0;
        if (snd_mixer_selem_get_playback_volume_range(e, &min, &max) < 0 ||
            snd_mixer_selem_get_playback_volume(e, SND_MIXER_SCHN_FRONT_LEFT, &l) < 0 ||
            snd_mixer_selem_get_playback_volume(e, rightOf(e), &r) < 0)
            return false;
        left = fromElement(l, min, max);
        right = fromElement(r, min, max);
        return true;
    });
}

bool AlsaWaveMixer::setVolume(std::uint16_t left, std::uint16_t right) {
    return withElement([&](snd_mixer_elem_t* e) {
        long min = 0, max = 0;
        if (snd_mixer_selem_get_playback_volume_range(e, &min, &max) < 0) return false;
        const long l = toElement(left, min, max);
        // One write where one will do: each write is a round trip to the sound server.
        const bool joined = left == right || snd_mixer_selem_is_playback_mono(e);
        const long r = joined ? l : toElement(right, min, max);
        // The mixer skips a write of the value it last saw. Only then can a change by someone
        // else matter, so only then is the refresh worth its round trip.
        if (holds(e, l, r)) refresh();
        if (joined) return snd_mixer_selem_set_playback_volume_all(e, l) == 0;
        return snd_mixer_selem_set_playback_volume(e, SND_MIXER_SCHN_FRONT_LEFT, l) == 0 &&
               snd_mixer_selem_set_playback_volume(e, SND_MIXER_SCHN_FRONT_RIGHT, r) == 0;
    });
}

} // namespace ql
