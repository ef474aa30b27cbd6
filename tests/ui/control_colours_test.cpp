#include <gtest/gtest.h>

#include <QColor>

#include "ui/look/control_colours.h"

namespace hobwatch {
namespace {

TEST(ContrastRatio, MatchesTheWcagFiguresForKnownPairs) {
    const struct {
        const char* name;
        QColor a, b;
        double ratio;
    } pairs[] = {
        {"black on white", Qt::black, Qt::white, 21.0},
        {"white on black", Qt::white, Qt::black, 21.0},
        {"equal colours", QColor(0x42, 0x42, 0x45), QColor(0x42, 0x42, 0x45), 1.0},
        {"lightest grey that reads on white", QColor(0x76, 0x76, 0x76), Qt::white, 4.54},
        {"one step lighter fails", QColor(0x77, 0x77, 0x77), Qt::white, 4.48},
        {"black on pure red", Qt::black, QColor(255, 0, 0), 5.25},
        {"dark red on a dark grey", QColor(128, 0, 0), QColor(0x42, 0x42, 0x45), 1.09},
    };
    for (const auto& pair : pairs) {
        SCOPED_TRACE(pair.name);
        EXPECT_NEAR(ContrastRatio(pair.a, pair.b), pair.ratio, 0.005);
    }
}

TEST(LegibleOn, KeepsAColourThatReadsAndOtherwiseMovesItJustFarEnough) {
    const struct {
        const char* name;
        QColor wanted, background;
        double minimum;
        bool keptAsItIs;
    } cases[] = {
        {"dark red caption on a light panel", QColor(128, 0, 0), QColor(0xef, 0xef, 0xef), 4.5,
         true},
        {"dark red caption on a dark panel", QColor(128, 0, 0), QColor(0x42, 0x42, 0x45), 4.5,
         false},
        {"switched-off button in a light scheme", QColor(0xbe, 0xbe, 0xbe),
         QColor(0xef, 0xef, 0xef), 3.0, false},
        {"switched-off button in a dark scheme", QColor(0x80, 0x80, 0x80), QColor(0x42, 0x42, 0x45),
         3.0, false},
        {"white text on green", Qt::white, QColor(0, 255, 0), 4.5, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QColor legible = LegibleOn(c.wanted, c.background, c.minimum);
        EXPECT_EQ(legible == c.wanted, c.keptAsItIs);
        EXPECT_GE(ContrastRatio(legible, c.background), c.minimum);
        if (!c.keptAsItIs) {
            // No further than needed: a switched-off button still looks switched off.
            EXPECT_LT(ContrastRatio(legible, c.background), c.minimum + 0.1);
        }
    }
    // A caption keeps its hue.
    const QColor caption = LegibleOn(QColor(128, 0, 0), QColor(0x42, 0x42, 0x45), 4.5);
    EXPECT_GT(caption.red(), caption.green() + 32);
    EXPECT_EQ(caption.green(), caption.blue());
}

}  // namespace
}  // namespace hobwatch
