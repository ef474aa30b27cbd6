#pragma once

#include <canberra.h>

namespace hobwatch {

// The functions of libcanberra that the bell uses. The library is loaded when the bell first
// rings, so that a run that never rings does not carry it and the libraries it pulls in.
struct CanberraLibrary {
    decltype(&ca_context_create) ContextCreate = nullptr;
    decltype(&ca_context_change_props) ContextChangeProps = nullptr;
    decltype(&ca_context_play) ContextPlay = nullptr;
    decltype(&ca_context_playing) ContextPlaying = nullptr;
};

// Loads libcanberra.so.0 at the first call (from any thread) and returns its functions; nullptr
// when the library or one of the functions is missing, which leaves the bell silent.
const CanberraLibrary* LoadCanberraLibrary();

}  // namespace hobwatch
