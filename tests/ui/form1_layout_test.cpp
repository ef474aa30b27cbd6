#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTest>
#include <QTextDocument>

#include "ui/tick_timer.h"
#include "window_fixture.h"

namespace hobwatch::testing {
namespace {

struct PixelGeometry {
    const char* name;
    QRect inWindow;  // at 96 dpi, relative to the client area
};

// Twips divided by 15, rounded; controls in frames moved by their frame's position.
const PixelGeometry kGeometryAt96Dpi[] = {
    {"Check3", {120, 72, 57, 17}},    {"cmdTips", {248, 124, 33, 17}},
    {"Check1", {120, 48, 57, 17}},    {"Check2", {120, 24, 57, 17}},
    {"Text2", {112, 16, 67, 89}},     {"Text1", {3, 160, 285, 169}},
    {"Frame2", {184, 8, 97, 97}},     {"Command2", {192, 64, 81, 33}},
    {"Combo2", {192, 32, 81, 24}},    {"Frame1", {8, 8, 97, 97}},
    {"Command1", {16, 64, 81, 33}},   {"Combo1", {16, 32, 81, 24}},
    {"Command3", {64, 120, 153, 25}}, {"Text3", {3, 3, 285, 153}},
    {"Label1", {8, 336, 217, 17}},
};

QRect GeometryInWindow(QWidget& control, QWidget& window) {
    return QRect(control.mapTo(&window, QPoint(0, 0)), control.size());
}

class LayoutTest : public WindowTest {
protected:
    LayoutTest() { window->Form_Load(); }
};

TEST_F(LayoutTest, ControlsSitWhereTheTablePutsThemAt96Dpi) {
    ASSERT_EQ(window->logicalDpiX(), 96);
    EXPECT_EQ(window->size(), QSize(290, 333));
    for (const auto& [name, expected] : kGeometryAt96Dpi) {
        SCOPED_TRACE(name);
        EXPECT_EQ(GeometryInWindow(Control<QWidget>(name), *window), expected);
    }
}

TEST_F(LayoutTest, ResizingMovesNothingAndATallerWindowShowsTheCredit) {
    window->resize(400, 360);
    for (const auto& [name, expected] : kGeometryAt96Dpi) {
        SCOPED_TRACE(name);
        EXPECT_EQ(GeometryInWindow(Control<QWidget>(name), *window), expected);
    }
    EXPECT_TRUE(window->rect().contains(Control<QLabel>("Label1").geometry()));
}

TEST_F(LayoutTest, CaptionsAreThoseOfTheTable) {
    EXPECT_EQ(Control<QCheckBox>("Check3").text(), u"End 10");
    EXPECT_EQ(Control<QPushButton>("cmdTips").text(), u"Tips");
    EXPECT_EQ(Control<QCheckBox>("Check1").text(), u"Beep 2");
    EXPECT_EQ(Control<QCheckBox>("Check2").text(), u"Beep 1");
    EXPECT_EQ(Control<QGroupBox>("Frame2").title(), u"HOURS");
    EXPECT_EQ(Control<QPushButton>("Command2").text(), u"Start Hours");
    EXPECT_EQ(Control<QGroupBox>("Frame1").title(), u"MINUTES");
    EXPECT_EQ(Control<QPushButton>("Command1").text(), u"Start Minutes");
    EXPECT_EQ(Control<QPushButton>("Command3").text(), u"Cancel");
    EXPECT_EQ(Caption(), u"Select Interval");
}

TEST_F(LayoutTest, WindowOpensInItsIdleStateWithTheSampleNotes) {
    EXPECT_EQ(Control<QComboBox>("Combo1").currentText(), u"15");
    EXPECT_EQ(Control<QComboBox>("Combo2").currentText(), u"2.5");
    EXPECT_EQ(Control<QCheckBox>("Check2").checkState(), Qt::Checked);
    EXPECT_EQ(Control<QCheckBox>("Check1").checkState(), Qt::Unchecked);
    EXPECT_EQ(Control<QCheckBox>("Check3").checkState(), Qt::Unchecked);
    EXPECT_FALSE(Control<TickTimer>("Timer1").IsActive());
    EXPECT_EQ(Control<QPlainTextEdit>("Text1").document()->toRawText(),
              u"My cooking notes  (highlight your cooking times)...\u2029"
              u"\u2029"
              u"2 and 1/4 hours\u2029"
              u"2 hr  15 minutes\u2029"
              u"2 1/4 min\u2029"
              u"\u2029"
              u"Hard boiled eggs, bring to boil for 1 minute, cover and let stand 17 min.\u2029"
              u"\u2029"
              u"12 lb Turkey in bag 3.10 hrs\u2029");
    EXPECT_EQ(Control<QPlainTextEdit>("Text1").verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);

    for (const char* name : {"Text2", "Text3"}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(Control<QLineEdit>(name).isEnabled());
        EXPECT_TRUE(Control<QLineEdit>(name).text().isEmpty());
    }
    for (const char* name :
         {"Check1", "Check2", "Check3", "cmdTips", "Command1", "Command2", "Command3", "Combo1",
          "Combo2", "Text1", "Frame1", "Frame2", "Label1"}) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(Control<QWidget>(name).isEnabled());
        EXPECT_TRUE(Control<QWidget>(name).isVisible());
    }
}

TEST_F(LayoutTest, PanelsShowTheButtonFaceGrey) {
    const QColor buttonFace = window->palette().color(QPalette::Button);
    for (const char* name : {"Text2", "Text3"}) {
        SCOPED_TRACE(name);
        QWidget& panel = Control<QWidget>(name);
        const QImage image = panel.grab().toImage();
        EXPECT_EQ(image.pixelColor(image.width() / 2, image.height() / 2), buttonFace);
    }
}

TEST_F(LayoutTest, FrameCaptionsAreDarkRedAndTheirControlsAreNot) {
    const QColor darkRed(128, 0, 0);
    const auto countDarkRed = [&](QWidget& widget) {
        const QImage image = widget.grab().toImage();
        int count = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                count += image.pixelColor(x, y) == darkRed ? 1 : 0;
            }
        }
        return count;
    };
    for (const char* frame : {"Frame1", "Frame2"}) {
        SCOPED_TRACE(frame);
        EXPECT_GT(countDarkRed(Control<QWidget>(frame)), 20);
        EXPECT_EQ(Control<QWidget>(frame).font().pointSizeF(), 12.0);
    }
    for (const char* inFrame : {"Combo1", "Command1", "Combo2", "Command2"}) {
        SCOPED_TRACE(inFrame);
        EXPECT_EQ(countDarkRed(Control<QWidget>(inFrame)), 0);
    }
}

