#include "core/phrase_entry.h"

#include <utility>

#include "core/time_phrase.h"

namespace hobwatch {

void EnterHighlightedPhrase(ControlStates& controls) {
    // A disabled minutes entry is the sign of a countdown set.
    if (!controls.MinutesEntry.Enabled) {
        return;
    }
    PhraseReading reading = ParseTimePhrase(controls.NotesSelection);
    EntryState& target = reading.ToHours ? controls.HoursEntry : controls.MinutesEntry;
    EntryState& other = reading.ToHours ? controls.MinutesEntry : controls.HoursEntry;
    target.Text = std::move(reading.EntryText);
    other.Text.clear();
}

}  // namespace hobwatch
