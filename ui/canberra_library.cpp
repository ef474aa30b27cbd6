#include "ui/canberra_library.h"

#include <optional>

#include "ui/library_symbols.h"

namespace hobwatch {
namespace {

std::optional<CanberraLibrary> Load() {
    void* library = OpenLibrary("libcanberra.so.0");
    CanberraLibrary canberra;
    if (library != nullptr && FindFunction(library, "ca_context_create", canberra.ContextCreate) &&
        FindFunction(library, "ca_context_change_props", canberra.ContextChangeProps) &&
        FindFunction(library, "ca_context_play", canberra.ContextPlay) &&
        FindFunction(library, "ca_context_playing", canberra.ContextPlaying) &&
        FindFunction(library, "ca_context_destroy", canberra.ContextDestroy)) {
        return canberra;
    }
    return std::nullopt;
}

}  // namespace

const CanberraLibrary* LoadCanberraLibrary() {
    static const std::optional<CanberraLibrary> canberra = Load();
    return canberra ? &*canberra : nullptr;
}

}  // namespace hobwatch
