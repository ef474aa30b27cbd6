#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
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

class EventsTest : public WindowTest {
protected:
    EventsTest() { window->Form_Load(); }

    QComboBox& Minutes() { return Control<QComboBox>("Combo1"); }
    QComboBox& Hours() { return Control<QComboBox>("Combo2"); }
    QPlainTextEdit& Notes() { return Control<QPlainTextEdit>("Text1"); }

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
        QTest::mouseMove(viewport, (from + to) / 2);
        QTest::mouseMove(viewport, to);
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, to);
    }

    void ExpectIdle() {
        EXPECT_EQ(Caption(), u"Select Interval");
        EXPECT_FALSE(Control<TickTimer>("Timer1").IsActive());
        for (const char* name : {"Combo1", "Combo2", "Command1", "Command2"}) {
            SCOPED_TRACE(name);
            EXPECT_TRUE(Control<QWidget>(name).isEnabled());
        }
        EXPECT_EQ(ShownBackground(Minutes()), kWhite);
        EXPECT_EQ(ShownBackground(Hours()), kWhite);
    }
};

TEST_F(EventsTest, StartMinutesDisablesTheStartControlsAndPaintsTheMinutesGreen) {
    Click("Command1");

    for (const char* name : {"Combo1", "Combo2", "Command1", "Command2"}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(Control<QWidget>(name).isEnabled());
    }
    for (const char* name : {"Command3", "cmdTips", "Check1", "Check2", "Check3", "Text1"}) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(Control<QWidget>(name).isEnabled());
    }
    EXPECT_EQ(ShownBackground(Minutes()), kGreen);
    EXPECT_EQ(ShownBackground(Hours()), kWhite);
    EXPECT_EQ(Caption(), u"Select Interval");
    EXPECT_TRUE(Control<TickTimer>("Timer1").IsActive());
    EXPECT_EQ(sounds.played, Strings{"beep"});
}

