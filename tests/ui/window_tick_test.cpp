#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <QCheckBox>
#include <QTest>

#include "window_fixture.h"

namespace hobwatch::testing {
namespace {

using Strings = std::vector<std::string>;

class WindowTickTest : public WindowTest {
protected:
    WindowTickTest() { window->Load(); }
};

TEST_F(WindowTickTest, BoxesClickedDuringTheCountdownCountFromTheNextTick) {
    // Bell ticked, tone and automatic exit not: the defaults without a settings file.
    Click("startMinutes");
    TickAt(900'005);
    ASSERT_EQ(sounds.played, (Strings{"bell", "bell"}));

    struct Row {
        const char* name;
        const char* box;  // clicked before the tick
        std::int64_t msAfterNoon;
        Strings played;
        QString caption;
    };
    const Row rows[] = {
        {"tone ticked",
         "toneAlarm",
         901'005,
         {"bell", "tone 1000 200"},
         QStringLiteral("00:01 Over")},
        {"bell unticked", "bellAlarm", 902'005, {"tone 1000 200"}, QStringLiteral("00:02 Over")},
        {"automatic exit ticked",
         "automaticExit",
         903'005,
         {"tone 1000 200"},
         QStringLiteral("00:03 Over")},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        sounds.played.clear();
        QTest::mouseClick(&Control<QCheckBox>(row.box), Qt::LeftButton);
        TickAt(row.msAfterNoon);
        EXPECT_EQ(sounds.played, row.played);
        EXPECT_EQ(Caption(), row.caption);
    }
    // Ten seconds over with the automatic exit ticked: the window closes.
    TickAt(910'005);
    EXPECT_FALSE(window->isVisible());
}

}  // namespace
}  // namespace hobwatch::testing
