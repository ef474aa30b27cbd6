#include "ui/control_colours.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

namespace hobwatch {
namespace {

constexpr Colour kPlatformColourFlag = 0x80000000;

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

void SetBackColour(QWidget& field, Colour colour) {
    QPalette palette = field.palette();
    const QColor visible = VisibleColour(colour);
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Base, visible);
    }
    field.setPalette(palette);
}

}  // namespace hobwatch
