#include "ui/form1_controls_sync.h"

#include <QComboBox>
#include <QPushButton>
#include <QWidget>

#include "ui/control_colours.h"
#include "ui/notes_box.h"
#include "ui/setting_check_box.h"
#include "ui/tick_timer.h"
#include "ui/widget_values.h"

namespace hobwatch {
namespace {

WindowState WindowStateOf(const QWidget& window) {
    if (window.isMinimized()) {
        return WindowState::Minimised;
    }
    return window.isMaximized() ? WindowState::Maximised : WindowState::Normal;
}

void SetWindowState(QWidget& window, WindowState state) {
    switch (state) {
        case WindowState::Normal:
            window.showNormal();
            break;
        case WindowState::Minimised:
            window.showMinimized();
            break;
        case WindowState::Maximised:
            window.showMaximized();
            break;
    }
}

void ReadEntry(const QComboBox& widget, EntryState& entry) {
    entry.Text = EntryTextOf(widget);
    entry.Enabled = widget.isEnabled();
}

void WriteEntry(const EntryState& before, const EntryState& after, QComboBox& widget) {
    if (after.Text != before.Text) {
        SetEntryText(widget, after.Text);
    }
    if (after.Enabled != before.Enabled) {
        widget.setEnabled(after.Enabled);
    }
    if (after.BackColor != before.BackColor) {
        SetBackColour(widget, after.BackColor);
    }
}

void WriteCheck(CheckValue before, CheckValue after, QCheckBox& widget) {
    if (after != before) {
        SetCheckValue(widget, after);
    }
}

void WriteEnabled(bool before, bool after, QWidget& widget) {
    if (after != before) {
        widget.setEnabled(after);
    }
}

}  // namespace

void ReadControls(const Form1Widgets& widgets, Form1Controls& controls) {
    controls.Caption = widgets.Form1->windowTitle().toStdString();
    controls.State = WindowStateOf(*widgets.Form1);
    ReadEntry(*widgets.Combo1, controls.Combo1);
    ReadEntry(*widgets.Combo2, controls.Combo2);
    controls.Command1.Enabled = widgets.Command1->isEnabled();
    controls.Command2.Enabled = widgets.Command2->isEnabled();
    controls.Check1Value = CheckValueOf(*widgets.Check1);
    controls.Check2Value = CheckValueOf(*widgets.Check2);
    controls.Check3Value = CheckValueOf(*widgets.Check3);
    controls.Timer1.Enabled = widgets.Timer1->IsActive();
    controls.Timer1.Interval = widgets.Timer1->Interval();
    controls.Text1SelectedText = SelectedNotesTextOf(*widgets.Text1);
}

void WriteControls(const Form1Controls& before, const Form1Controls& after, DateValue timerAnchor,
                   Form1Widgets& widgets) {
    if (after.Caption != before.Caption) {
        widgets.Form1->setWindowTitle(QString::fromStdString(after.Caption));
    }
    WriteEntry(before.Combo1, after.Combo1, *widgets.Combo1);
    WriteEntry(before.Combo2, after.Combo2, *widgets.Combo2);
    WriteEnabled(before.Command1.Enabled, after.Command1.Enabled, *widgets.Command1);
    WriteEnabled(before.Command2.Enabled, after.Command2.Enabled, *widgets.Command2);
    WriteCheck(before.Check1Value, after.Check1Value, *widgets.Check1);
    WriteCheck(before.Check2Value, after.Check2Value, *widgets.Check2);
    WriteCheck(before.Check3Value, after.Check3Value, *widgets.Check3);
    if (after.Timer1.Interval != before.Timer1.Interval) {
        widgets.Timer1->SetInterval(after.Timer1.Interval);
    }
    if (after.Timer1.Enabled != before.Timer1.Enabled) {
        if (after.Timer1.Enabled) {
            widgets.Timer1->Start(timerAnchor);
        } else {
            widgets.Timer1->Stop();
        }
    }
    if (after.State != before.State) {
        SetWindowState(*widgets.Form1, after.State);
    }
}

}  // namespace hobwatch
