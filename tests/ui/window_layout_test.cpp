#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTest>
#include <QTextDocument>
#include <QVariant>

#include "ui/tick_timer.h"
#include "window_fixture.h"

namespace hobwatch::testing {
namespace {

using Names = std::vector<std::string>;

struct ExpectedControl {
    const char* name;
    QRect inWindow;  // pixels at 96 dpi (twips / 15, rounded), relative to the client area
    bool enabled;
    const char* text;                      // caption, or the initial text of an entry or panel
    const char* accessibleName = nullptr;  // when it differs from the text
    const char* tip = "";                  // the tooltip, also read out as the description
};

const ExpectedControl kExpectedControls[] = {
    {"automaticExit",
     {120, 72, 57, 17},
     true,
     "End 10",
     nullptr,
     "Close Hobwatch by itself ten seconds after the time is up"},
    {"tips", {248, 124, 33, 17}, true, "Tips"},
    {"toneAlarm",
     {120, 48, 57, 17},
     true,
     "Beep 2",
     nullptr,
     "Sound a short tone at the start and every second after the time is up"},
    {"bellAlarm",
     {120, 24, 57, 17},
     true,
     "Beep 1",
     nullptr,
     "Sound the desktop's alert at the start and every second after the time is up"},
    {"alarmPanel", {112, 16, 67, 89}, false, "", "Alarm options panel"},
    {"notes", {3, 160, 285, 169}, true, "", "Notes"},
    {"hoursFrame", {184, 8, 97, 97}, true, "HOURS"},
    {"startHours", {192, 64, 81, 33}, true, "Start Hours"},
    {"hoursEntry", {192, 32, 81, 24}, true, "2.5", "Hours"},
    {"minutesFrame", {8, 8, 97, 97}, true, "MINUTES"},
    {"startMinutes", {16, 64, 81, 33}, true, "Start Minutes"},
    {"minutesEntry", {16, 32, 81, 24}, true, "15", "Minutes"},
    {"cancel", {64, 120, 153, 25}, true, "Cancel"},
    {"timerPanel", {3, 3, 285, 153}, false, "", "Timer panel"},
    {"credit", {8, 336, 217, 17}, true, "Hobwatch kitchen countdown timer"},
};

// The notes box's text is checked on its own.
QString ShownText(QWidget& control) {
    for (const char* property : {"text", "title", "currentText"}) {
        if (const QVariant value = control.property(property); value.isValid()) {
            return value.toString();
        }
    }
    return {};
}

// Width left for the text: a check box draws its mark beside it, a button its border.
int TextRoom(QWidget& control) {
    if (qobject_cast<QCheckBox*>(&control) != nullptr) {
        const QStyle* style = control.style();
        return control.width() - style->pixelMetric(QStyle::PM_IndicatorWidth) -
               style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
    }
    return control.width() - (qobject_cast<QPushButton*>(&control) != nullptr ? 4 : 0);
}

QString AccessibleName(QWidget& control) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&control);
    return accessible != nullptr ? accessible->text(QAccessible::Name) : QString();
}

class LayoutTest : public WindowTest {
protected:
    LayoutTest() { window->Load(); }

    // The control that holds the keyboard focus; an entry's edit field stands for its entry.
    static std::string FocusedControlName() {
        QWidget* focused = QApplication::focusWidget();
        if (focused != nullptr && qobject_cast<QComboBox*>(focused->parentWidget())) {
            focused = focused->parentWidget();
        }
        return focused != nullptr ? focused->objectName().toStdString() : "(none)";
    }

    Names FocusAfterTabs(int presses) {
        Names visited;
        for (int i = 0; i < presses; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited.push_back(FocusedControlName());
        }
        return visited;
    }
};

