#include <gtest/gtest.h>

#include <string>

#include "core/control_states.h"
#include "core/phrase_start.h"
#include "tests/core/countdown_fakes.h"

namespace hobwatch {
namespace {

struct StartCase {
    std::string phrase;
    PhraseStart result;
    const char* minutes;  // the entries once started; the one started is green
    const char* hours;
};

// A phrase that starts nothing leaves the window as it was, entries included.
TEST(PhraseStart, StartsTheButtonBesideTheEntryThePhraseWentTo) {
    const StartCase cases[] = {
        {"2 1/4 hours", PhraseStart::Started, "", "2.25 hr"},
        {"1 2/3 min", PhraseStart::Started, "1.67", ""},
        {"a pinch of salt", PhraseStart::NoTime, "15", "2.5"},
        {"0 min", PhraseStart::NoTime, "15", "2.5"},
        {"-5", PhraseStart::NoTime, "15", "2.5"},
        {"1" + std::string(40, '0'), PhraseStart::BeyondDates, "15", "2.5"},
        {"99999999999 hours", PhraseStart::BeyondDates, "15", "2.5"},
    };
    for (const StartCase& c : cases) {
        SCOPED_TRACE(c.phrase);
        fakes::CountdownHarness harness;
        ControlStates expected = harness.controls;
        expected.MinutesEntry.Text = c.minutes;
        expected.HoursEntry.Text = c.hours;
        if (c.result == PhraseStart::Started) {
            Countdown reference(expected, harness.fake, harness.fake, harness.fake);
            *c.hours != '\0' ? reference.StartByHours() : reference.StartByMinutes();
        }

        EXPECT_EQ(StartFromPhrase(harness.controls, harness.countdown, c.phrase), c.result);
        EXPECT_EQ(fakes::Describe(harness.controls), fakes::Describe(expected));
    }
}

}  // namespace
}  // namespace hobwatch
