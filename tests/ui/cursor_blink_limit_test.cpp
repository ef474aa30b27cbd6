#include "ui/look/cursor_blink_limit.h"

#include <gtest/gtest.h>

#include <chrono>

#include <QApplication>
#include <QLineEdit>
#include <QTest>

namespace hobwatch::testing {
namespace {

using std::chrono::milliseconds;

constexpr milliseconds kShortBlinkTime{50};

// An entry with the focus and a cursor blink limit of kShortBlinkTime; the desktop's own blink
// period is put back after each test.
class CursorBlinkLimitTest : public ::testing::Test {
protected:
    void SetUp() override {
        QApplication::setCursorFlashTime(kDesktopFlashTimeMs);
        entry.show();
        entry.setFocus();
    }
    void TearDown() override { QApplication::setCursorFlashTime(kDesktopFlashTimeMs); }

    // Lets the event loop run for longer than the blink time.
    static void WaitPastTheBlinkTime() {
        QTest::qWait(static_cast<int>(4 * kShortBlinkTime.count()));
    }

    static constexpr int kDesktopFlashTimeMs = 1000;
    QLineEdit entry;
    CursorBlinkLimit limit{kShortBlinkTime};
};

TEST_F(CursorBlinkLimitTest, StopsBlinkingAfterTheBlinkTimeWithoutInputAndAKeyOrAClickStartsIt) {
    EXPECT_EQ(QApplication::cursorFlashTime(), kDesktopFlashTimeMs) << "blinking at first";
    struct Row {
        const char* name;
        void (*input)(QLineEdit&);
    };
    const Row rows[] = {
        {"key", [](QLineEdit& entry) { QTest::keyClick(&entry, Qt::Key_5); }},
        {"click", [](QLineEdit& entry) { QTest::mouseClick(&entry, Qt::LeftButton); }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        WaitPastTheBlinkTime();
        ASSERT_EQ(QApplication::cursorFlashTime(), 0) << "stopped without input";
        row.input(entry);
        EXPECT_EQ(QApplication::cursorFlashTime(), kDesktopFlashTimeMs);
        WaitPastTheBlinkTime();
        EXPECT_EQ(QApplication::cursorFlashTime(), 0) << "blinks for good";
    }
}

}  // namespace
}  // namespace hobwatch::testing
