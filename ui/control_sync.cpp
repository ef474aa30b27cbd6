#include "ui/control_sync.h"

#include <QComboBox>
#include <QPushButton>
#include <QWidget>

#include "ui/look/control_colours.h"
#include "ui/notes/notes_box.h"
#include "ui/qt_text.h"
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
    if (after.BackColour != before.BackColour) {
        SetBackColour(widget, after.BackColour);
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

void ReadControls(const WindowWidgets& widgets, ControlStates& controls) {
    controls.Caption = widgets.Window->windowTitle().toStdString();
    ReadEntry(*widgets.MinutesEntry, controls.MinutesEntry);
    ReadEntry(*widgets.HoursEntry, controls.HoursEntry);
    controls.StartMinutesEnabled = widgets.StartMinutes->isEnabled();
    controls.StartHoursEnabled = widgets.StartHours->isEnabled();
    controls.Ticking = widgets.Ticker->IsActive();
    controls.NotesSelection = widgets.Notes->SelectedNotes();
    ReadTickControls(widgets, controls);
}

void ReadTickControls(const WindowWidgets& widgets, ControlStates& controls) {
    controls.State = WindowStateOf(*widgets.Window);
    controls.BellAlarm = CheckValueOf(*widgets.BellAlarm);
    controls.ToneAlarm = CheckValueOf(*widgets.ToneAlarm);
    controls.AutomaticExit = CheckValueOf(*widgets.AutomaticExit);
}

void WriteControls(const ControlStates& before, const ControlStates& after, DateValue tickAnchor,
                   WindowWidgets& widgets) {
    if (after.Caption != before.Caption) {
        widgets.Window->setWindowTitle(ToQString(after.Caption));
    }
    // The entries and "Start Hours" are switched off before "Start Minutes": the focus then leaves
    // a start button straight for the notes, not by way of the controls switched off next.
    WriteEntry(before.MinutesEntry, after.MinutesEntry, *widgets.MinutesEntry);
    WriteEntry(before.HoursEntry, after.HoursEntry, *widgets.HoursEntry);
    WriteEnabled(before.StartHoursEnabled, after.StartHoursEnabled, *widgets.StartHours);
    WriteEnabled(before.StartMinutesEnabled, after.StartMinutesEnabled, *widgets.StartMinutes);
    WriteCheck(before.BellAlarm, after.BellAlarm, *widgets.BellAlarm);
    WriteCheck(before.ToneAlarm, after.ToneAlarm, *widgets.ToneAlarm);
    WriteCheck(before.AutomaticExit, after.AutomaticExit, *widgets.AutomaticExit);
    if (after.Ticking != before.Ticking) {
        if (after.Ticking) {
            widgets.Ticker->Start(tickAnchor);
        } else {
            widgets.Ticker->Stop();
        }
    }
    if (after.State != before.State) {
        SetWindowState(*widgets.Window, after.State);
    }
}

}  // namespace hobwatch
