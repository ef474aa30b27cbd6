#include <gtest/gtest.h>

#include <string>

#include "core/control_states.h"
#include "tests/core/form1_fakes.h"

namespace hobwatch {
namespace {

using fakes::Describe;
using fakes::EventLog;
using fakes::Form1Harness;

struct ClickCase {
    const char* name;
    const char* selection;
    const char* combo1;
    const char* combo2;
};

// The click writes the two entry texts and nothing else.
TEST(Text1Click, WhileIdleWritesOneEntryAndEmptiesTheOther) {
    const ClickCase cases[] = {
        {"hours phrase", "1 hour 20 minutes", "", "1.33 hr"},
        {"hours phrase kept as it is", "3 hours", "", "3 hours"},
        {"minutes phrase", "1 2/3 min", "1.67", ""},
        {"minutes phrase kept as it is", "17 min.", "17 min.", ""},
        {"a plain click highlights nothing", "", "", ""},
        {"only spaces", "   ", "", ""},
        {"line break kept at the end", "45\r\n", "45\r\n", ""},
    };
    for (const ClickCase& c : cases) {
        SCOPED_TRACE(c.name);
        Form1Harness form;
        form.controls.Combo1.Text = "15";
        form.controls.Combo2.Text = "2.5";
        form.controls.Text1SelectedText = c.selection;
        Form1Controls expected = form.controls;
        expected.Combo1.Text = c.combo1;
        expected.Combo2.Text = c.combo2;

        form.handlers.Text1_Click();
        EXPECT_EQ(Describe(form.controls), Describe(expected));
        EXPECT_EQ(form.events, EventLog{});
    }
}

TEST(Text1Click, WhileACountdownIsSetChangesNothing) {
    const char* const selections[] = {"2 hr  15 minutes", "45", "", "   "};
    for (const char* selection : selections) {
        SCOPED_TRACE(selection);
        Form1Harness form;
        form.StartMinutesAtNoon("15");
        form.controls.Text1SelectedText = selection;
        const std::string before = Describe(form.controls);
        form.handlers.Text1_Click();
        EXPECT_EQ(Describe(form.controls), before);
    }
}

TEST(Text1Click, AtTimeUpChangesNothing) {
    Form1Harness form;
    form.StartHoursAtNoon("2.5");
    form.TickAt(14, 30, 5);
    form.controls.Text1SelectedText = "45";
    const std::string before = Describe(form.controls);
    form.handlers.Text1_Click();
    EXPECT_EQ(Describe(form.controls), before);
}

TEST(Text1Click, ReadsAgainAfterCancel) {
    Form1Harness form;
    form.StartMinutesAtNoon("15");
    form.handlers.Command3_Click();
    form.controls.Text1SelectedText = "2h30";
    form.handlers.Text1_Click();
    EXPECT_EQ(form.controls.Combo1.Text, "");
    EXPECT_EQ(form.controls.Combo2.Text, "2.5 hr");
}

}  // namespace
}  // namespace hobwatch
