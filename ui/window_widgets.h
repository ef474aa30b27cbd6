#pragma once

#include "runtime/clock.h"

class QComboBox;
class QPushButton;
class QWidget;

namespace hobwatch {

class NotesBox;
class SettingCheckBox;
class TickTimer;

// The controls the window acts on, by their role. The panels, frames and the credit line have
// no behaviour and are not listed.
struct WindowWidgets {
    QWidget* Window = nullptr;
    SettingCheckBox* BellAlarm = nullptr;      // "Beep 1"
    SettingCheckBox* ToneAlarm = nullptr;      // "Beep 2"
    SettingCheckBox* AutomaticExit = nullptr;  // "End 10"
    QPushButton* Tips = nullptr;
    QPushButton* StartMinutes = nullptr;
    QPushButton* StartHours = nullptr;
    QPushButton* Cancel = nullptr;
    QComboBox* MinutesEntry = nullptr;
    QComboBox* HoursEntry = nullptr;
    NotesBox* Notes = nullptr;
    TickTimer* Ticker = nullptr;
};

// Creates the controls of the control table on `window`, with their geometry at the window's
// logical resolution, fonts, initial values, stacking order and tab order. The ticker reads
// `clock`, which must outlive the window.
WindowWidgets BuildWindowWidgets(QWidget& window, const Clock& clock);

}  // namespace hobwatch
