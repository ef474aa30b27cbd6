#include "ui/window_colours.h"

#include <QApplication>
#include <QEvent>
#include <QPalette>
#include <QWidget>

#include "ui/control_table.h"
#include "ui/look/control_colours.h"
#include "ui/qt_text.h"

namespace hobwatch {
namespace {

// A frame's caption colour reaches its children through the palette; they keep the window's own.
void KeepWindowTextColours(QWidget& widget, const QPalette& windowPalette) {
    QPalette palette = widget.palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
            palette.setColor(group, role, windowPalette.color(group, role));
        }
    }
    widget.setPalette(palette);
}

// Check boxes, frame captions and labels draw their text straight over what lies behind them.
QColor TextOverBackground(const ControlRow& row, const QWidget& control, const QWidget& window) {
    const QColor wanted = row.Extra.CaptionColour ? VisibleColour(*row.Extra.CaptionColour)
                                                  : QApplication::palette(&control).color(
                                                        QPalette::Active, QPalette::WindowText);
    const std::optional<Colour> behind = BackColourBehind(row);
    const QColor background =
        behind ? VisibleColour(*behind)
               : QApplication::palette(&window).color(QPalette::Active, QPalette::Window);
    return LegibleOn(wanted, background, kReadableContrast);
}

class PaletteFollower final : public QObject {
public:
    explicit PaletteFollower(QWidget& window) : QObject(&window), window_(window) {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window_ && event->type() == QEvent::PaletteChange) {
            PaintWindowColours(window_);
        }
        return false;
    }

private:
    QWidget& window_;
};

}  // namespace

void PaintWindowColours(QWidget& window) {
    for (const ControlRow& row : kControls) {
        auto* control = window.findChild<QWidget*>(ToQString(row.Role));
        if (control == nullptr) {
            continue;
        }
        if (row.Container != kWindowName) {
            KeepWindowTextColours(*control, window.palette());
        }
        switch (row.Kind) {
            case ControlKind::CheckBox:
            case ControlKind::Frame:
            case ControlKind::Label:
                SetTextColour(*control, TextOverBackground(row, *control, window));
                break;
            case ControlKind::PushButton:
                KeepButtonTextLegible(*control);
                break;
            case ControlKind::TextBox:
            case ControlKind::ComboBox:
                SetBackColour(*control, BackColourOf(*control).value_or(
                                            row.Extra.BackColour.value_or(kWindowBackground)));
                break;
            case ControlKind::Timer:
                break;
        }
    }
}

void FollowPaletteChanges(QWidget& window) { new PaletteFollower(window); }

}  // namespace hobwatch
