#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "core/control_states.h"
#include "core/phrase_entry.h"
#include "tests/core/countdown_fakes.h"

namespace hobwatch {
namespace {

using fakes::At;
using fakes::Button;
using fakes::CountdownHarness;
using fakes::Describe;

constexpr bool kToHours = true;
constexpr bool kToMinutes = false;

struct PhraseCase {
    const char* name;
    std::string selection;
    bool toHours;
    std::string entryText;
};

// The click writes one entry, empties the other and changes nothing else.
TEST(PhraseEntry, ReadsTheHighlightedPhraseIntoOneEntryAndEmptiesTheOther) {
    const std::string beyondFloat = "1" + std::string(40, '0');
    const std::string overflowingSum = "3" + std::string(38, '0') + " h 6" + std::string(39, '0');
    const auto xs = [](std::size_t count) { return std::string(count, 'x'); };
    std::string twoByte;
    while (twoByte.size() < 2 * 32765) {
        twoByte += "\u00E9";
    }
    const PhraseCase cases[] = {
        {"and a quarter hours", "2 and 1/4 hours", kToHours, "2.25 hr"},
        {"hours and minutes, two spaces", "2 hr  15 minutes", kToHours, "2.25 hr"},
        {"mixed fraction of minutes", "2 1/4 min", kToMinutes, "2.25"},
        {"hard-boiled eggs line",
         "Hard boiled eggs, bring to boil for 1 minute, cover and let stand 17 min.", kToHours,
         "0.02 hr"},
        {"minutes with words kept", "17 min.", kToMinutes, "17 min."},
        {"no digit after the h", "12 lb Turkey in bag 3.10 hrs", kToHours,
         "12 lb Turkey in bag 3.10 hrs"},
        {"decimal hours kept", "3.10 hrs", kToHours, "3.10 hrs"},
        {"and a quarter hr", "2 and 1/4 hr", kToHours, "2.25 hr"},
        {"an hour and twenty minutes", "1 hour 20 minutes", kToHours, "1.33 hr"},
        {"one and two thirds minutes", "1 2/3 min", kToMinutes, "1.67"},
        {"plain number", "45", kToMinutes, "45"},
        {"outer spaces trimmed", "  90  ", kToMinutes, "90"},
        {"half", "1/2", kToMinutes, "0.5"},
        {"three quarters", "3/4", kToMinutes, "0.75"},
        {"one and a half hr", "1 1/2 hr", kToHours, "1.5 hr"},
        {"hours then minutes without blanks", "2h30", kToHours, "2.5 hr"},
        {"minutes after a lone h", "h2", kToHours, "0.03 hr"},
        {"nothing after the h", "2h", kToHours, "2h"},
        {"decimal hours then minutes", "1.5 hr 10 min", kToHours, "1.67 hr"},
        {"hours without minutes kept", "3 hours", kToHours, "3 hours"},
        {"lone h", "h", kToHours, "h"},
        {"plain click highlights nothing", "", kToMinutes, ""},
        {"only spaces", "   ", kToMinutes, ""},
        {"comma passed over by the scan", "2 hr, 15 min", kToHours, "2.25 hr"},
        {"decimal comma kept", "1,5 hours", kToHours, "1,5 hours"},
        {"the h of then counts", "90 min, then 1 h", kToHours, "90.02 hr"},
        {"digit before the numerator is whole", "21/4", kToMinutes, "2.25"},
        {"twelve over four", "12/4", kToMinutes, "1.5"},
        {"digit after the denominator ignored", "1/10", kToMinutes, "1"},
        {"fraction after the h read twice", "1 h 1/2", kToHours, "1.08 hr"},
        {"slash first", "/4 hr", kToHours, "0 hr"},
        {"line break kept at the end", "45\r\n", kToMinutes, "45\r\n"},

        // A step that fails leaves its field as it was.
        {"slash last: no denominator", "2 1/", kToMinutes, "2"},
        {"denominator zero", "2 1/0 hr", kToHours, "2 hr"},
        {"zero over zero", "0/0", kToMinutes, "0"},
        {"whole beyond the float range", beyondFloat + " 1/2 min", kToMinutes, "0.5"},
        {"whole below the float range", "-" + beyondFloat + " 1/2", kToMinutes, "0.5"},
        {"hours beyond the float range", beyondFloat + " h 30", kToHours, "0.5 hr"},
        {"minutes beyond the float range", "2 h 1" + std::string(41, '0'), kToHours, "2 hr"},
        {"sum beyond the float range", overflowingSum, kToHours, overflowingSum},

        // Whole, Frac and their sum are 32-bit floats.
        {"minutes as a float round below the half", "h 0.3", kToHours, "0 hr"},
        {"sum as a float rounds up", "1 h 20.7", kToHours, "1.35 hr"},
        {"sum as a float ties to even", "8388609 1/2", kToMinutes, "8388610"},

        // Blanks, digits and the letter h.
        {"CR LF before the number", "\r\n2 h 30", kToHours, "2.5 hr"},
        {"tabs not trimmed", "\t45\t", kToMinutes, "\t45\t"},
        {"only ASCII digits are digits", "1 h \u06635", kToHours, "1.08 hr"},
        {"prime after the minutes ends them", "1 h 20\u2032", kToHours, "1.33 hr"},
        {"sharp s does not shift the h", "\u00DF\u00DFh2", kToHours, "0.03 hr"},
        {"full-width h is no h", "\uFF12\uFF4830", kToMinutes, "\uFF12\uFF4830"},

        // Positions count characters and stop at 32767.
        {"two-byte characters count once", "\u00E9\u00E9h2", kToHours, "0.03 hr"},
        {"four-byte character counts once", "\U0001F357h2", kToHours, "0.03 hr"},
        {"h before the last position", xs(32765) + "h30", kToHours, "0.5 hr"},
        {"scan stops at the last position", xs(32766) + "h30", kToHours, xs(32766) + "h30"},
        {"h beyond the last position", xs(32767) + "h30", kToMinutes, xs(32767) + "h30"},
        {"slash before the last position", xs(32764) + "1/2", kToMinutes, "0.5"},
        {"slash at the last position: no denominator", xs(32765) + "1/2", kToMinutes, "0"},
        {"slash beyond the last position", xs(32766) + "1/2", kToMinutes, xs(32766) + "1/2"},
        {"two-byte slash at the last position", twoByte + "1/2", kToMinutes, "0"},
    };
    for (const PhraseCase& c : cases) {
        SCOPED_TRACE(c.name);
        CountdownHarness harness;
        harness.controls.NotesSelection = c.selection;
        ControlStates expected = harness.controls;
        (c.toHours ? expected.HoursEntry : expected.MinutesEntry).Text = c.entryText;
        (c.toHours ? expected.MinutesEntry : expected.HoursEntry).Text.clear();
        EnterHighlightedPhrase(harness.controls);
        EXPECT_EQ(Describe(harness.controls), Describe(expected));
    }
}

TEST(PhraseEntry, ChangesNoEntryWhileACountdownIsSet) {
    CountdownHarness harness;
    harness.StartAtNoon(Button::StartHours, "2.5");
    harness.controls.NotesSelection = "45";
    for (const std::int64_t at : {At(12, 0, 1), At(14, 30, 5)}) {
        harness.TickAt(at);
        const std::string before = Describe(harness.controls);
        EnterHighlightedPhrase(harness.controls);
        EXPECT_EQ(Describe(harness.controls), before);
    }
    harness.countdown.Cancel();
    EnterHighlightedPhrase(harness.controls);
    EXPECT_EQ(harness.controls.MinutesEntry.Text, "45");
    EXPECT_EQ(harness.controls.HoursEntry.Text, "");
}

}  // namespace
}  // namespace hobwatch
