#pragma once

#include <string_view>

#include "core/control_states.h"
#include "core/countdown.h"

namespace hobwatch {

enum class PhraseStart {
    Started,
    NoTime,       // the phrase gives no time above zero
    BeyondDates,  // the countdown would end beyond the dates that can be told
};

// A countdown started in one step from a phrase (UTF-8): reads it into an entry as a highlight
// of it in the notes would, then presses the start button beside that entry. When nothing can
// be started, nothing changes. For a window with no countdown set; `countdown` acts on
// `controls`.
PhraseStart StartFromPhrase(ControlStates& controls, Countdown& countdown, std::string_view phrase);

}  // namespace hobwatch
