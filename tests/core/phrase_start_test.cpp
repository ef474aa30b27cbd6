#include <gtest/gtest.h>

#include <string>

#include "core/control_states.h"
#include "core/phrase_start.h"
#include "tests/core/countdown_fakes.h"

namespace hobwatch {
namespace {

using fakes::CountdownHarness;
using fakes::Describe;

struct StartCase {
    const char* name;
    std::string phrase;
    PhraseStart result;
    const char* minutes;  // the entries once started, and the caption a second later
    const char* hours;
    const char* captionAtFirstTick;
};

TEST(PhraseStart, StartsTheButtonBesideTheEntryThePhraseWentTo) {
    const StartCase cases[] = {
        {"mixed fraction of hours", "2 1/4 hours", PhraseStart::Started, "", "2.25 hr",
         "2:14:59 (0:00:01)"},
        {"hours and minutes", "1 hour 20 minutes", PhraseStart::Started, "", "1.33 hr",
         "1:19:59 (0:00:01)"},
        {"plain number of minutes", "12", PhraseStart::Started, "12", "", "11:59 (00:01)"},
        {"fraction of minutes", "1 2/3 min", PhraseStart::Started, "1.67", "", "01:39 (00:01)"},
        {"no number", "a pinch of salt", PhraseStart::NoTime, "", "", ""},
        {"empty", "", PhraseStart::NoTime, "", "", ""},
        {"zero minutes", "0 min", PhraseStart::NoTime, "", "", ""},
        {"negative minutes", "-5", PhraseStart::NoTime, "", "", ""},
        {"minutes beyond a float", "1" + std::string(40, '0'), PhraseStart::BeyondDates, "", "",
         ""},
        {"hours beyond the dates", "99999999999 hours", PhraseStart::BeyondDates, "", "", ""},
    };
    for (const StartCase& c : cases) {
        SCOPED_TRACE(c.name);
        CountdownHarness harness;
        const std::string before = Describe(harness.controls);

        EXPECT_EQ(StartFromPhrase(harness.controls, harness.countdown, c.phrase), c.result);

        if (c.result != PhraseStart::Started) {
            EXPECT_EQ(Describe(harness.controls), before);
            continue;
        }
        const bool byHours = *c.hours != '\0';
        EXPECT_EQ(harness.controls.MinutesEntry.Text, c.minutes);
        EXPECT_EQ(harness.controls.HoursEntry.Text, c.hours);
        EXPECT_EQ(harness.controls.HoursEntry.BackColour, byHours ? kGreen : kWhite);
        EXPECT_EQ(harness.controls.MinutesEntry.BackColour, byHours ? kWhite : kGreen);
        harness.TickAt(1);
        EXPECT_EQ(harness.controls.Caption, c.captionAtFirstTick);
    }
}

}  // namespace
}  // namespace hobwatch