TEST_F(LayoutTest, CaptionsFitTheirControls) {
    const QStyle* style = window->style();
    const int indicator = style->pixelMetric(QStyle::PM_IndicatorWidth) +
                          style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
    for (const char* name : {"Check1", "Check2", "Check3"}) {
        SCOPED_TRACE(name);
        auto& box = Control<QCheckBox>(name);
        EXPECT_LE(indicator + QFontMetrics(box.font()).horizontalAdvance(box.text()), box.width());
    }
    for (const char* name : {"cmdTips", "Command1", "Command2", "Command3"}) {
        SCOPED_TRACE(name);
        auto& button = Control<QPushButton>(name);
        EXPECT_LE(QFontMetrics(button.font()).horizontalAdvance(button.text()) + 4, button.width());
    }
    auto& credit = Control<QLabel>("Label1");
    EXPECT_LE(QFontMetrics(credit.font()).horizontalAdvance(credit.text()), credit.width());
}

TEST_F(LayoutTest, StackingOrderIsTheTableOrder) {
    const auto backToFront = [](QWidget& container) {
        std::vector<std::string> names;
        for (QObject* child : container.children()) {
            const QString name = child->objectName();
            if (child->isWidgetType() && !name.isEmpty() && !name.startsWith(u"qt_")) {
                names.push_back(name.toStdString());
            }
        }
        return names;
    };
    EXPECT_EQ(backToFront(*window),
              (std::vector<std::string>{"Label1", "Text3", "Command3", "Frame1", "Frame2", "Text1",
                                        "Text2", "Check2", "Check1", "cmdTips", "Check3"}));
    EXPECT_EQ(backToFront(Control<QWidget>("Frame2")),
              (std::vector<std::string>{"Combo2", "Command2"}));
    EXPECT_EQ(backToFront(Control<QWidget>("Frame1")),
              (std::vector<std::string>{"Combo1", "Command1"}));
    // What a click on "Beep 1" reaches: the box, not the panels under it.
    EXPECT_EQ(window->childAt(125, 30), &Control<QWidget>("Check2"));
}

std::vector<std::string> FocusAfterTabs(QWidget& window, int presses) {
    std::vector<std::string> visited;
    for (int i = 0; i < presses; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.push_back(FocusedControlName(window));
    }
    return visited;
}

TEST_F(LayoutTest, TabKeyVisitsTheControlsInTabIndexOrder) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    ASSERT_EQ(FocusedControlName(*window), "Combo1");
    EXPECT_EQ(FocusAfterTabs(*window, 10),
              (std::vector<std::string>{"Command1", "Combo2", "Command2", "Text1", "Check2",
                                        "Check1", "cmdTips", "Check3", "Command3", "Combo1"}));
}

TEST_F(LayoutTest, TabKeySkipsWhatARunningCountdownDisables) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    Click("Command1");
    Control<QWidget>("Command3").setFocus();
    EXPECT_EQ(
        FocusAfterTabs(*window, 6),
        (std::vector<std::string>{"Text1", "Check2", "Check1", "cmdTips", "Check3", "Command3"}));
}

TEST_F(LayoutTest, EveryControlHasAnAccessibleName) {
    const std::pair<const char*, const char*> kNames[] = {
        {"Check3", "End 10"},
        {"cmdTips", "Tips"},
        {"Check1", "Beep 2"},
        {"Check2", "Beep 1"},
        {"Text2", "Alarm options panel"},
        {"Text1", "Notes"},
        {"Frame2", "HOURS"},
        {"Command2", "Start Hours"},
        {"Combo2", "Hours"},
        {"Frame1", "MINUTES"},
        {"Command1", "Start Minutes"},
        {"Combo1", "Minutes"},
        {"Command3", "Cancel"},
        {"Text3", "Timer panel"},
        {"Label1", "Hobwatch kitchen countdown timer"},
    };
    for (const auto& [name, accessibleName] : kNames) {
        SCOPED_TRACE(name);
        // An entry's edit field is what takes the focus and what a screen reader announces.
        QWidget* control = &Control<QWidget>(name);
        if (auto* entry = qobject_cast<QComboBox*>(control)) {
            control = entry->lineEdit();
        }
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
        ASSERT_NE(accessible, nullptr);
        EXPECT_EQ(accessible->text(QAccessible::Name), QString::fromLatin1(accessibleName));
    }
}

}  // namespace
}  // namespace hobwatch::testing