TEST_F(EventsTest, CountdownShowsEverySecondThenTurnsTheEntryRed) {
    struct TickRow {
        const char* name;
        std::int64_t msAfterNoon;
        const char16_t* caption;
        QColor minutesBackground;
        Strings played;
    };
    const TickRow rows[] = {
        {"FirstTick", 1005, u"14:59 (00:01)", kGreen, {}},
        {"LastRunningTick", 899'005, u"00:01 (14:59)", kGreen, {}},
        {"TimeUp", 900'005, u"00:00 Over", kRed, {"beep"}},
        {"ThreeSecondsOver", 903'005, u"00:03 Over", kRed, {"beep"}},
    };
    Click("Command1");
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        sounds.played.clear();
        TickAt(row.msAfterNoon);
        EXPECT_EQ(Caption(), QString::fromUtf16(row.caption));
        EXPECT_EQ(ShownBackground(Minutes()), row.minutesBackground);
        EXPECT_EQ(ShownBackground(Hours()), kWhite);
        EXPECT_EQ(sounds.played, row.played);
    }
}

TEST_F(EventsTest, TicksStayInStepWithTheStart) {
    clock.SetAfterNoon(300);
    Click("Command1");
    auto& timer = Control<TickTimer>("Timer1");
    EXPECT_EQ(MillisecondsFromDateValue(timer.NextTickAt()), kNoonMs + 1305);
    TickAt(1520);
    EXPECT_EQ(MillisecondsFromDateValue(timer.NextTickAt()), kNoonMs + 2305);
}

TEST_F(EventsTest, StartHoursPaintsTheHoursGreenAndSoundsTheLowTone) {
    QTest::mouseClick(&Control<QCheckBox>("Check1"), Qt::LeftButton);
    Click("Command2");
    EXPECT_EQ(ShownBackground(Hours()), kGreen);
    EXPECT_EQ(ShownBackground(Minutes()), kWhite);
    EXPECT_EQ(sounds.played, (Strings{"beep", "tone 200 Hz 200 ms"}));
    TickAt(1005);
    EXPECT_EQ(Caption(), u"2:29:59 (0:00:01)");
}

TEST_F(EventsTest, CheckBoxesTickedDuringACountdownCountAtTheNextTick) {
    Minutes().setEditText(u"0"_s);
    Click("Command1");
    QTest::mouseClick(&Control<QCheckBox>("Check2"), Qt::LeftButton);
    QTest::mouseClick(&Control<QCheckBox>("Check1"), Qt::LeftButton);
    sounds.played.clear();
    TickAt(1005);
    EXPECT_EQ(sounds.played, Strings{"tone 1000 Hz 200 ms"});
    EXPECT_EQ(Caption(), u"00:01 Over");
}

TEST_F(EventsTest, CancelDuringTimeUpBringsBackTheIdleWindow) {
    Click("Command1");
    TickAt(900'005);
    Click("Command3");
    ExpectIdle();
    TickAt(901'005);
    EXPECT_EQ(Caption(), u"Select Interval");
}

TEST_F(EventsTest, TimeUpRestoresAMinimisedWindowOnce) {
    Click("Command1");
    window->showMinimized();
    TickAt(900'005);
    EXPECT_FALSE(window->isMinimized());
    window->showMinimized();
    TickAt(901'005);
    EXPECT_TRUE(window->isMinimized());
}

TEST_F(EventsTest, TypedValueStaysAsTypedAndStartsTheCountdown) {
    // Completion from the list acts only on an entry that has the focus.
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    Hours().setFocus();
    Hours().lineEdit()->selectAll();
    QTest::keyClicks(Hours().lineEdit(), u"1.2"_s);
    EXPECT_EQ(Hours().currentText(), u"1.2");
    Click("Command2");
    TickAt(1005);
    EXPECT_EQ(Caption(), u"1:11:59 (0:00:01)");
}

TEST_F(EventsTest, DraggingOverAPhraseReadsItIntoTheHoursEntry) {
    Drag(LineStart(2), LineStart(2) + int(std::string_view("2 and 1/4 hours").size()));
    EXPECT_EQ(Notes().textCursor().selectedText(), u"2 and 1/4 hours");
    EXPECT_EQ(Hours().currentText(), u"2.25 hr");
    EXPECT_EQ(Minutes().currentText(), u"");
}

TEST_F(EventsTest, PressInsideAHighlightThenDragSelectsWithoutMovingText) {
    const QString notesBefore = Notes().document()->toRawText();
    const int line = LineStart(4);  // "2 1/4 min"
    Drag(line, line + 9);
    ASSERT_EQ(Minutes().currentText(), u"2.25");

    Drag(line + 2, line + 9);
    EXPECT_EQ(Notes().textCursor().selectedText(), u"1/4 min");
    EXPECT_EQ(Minutes().currentText(), u"0.25");
    EXPECT_EQ(Notes().document()->toRawText(), notesBefore);
}

TEST_F(EventsTest, PlainClickInTheNotesEmptiesBothEntries) {
    QTest::mouseClick(Notes().viewport(), Qt::LeftButton, {}, PointBefore(LineStart(2) + 3));
    EXPECT_EQ(Minutes().currentText(), u"");
    EXPECT_EQ(Hours().currentText(), u"");
}

TEST_F(EventsTest, PhraseRunningOverALineEndEntersWithoutTheLineBreak) {
    Notes().setPlainText(u"45\n90"_s);
    Drag(0, 3);
    EXPECT_EQ(Minutes().currentText(), u"45");
    EXPECT_EQ(Hours().currentText(), u"");
}

TEST_F(EventsTest, NotesClickDuringACountdownChangesNoEntry) {
    Click("Command1");
    Drag(LineStart(2), LineStart(2) + 15);
    EXPECT_EQ(Minutes().currentText(), u"15");
    EXPECT_EQ(Hours().currentText(), u"2.5");
}

TEST_F(EventsTest, EnterAndEscapePressNoButton) {
    Notes().setFocus();
    Notes().moveCursor(QTextCursor::End);
    const int lines = Notes().blockCount();
    QTest::keyClick(&Notes(), Qt::Key_Return);
    EXPECT_EQ(Notes().blockCount(), lines + 1);

    Minutes().setFocus();
    QTest::keyClick(Minutes().lineEdit(), Qt::Key_Return);
    QTest::keyClick(Minutes().lineEdit(), Qt::Key_Escape);
    Control<QWidget>("Command1").setFocus();
    QTest::keyClick(&Control<QWidget>("Command1"), Qt::Key_Return);
    QTest::keyClick(&Control<QWidget>("Command1"), Qt::Key_Escape);

    EXPECT_FALSE(Control<TickTimer>("Timer1").IsActive());
    EXPECT_TRUE(sounds.played.empty());
    EXPECT_EQ(Minutes().count(), 600);
    EXPECT_EQ(Minutes().currentText(), u"15");
}

}  // namespace
}  // namespace hobwatch::testing
