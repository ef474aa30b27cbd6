#pragma once

#include "core/control_states.h"

namespace hobwatch {

// A mouse release in the notes box: while no countdown is set, reads the highlighted phrase
// into the minutes or the hours entry and empties the other; a release that highlights nothing
// empties both. While a countdown is set it changes nothing.
void EnterHighlightedPhrase(ControlStates& controls);

}  // namespace hobwatch
