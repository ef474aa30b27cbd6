#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "ui/tick_timer.h"
#include "window_fixture.h"

namespace hobwatch::testing {
namespace {

using namespace Qt::StringLiterals;
using Strings = std::vector<std::string>;

const QColor kGreen(0, 255, 0);
const QColor kRed(255, 0, 0);
const QColor kWhite(255, 255, 255);

// The colour a user sees behind the text of an entry: right of a short text, left of the
// drop-down button.
QColor ShownBackground(QWidget& entry) {
    const QImage image = entry.grab().toImage();
    return image.pixelColor(image.width() - 25, image.height() / 2);
}

class EventsTest : public WindowTest {
protected:
    EventsTest() { window->Load(); }

    QComboBox& Minutes() { return Control<QComboBox>("minutesEntry"); }
    QComboBox& Hours() { return Control<QComboBox>("hoursEntry"); }
    QPlainTextEdit& Notes() { return Control<QPlainTextEdit>("notes"); }

    // Where the cursor stands before character `position` of the notes, in the viewport.
    QPoint PointBefore(int position) {
        QTextCursor cursor(Notes().document());
        cursor.setPosition(position);
        return Notes().cursorRect(cursor).center();
    }

    int LineStart(int line) { return Notes().document()->findBlockByNumber(line).position(); }

    void Drag(int fromPosition, int toPosition) {
        QWidget* viewport = Notes().viewport();
        const QPoint from = PointBefore(fromPosition);
        const QPoint to = PointBefore(toPosition);
        QTest::mousePress(viewport, Qt::LeftButton, {}, from);
        QTest::mouseMove(viewport, to);
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, to);
    }

    void ExpectEnabled(std::initializer_list<const char*> names, bool enabled) {
        for (const char* name : names) {
            SCOPED_TRACE(name);
            EXPECT_EQ(Control<QWidget>(name).isEnabled(), enabled);
        }
    }
};

TEST_F(EventsTest, CountdownFromStartMinutesToCancel) {
    clock.SetAfterNoon(300);
    Click("startMinutes");

    ExpectEnabled({"minutesEntry", "hoursEntry", "startMinutes", "startHours"}, false);
    ExpectEnabled({"cancel", "tips", "toneAlarm", "bellAlarm", "automaticExit", "notes"}, true);
    EXPECT_EQ(ShownBackground(Minutes()), kGreen);
    EXPECT_EQ(ShownBackground(Hours()), kWhite);
    EXPECT_EQ(Caption(), u"Select Interval");
    auto& timer = Control<TickTimer>("ticker");
    EXPECT_TRUE(timer.IsActive());
    EXPECT_EQ(MillisecondsFromDateValue(timer.NextTickAt()), kNoonMs + 1305);
    EXPECT_EQ(sounds.played, Strings{"bell"});

    struct TickRow {
        const char* name;
        std::int64_t msAfterNoon;
        const char16_t* caption;
        QColor minutesBackground;
        Strings played;
        bool minimised;  // the window was minimised before the first tick
        std::int64_t nextTickAfterNoon;
    };
    const TickRow rows[] = {
        {"FirstTickLate", 1520, u"14:59 (00:01)", kGreen, {}, true, 2305},
        {"LastRunningTick", 899'305, u"00:01 (14:59)", kGreen, {}, true, 900'305},
        {"TimeUpRestoresTheWindow", 900'305, u"00:00 Over", kRed, {"bell"}, false, 901'305},
        {"ThreeSecondsOver", 903'305, u"00:03 Over", kRed, {"bell"}, false, 904'305},
    };
    window->showMinimized();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        sounds.played.clear();
        TickAt(row.msAfterNoon);
        EXPECT_EQ(Caption(), QString::fromUtf16(row.caption));
        EXPECT_EQ(ShownBackground(Minutes()), row.minutesBackground);
        EXPECT_EQ(ShownBackground(Hours()), kWhite);
        EXPECT_EQ(sounds.played, row.played);
        EXPECT_EQ(window->isMinimized(), row.minimised);
        EXPECT_EQ(MillisecondsFromDateValue(timer.NextTickAt()), kNoonMs + row.nextTickAfterNoon);
    }

