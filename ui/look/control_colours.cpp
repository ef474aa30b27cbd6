#include "ui/look/control_colours.h"

#include <algorithm>
#include <cmath>

#include <QApplication>
#include <QPalette>
#include <QVariant>
#include <QWidget>

namespace hobwatch {
namespace {

constexpr Colour kPlatformColourFlag = 0x80000000;
constexpr const char* kBackColourProperty = "backColour";
constexpr QPalette::ColorGroup kAllGroups[] = {QPalette::Active, QPalette::Inactive,
                                               QPalette::Disabled};

// WCAG 2 relative luminance: linear-light sRGB weighted by the eye's sensitivity.
double RelativeLuminance(const QColor& colour) {
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

// `from` moved `step` 255ths of the way to `to`, channel by channel.
QColor Mix(const QColor& from, const QColor& to, int step) {
    const auto channel = [step](int a, int b) {
        return static_cast<int>(std::lround(a + (b - a) * step / 255.0));
    };
    return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()),
                  channel(from.blue(), to.blue()));
}

// Black or white, whichever contrasts more with `background`.
QColor StrongestOn(const QColor& background) {
    const QColor black(0, 0, 0);
    const QColor white(255, 255, 255);
    return ContrastRatio(black, background) >= ContrastRatio(white, background) ? black : white;
}

}  // namespace

QColor VisibleColour(Colour colour) {
    if ((colour & kPlatformColourFlag) != 0) {
        const QPalette platform = QApplication::palette();
        return colour == kButtonFace ? platform.color(QPalette::Active, QPalette::Button)
                                     : platform.color(QPalette::Active, QPalette::Base);
    }
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

double ContrastRatio(const QColor& a, const QColor& b) {
    const double lighter = std::max(RelativeLuminance(a), RelativeLuminance(b));
    const double darker = std::min(RelativeLuminance(a), RelativeLuminance(b));
    return (lighter + 0.05) / (darker + 0.05);
}

QColor LegibleOn(const QColor& wanted, const QColor& background, double minimumRatio) {
    if (ContrastRatio(wanted, background) >= minimumRatio) {
        return wanted;
    }
    const QColor end = StrongestOn(background);
    // The luminance moves one way as the mix goes toward the end: search the first step that
    // reads. The end itself always does.
    int failing = 0;
    int reading = 255;
    while (reading - failing > 1) {
        const int step = (failing + reading) / 2;
        if (ContrastRatio(Mix(wanted, end, step), background) >= minimumRatio) {
            reading = step;
        } else {
            failing = step;
        }
    }
    return Mix(wanted, end, reading);
}

void SetBackColour(QWidget& field, Colour colour) {
    // A field given white shows the scheme's own field background: white in a light scheme, and
    // no glaring white box in a dark one.
    const QColor visible = VisibleColour(colour == kWhite ? kWindowBackground : colour);
    // The entries show what runs: their text goes all the way to black or white when the
    // platform's does not read on the colour of the countdown.
    const QColor platformText =
        QApplication::palette(&field).color(QPalette::Active, QPalette::Text);
    const QColor text = ContrastRatio(platformText, visible) >= kReadableContrast
                            ? platformText
                            : StrongestOn(visible);
    QPalette palette = field.palette();
    for (const auto group : kAllGroups) {
        palette.setColor(group, QPalette::Base, visible);
        palette.setColor(group, QPalette::Text, text);
    }
    field.setPalette(palette);
    field.setProperty(kBackColourProperty, QVariant::fromValue(colour));
}

std::optional<Colour> BackColourOf(const QWidget& field) {
    const QVariant colour = field.property(kBackColourProperty);
    if (!colour.isValid()) {
        return std::nullopt;
    }
    return colour.value<Colour>();
}

void SetTextColour(QWidget& control, const QColor& colour) {
    QPalette palette = control.palette();
    for (const auto group : kAllGroups) {
        palette.setColor(group, QPalette::WindowText, colour);
        palette.setColor(group, QPalette::Text, colour);
    }
    control.setPalette(palette);
}

void KeepButtonTextLegible(QWidget& button) {
    const QPalette platform = QApplication::palette(&button);
    QPalette palette = button.palette();
    for (const auto group : kAllGroups) {
        const double minimum =
            group == QPalette::Disabled ? kSwitchedOffContrast : kReadableContrast;
        palette.setColor(group, QPalette::ButtonText,
                         LegibleOn(platform.color(group, QPalette::ButtonText),
                                   platform.color(group, QPalette::Button), minimum));
    }
    button.setPalette(palette);
}

}  // namespace hobwatch
