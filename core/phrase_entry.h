#pragma once

#include <string_view>

#include "core/control_states.h"
#include "core/time_phrase.h"

namespace hobwatch {

// Puts a phrase's reading into its entry and empties the other, whether or not a countdown is set.
void EnterReading(ControlStates& controls, PhraseReading reading);

// A mouse release in the notes box: while no countdown is set, reads the highlighted phrase
// into the minutes or the hours entry and empties the other; a release that highlights nothing
// empties both. While a countdown is set it changes nothing.
void EnterHighlightedPhrase(ControlStates& controls);

// Whether text dropped on the window outside the notes box is taken: only while no countdown is
// set, and only text that holds something. `text` is UTF-8, line breaks as CR LF.
bool TakesDroppedPhrase(const ControlStates& controls, std::string_view text);
// Reads dropped text as the same text highlighted in the notes would be read. False, and
// nothing changed, when the drop is not taken.
bool EnterDroppedPhrase(ControlStates& controls, std::string_view text);

}  // namespace hobwatch