    Click("cancel");
    EXPECT_EQ(Caption(), u"Select Interval");
    EXPECT_FALSE(timer.IsActive());
    ExpectEnabled({"minutesEntry", "hoursEntry", "startMinutes", "startHours"}, true);
    EXPECT_EQ(ShownBackground(Minutes()), kWhite);
    EXPECT_EQ(ShownBackground(Hours()), kWhite);
}

TEST_F(EventsTest, ClicksAndDragsInTheNotesReadThePhraseIntoAnEntry) {
    QTest::mouseClick(Notes().viewport(), Qt::LeftButton, {}, PointBefore(LineStart(2) + 3));
    EXPECT_EQ(Minutes().currentText(), u"");
    EXPECT_EQ(Hours().currentText(), u"");

    Drag(LineStart(2), LineStart(2) + 15);
    EXPECT_EQ(Notes().textCursor().selectedText(), u"2 and 1/4 hours");
    EXPECT_EQ(Hours().currentText(), u"2.25 hr");
    EXPECT_EQ(Minutes().currentText(), u"");

    // A press inside the highlight starts a new selection; it must not drag the text away.
    const QString notesBefore = Notes().document()->toRawText();
    const int line = LineStart(4);  // "2 1/4 min"
    Drag(line, line + 9);
    EXPECT_EQ(Minutes().currentText(), u"2.25");
    Drag(line + 2, line + 9);
    EXPECT_EQ(Notes().textCursor().selectedText(), u"1/4 min");
    EXPECT_EQ(Minutes().currentText(), u"0.25");
    EXPECT_EQ(Notes().document()->toRawText(), notesBefore);

    // A phrase running over a line end enters without the line break.
    Notes().setPlainText(u"45\n90"_s);
    Drag(0, 3);
    EXPECT_EQ(Minutes().currentText(), u"45");
    EXPECT_EQ(Hours().currentText(), u"");
}

TEST_F(EventsTest, TypedValueStaysAsTypedAndEnterOrEscapePressNoButton) {
    // Completion from the list acts only on an entry that has the focus.
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    Hours().setFocus();
    Hours().lineEdit()->selectAll();
    QTest::keyClicks(Hours().lineEdit(), u"1.2"_s);
    for (QWidget* target :
         {static_cast<QWidget*>(Hours().lineEdit()), &Control<QWidget>("startHours")}) {
        target->setFocus();
        QTest::keyClick(target, Qt::Key_Return);
        QTest::keyClick(target, Qt::Key_Escape);
    }
    EXPECT_EQ(Hours().currentText(), u"1.2");
    EXPECT_EQ(Hours().count(), 48);
    EXPECT_FALSE(Control<TickTimer>("ticker").IsActive());
    EXPECT_TRUE(sounds.played.empty());

    Click("startHours");
    TickAt(1005);
    EXPECT_EQ(Caption(), u"1:11:59 (0:00:01)");
}

TEST_F(EventsTest, ADecimalCommaTypedInAnEntryCountsAsAPoint) {
    const struct {
        const char* entry;
        const char* button;
        QString typed;
        QString caption;  // one second after the start
    } cases[] = {
        {"hoursEntry", "startHours", u"0,5"_s, u"0:29:59 (0:00:01)"_s},
        {"minutesEntry", "startMinutes", u"2,25"_s, u"02:14 (00:01)"_s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.entry);
        clock.SetAfterNoon(0);
        Control<QComboBox>(c.entry).setEditText(c.typed);
        Click(c.button);
        TickAt(1005);
        EXPECT_EQ(Caption(), c.caption);
        Click("cancel");
    }
}

}  // namespace
}  // namespace hobwatch::testing
