#include "core/form1_handlers.h"
#include "core/time_phrase.h"

namespace hobwatch {

void Form1Handlers::Text1_Click() {
    // Phrases are read only while no countdown is set.
    if (!controls_.Combo1.Enabled) {
        return;
    }
    PhraseReading reading = ParseTimePhrase(controls_.Text1SelectedText);
    EntryState& target = reading.ToHours ? controls_.Combo2 : controls_.Combo1;
    EntryState& other = reading.ToHours ? controls_.Combo1 : controls_.Combo2;
    target.Text = std::move(reading.EntryText);
    other.Text.clear();
}

}  // namespace hobwatch