TEST_F(LayoutTest, ControlsMatchTheTableAndStayPutWhenTheWindowIsResized) {
    ASSERT_EQ(window->logicalDpiX(), 96);
    EXPECT_EQ(window->size(), QSize(290, 333));
    for (const QSize windowSize : {QSize(290, 333), QSize(400, 360)}) {
        window->resize(windowSize);
        for (const ExpectedControl& row : kExpectedControls) {
            SCOPED_TRACE(std::string(row.name) + " in a window of height " +
                         std::to_string(windowSize.height()));
            QWidget& control = Control<QWidget>(row.name);
            EXPECT_EQ(QRect(control.mapTo(window.get(), QPoint(0, 0)), control.size()),
                      row.inWindow);
            EXPECT_EQ(control.isEnabled(), row.enabled);
            EXPECT_TRUE(control.isVisible());
            EXPECT_EQ(ShownText(control), QString::fromLatin1(row.text));
            EXPECT_LE(QFontMetrics(control.font()).horizontalAdvance(ShownText(control)),
                      TextRoom(control));
            // Where the classic face is missing, every control falls back to the same
            // sans-serif as the window, not to whatever face the platform lists first.
            EXPECT_EQ(QFontInfo(control.font()).family(), QFontInfo(window->font()).family());
            EXPECT_EQ(AccessibleName(control),
                      QString::fromLatin1(row.accessibleName ? row.accessibleName : row.text));
            EXPECT_EQ(control.toolTip(), QString::fromLatin1(row.tip));
            EXPECT_EQ(control.accessibleDescription(), QString::fromLatin1(row.tip));
        }
    }
}

TEST_F(LayoutTest, WindowOpensIdleWithBeepOneTickedAndTheSampleNotes) {
    EXPECT_EQ(Caption(), u"Select Interval");
    EXPECT_FALSE(Control<TickTimer>("ticker").IsActive());
    EXPECT_EQ(Control<QCheckBox>("bellAlarm").checkState(), Qt::Checked);
    EXPECT_EQ(Control<QCheckBox>("toneAlarm").checkState(), Qt::Unchecked);
    EXPECT_EQ(Control<QCheckBox>("automaticExit").checkState(), Qt::Unchecked);
    auto& notes = Control<QPlainTextEdit>("notes");
    EXPECT_EQ(notes.document()->toRawText(),
              u"My cooking notes  (highlight your cooking times)...\u2029\u2029"
              u"2 and 1/4 hours\u20292 hr  15 minutes\u20292 1/4 min\u2029\u2029"
              u"Hard boiled eggs, bring to boil for 1 minute, cover and let stand 17 min.\u2029"
              u"\u202912 lb Turkey in bag 3.10 hrs\u2029");
}

TEST_F(LayoutTest, StackingOrderIsTheTableOrder) {
    const auto backToFront = [](QWidget& container) {
        Names names;
        for (QObject* child : container.children()) {
            const QString name = child->objectName();
            if (child->isWidgetType() && !name.isEmpty() && !name.startsWith(u"qt_")) {
                names.push_back(name.toStdString());
            }
        }
        return names;
    };
    EXPECT_EQ(backToFront(*window),
              (Names{"credit", "timerPanel", "cancel", "minutesFrame", "hoursFrame", "notes",
                     "alarmPanel", "bellAlarm", "toneAlarm", "tips", "automaticExit"}));
    EXPECT_EQ(backToFront(Control<QWidget>("hoursFrame")), (Names{"hoursEntry", "startHours"}));
    EXPECT_EQ(backToFront(Control<QWidget>("minutesFrame")),
              (Names{"minutesEntry", "startMinutes"}));
    // What a click on "Beep 1" reaches: the box, not the panels under it.
    EXPECT_EQ(window->childAt(125, 30), &Control<QWidget>("bellAlarm"));
}

TEST_F(LayoutTest, TabKeyFollowsTheTabIndexAndSkipsWhatARunningCountdownDisables) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    ASSERT_EQ(FocusedControlName(), "minutesEntry");
    EXPECT_EQ(FocusAfterTabs(10),
              (Names{"startMinutes", "hoursEntry", "startHours", "notes", "bellAlarm", "toneAlarm",
                     "tips", "automaticExit", "cancel", "minutesEntry"}));

    // Space on "Start Minutes" switches it off: the focus goes straight to the notes, so that a
    // screen reader announces no control on the way.
    ASSERT_EQ(FocusAfterTabs(1), Names{"startMinutes"});
    Names focusPath;
    const QMetaObject::Connection following =
        QObject::connect(qApp, &QApplication::focusChanged, window.get(),
                         [&] { focusPath.push_back(FocusedControlName()); });
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QObject::disconnect(following);
    EXPECT_EQ(focusPath, Names{"notes"});

    Control<QWidget>("cancel").setFocus();
    EXPECT_EQ(FocusAfterTabs(6),
              (Names{"notes", "bellAlarm", "toneAlarm", "tips", "automaticExit", "cancel"}));
}

}  // namespace
}  // namespace hobwatch::testing
