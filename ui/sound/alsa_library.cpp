#include "ui/sound/alsa_library.h"

#include "ui/sound/library_symbols.h"

namespace hobwatch {
namespace {

bool FindAll(void* library, AlsaLibrary& alsa) {
    return FindFunction(library, "snd_lib_error_set_handler", alsa.ErrorSetHandler) &&
           FindFunction(library, "snd_pcm_open", alsa.PcmOpen) &&
           FindFunction(library, "snd_pcm_set_params", alsa.PcmSetParams) &&
           FindFunction(library, "snd_pcm_writei", alsa.PcmWritei) &&
           FindFunction(library, "snd_pcm_wait", alsa.PcmWait) &&
           FindFunction(library, "snd_pcm_prepare", alsa.PcmPrepare) &&
           FindFunction(library, "snd_pcm_drain", alsa.PcmDrain) &&
           FindFunction(library, "snd_pcm_avail", alsa.PcmAvail) &&
           FindFunction(library, "snd_pcm_state", alsa.PcmState) &&
           FindFunction(library, "snd_pcm_close", alsa.PcmClose);
}

}  // namespace

const AlsaLibrary* LoadAlsaLibrary() { return LoadFunctionTable("libasound.so.2", FindAll); }

}  // namespace hobwatch
