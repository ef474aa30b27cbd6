#pragma once

#include <alsa/asoundlib.h>

namespace hobwatch {

// The functions of libasound that the tones use. The library is loaded when the first sound is
// played, so that a run that never sounds does not carry it.
struct AlsaLibrary {
    decltype(&snd_lib_error_set_handler) ErrorSetHandler = nullptr;
    decltype(&snd_pcm_open) PcmOpen = nullptr;
    decltype(&snd_pcm_set_params) PcmSetParams = nullptr;
    decltype(&snd_pcm_writei) PcmWritei = nullptr;
    decltype(&snd_pcm_wait) PcmWait = nullptr;
    decltype(&snd_pcm_prepare) PcmPrepare = nullptr;
    decltype(&snd_pcm_drain) PcmDrain = nullptr;
    decltype(&snd_pcm_avail) PcmAvail = nullptr;
    decltype(&snd_pcm_state) PcmState = nullptr;
    decltype(&snd_pcm_close) PcmClose = nullptr;
};

// Loads libasound.so.2 at the first call (from any thread) and returns its functions; nullptr
// when the library or one of the functions is missing, which leaves the tones silent.
const AlsaLibrary* LoadAlsaLibrary();

}  // namespace hobwatch
