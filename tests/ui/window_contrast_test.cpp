#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QStyle>

#include "ui/look/control_colours.h"
#include "window_fixture.h"

namespace hobwatch::testing {
namespace {

// qt6ct's "darker" scheme, as its colour file lists the roles; the disabled group greys the
// texts.
QPalette DarkerScheme() {
    const QRgb colours[] = {0xffffffff, 0xff424245, 0xff979797, 0xff5e5c5b, 0xff302f2e,
                            0xff4a4947, 0xffffffff, 0xffffffff, 0xffffffff, 0xff3d3d3d,
                            0xff222020, 0xffe7e4e0, 0xff12608a, 0xfff9f9f9, 0xff0986d3,
                            0xffa70b06, 0xff5c5b5a, 0xffffffff, 0xff3f3f36, 0xffffffff};
    QPalette palette;
    for (int role = 0; role < static_cast<int>(std::size(colours)); ++role) {
        if (role != QPalette::NoRole) {
            palette.setColor(static_cast<QPalette::ColorRole>(role),
                             QColor::fromRgba(colours[role]));
        }
    }
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(QPalette::Disabled, role, QColor(0x80, 0x80, 0x80));
    }
    return palette;
}

QPalette LightScheme() { return QApplication::style()->standardPalette(); }

// Where a control's text is drawn: the colour role of the text, and the control and role that
// paint what lies behind it (no control: the window).
struct TextPlace {
    const char* control;
    QPalette::ColorRole text;
    const char* behind;
    QPalette::ColorRole background;
};

const TextPlace kTexts[] = {
    {"minutesFrame", QPalette::WindowText, "timerPanel", QPalette::Base},
    {"hoursFrame", QPalette::WindowText, "timerPanel", QPalette::Base},
    {"bellAlarm", QPalette::WindowText, "alarmPanel", QPalette::Base},
    {"toneAlarm", QPalette::WindowText, "alarmPanel", QPalette::Base},
    {"automaticExit", QPalette::WindowText, "alarmPanel", QPalette::Base},
    {"credit", QPalette::WindowText, nullptr, QPalette::Window},
    {"notes", QPalette::Text, "notes", QPalette::Base},
    {"minutesEntry", QPalette::Text, "minutesEntry", QPalette::Base},
    {"hoursEntry", QPalette::Text, "hoursEntry", QPalette::Base},
    {"startMinutes", QPalette::ButtonText, "startMinutes", QPalette::Button},
    {"startHours", QPalette::ButtonText, "startHours", QPalette::Button},
    {"cancel", QPalette::ButtonText, "cancel", QPalette::Button},
    {"tips", QPalette::ButtonText, "tips", QPalette::Button},
};

// The application's palette for the length of a test. Widgets hear of a change through posted
// events, as they would from the desktop.
class SchemeInUse {
public:
    explicit SchemeInUse(const QPalette& scheme) { Use(scheme); }
    ~SchemeInUse() { Use(original_); }
    SchemeInUse(const SchemeInUse&) = delete;
    SchemeInUse& operator=(const SchemeInUse&) = delete;

private:
    static void Use(const QPalette& scheme) {
        QApplication::setPalette(scheme);
        QApplication::processEvents();
    }

    const QPalette original_ = QApplication::palette();
};

class ContrastTest : public WindowTest {
protected:
    // A window built and loaded in the palette in use now.
    void OpenWindow() {
        ReplaceWindow(SettingsFile());
        window->Load();
    }

    QColor Colour(QWidget& widget, QPalette::ColorGroup group, QPalette::ColorRole role) {
        // An entry's text is drawn by its edit field.
        auto* entry = qobject_cast<QComboBox*>(&widget);
        const QWidget& painter =
            entry != nullptr && role == QPalette::Text ? *entry->lineEdit() : widget;
        return painter.palette().color(group, role);
    }

