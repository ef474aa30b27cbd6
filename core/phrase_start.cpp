#include "core/phrase_start.h"

#include <utility>

#include "core/phrase_entry.h"
#include "core/time_phrase.h"
#include "runtime/number_reading.h"

namespace hobwatch {

PhraseStart StartFromPhrase(ControlStates& controls, Countdown& countdown,
                            std::string_view phrase) {
    PhraseReading reading = ParseTimePhrase(phrase);
    // Zero, a negative number or a phrase with no number would be up at once.
    if (ReadNumber(reading.EntryText) <= 0) {
        return PhraseStart::NoTime;
    }
    const ControlStates before = controls;
    const bool toHours = reading.ToHours;
    EnterReading(controls, std::move(reading));
    toHours ? countdown.StartByHours() : countdown.StartByMinutes();
    if (!controls.Ticking) {
        controls = before;
        return PhraseStart::BeyondDates;
    }
    return PhraseStart::Started;
}

}  // namespace hobwatch
