#include "core/phrase_entry.h"

#include <utility>

namespace hobwatch {
namespace {

// A disabled minutes entry is the sign of a countdown set.
bool CountdownSet(const ControlStates& controls) { return !controls.MinutesEntry.Enabled; }

}  // namespace

void EnterReading(ControlStates& controls, PhraseReading reading) {
    EntryState& target = reading.ToHours ? controls.HoursEntry : controls.MinutesEntry;
    EntryState& other = reading.ToHours ? controls.MinutesEntry : controls.HoursEntry;
    target.Text = std::move(reading.EntryText);
    other.Text.clear();
}

void EnterHighlightedPhrase(ControlStates& controls) {
    if (!CountdownSet(controls)) {
        EnterReading(controls, ParseTimePhrase(controls.NotesSelection));
    }
}

bool TakesDroppedPhrase(const ControlStates& controls, std::string_view text) {
    return !CountdownSet(controls) && !text.empty();
}

bool EnterDroppedPhrase(ControlStates& controls, std::string_view text) {
    if (!TakesDroppedPhrase(controls, text)) {
        return false;
    }
    EnterReading(controls, ParseTimePhrase(text));
    return true;
}

}  // namespace hobwatch