    // Every text against what lies behind it, in each colour group its control can show now:
    // 4.5:1 at least, 3:1 for a push button switched off.
    void ExpectEveryTextReadable() {
        for (const TextPlace& place : kTexts) {
            QWidget& control = Control<QWidget>(place.control);
            QWidget& behind = place.behind != nullptr ? Control<QWidget>(place.behind) : *window;
            const bool switchedOffButton =
                !control.isEnabled() && qobject_cast<QPushButton*>(&control) != nullptr;
            const double minimum = switchedOffButton ? 3.0 : 4.5;
            const auto groups = control.isEnabled()
                                    ? std::vector{QPalette::Active, QPalette::Inactive}
                                    : std::vector{QPalette::Disabled};
            for (const QPalette::ColorGroup group : groups) {
                const QPalette::ColorGroup behindGroup =
                    behind.isEnabled() ? group : QPalette::Disabled;
                const QColor text = Colour(control, group, place.text);
                const QColor background = Colour(behind, behindGroup, place.background);
                const double ratio = ContrastRatio(text, background);
                EXPECT_GE(ratio, minimum)
                    << place.control << (group == QPalette::Disabled ? " switched off" : "") << ": "
                    << text.name().toStdString() << " on " << background.name().toStdString();
            }
        }
    }
};

TEST_F(ContrastTest, EveryTextReadsInEachStateInALightAndADarkScheme) {
    const struct {
        const char* name;
        QPalette scheme;
        bool darkRedCaptions;  // the frames' captions read in their own dark red
    } schemes[] = {{"light", LightScheme(), true}, {"dark", DarkerScheme(), false}};
    // 15 minutes from noon, then 2.5 hours from 12:16:00.
    const struct {
        const char* name;
        std::function<void()> action;
    } steps[] = {
        {"idle", [] {}},
        {"running by minutes", [this] { Click("startMinutes"); }},
        {"time up by minutes", [this] { TickAt(900'005); }},
        {"cancelled", [this] { Click("cancel"); }},
        {"running by hours",
         [this] {
             clock.SetAfterNoon(960'000);
             Click("startHours");
         }},
        {"time up by hours", [this] { TickAt(960'000 + 9'000'005); }},
    };
    for (const auto& scheme : schemes) {
        const SchemeInUse inUse(scheme.scheme);
        OpenWindow();
        EXPECT_EQ(Colour(Control<QWidget>("hoursFrame"), QPalette::Active, QPalette::WindowText) ==
                      QColor(128, 0, 0),
                  scheme.darkRedCaptions)
            << scheme.name;
        for (const auto& step : steps) {
            SCOPED_TRACE(std::string(scheme.name) + " scheme, " + step.name);
            step.action();
            ExpectEveryTextReadable();
            // An entry that is neither green nor red has the scheme's field background.
            for (const char* entry : {"minutesEntry", "hoursEntry"}) {
                const QColor back =
                    Colour(Control<QWidget>(entry), QPalette::Active, QPalette::Base);
                EXPECT_TRUE(back == QColor(0, 255, 0) || back == QColor(255, 0, 0) ||
                            back == scheme.scheme.color(QPalette::Active, QPalette::Base))
                    << entry << " shows " << back.name().toStdString();
            }
        }
    }
}

TEST_F(ContrastTest, SwitchingToADarkSchemeWhileCountingDownKeepsEveryTextReadable) {
    const SchemeInUse light(LightScheme());
    OpenWindow();
    Click("startMinutes");
    TickAt(900'005);

    const SchemeInUse dark(DarkerScheme());
    ExpectEveryTextReadable();
    // The panels follow the scheme: the frames' captions read on its button face.
    EXPECT_EQ(Colour(Control<QWidget>("timerPanel"), QPalette::Disabled, QPalette::Base),
              QColor(0x42, 0x42, 0x45));
    Click("cancel");
    ExpectEveryTextReadable();
}

}  // namespace
}  // namespace hobwatch::testing
