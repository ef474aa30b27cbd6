#include "ui/sound/canberra_library.h"

#include "ui/sound/library_symbols.h"

namespace hobwatch {
namespace {

bool FindAll(void* library, CanberraLibrary& canberra) {
    return FindFunction(library, "ca_context_create", canberra.ContextCreate) &&
           FindFunction(library, "ca_context_change_props", canberra.ContextChangeProps) &&
           FindFunction(library, "ca_context_play", canberra.ContextPlay) &&
           FindFunction(library, "ca_context_playing", canberra.ContextPlaying);
}

}  // namespace

const CanberraLibrary* LoadCanberraLibrary() {
    return LoadFunctionTable("libcanberra.so.0", FindAll);
}

}  // namespace hobwatch
