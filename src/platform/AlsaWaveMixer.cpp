#include "platform/AlsaWaveMixer.h"

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
    const long long scaled = (static_cast<long long>(v - min) * 0xFFFF + (max - min) / 2) / (max - min);
    return static_cast<std::uint16_t>(scaled < 0 ? 0 : scaled > 0xFFFF ? 0xFFFF : scaled);
}

snd_mixer_selem_channel_id_t rightOf(snd_mixer_elem_t* e) {
    return snd_mixer_selem_is_playback_mono(e) ? SND_MIXER_SCHN_MONO : SND_MIXER_SCHN_FRONT_RIGHT;
}

} // namespace

bool AlsaWaveMixer::getVolume(std::uint16_t& left, std::uint16_t& right) {
    Mixer m = openMixer();
    snd_mixer_elem_t* e = m ? volumeElement(m.get()) : nullptr;
    long min = 0, max = 0, l = 0, r = 0;
    if (!e || snd_mixer_selem_get_playback_volume_range(e, &min, &max) < 0) return false;
    if (snd_mixer_selem_get_playback_volume(e, SND_MIXER_SCHN_FRONT_LEFT, &l) < 0 ||
        snd_mixer_selem_get_playback_volume(e, rightOf(e), &r) < 0)
        return false;
    left = fromElement(l, min, max);
    right = fromElement(r, min, max);
    return true;
}

bool AlsaWaveMixer::setVolume(std::uint16_t left, std::uint16_t right) {
    Mixer m = openMixer();
    snd_mixer_elem_t* e = m ? volumeElement(m.get()) : nullptr;
    long min = 0, max = 0;
    if (!e || snd_mixer_selem_get_playback_volume_range(e, &min, &max) < 0) return false;
    if (snd_mixer_selem_is_playback_mono(e))
        return snd_mixer_selem_set_playback_volume_all(e, toElement(left, min, max)) == 0;
    return snd_mixer_selem_set_playback_volume(e, SND_MIXER_SCHN_FRONT_LEFT, toElement(left, min, max)) == 0 &&
           snd_mixer_selem_set_playback_volume(e, SND_MIXER_SCHN_FRONT_RIGHT, toElement(right, min, max)) == 0;
}

} // namespace ql
