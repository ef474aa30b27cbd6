#pragma once

#include "runtime/clock.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace hobwatch {

class NotesBox;
class SettingCheckBox;
class TickTimer;

// The window's controls, each named as in the control table.
struct Form1Widgets {
    QWidget* Form1 = nullptr;
    SettingCheckBox* Check1 = nullptr;  // "Beep 2"
    SettingCheckBox* Check2 = nullptr;  // "Beep 1"
    SettingCheckBox* Check3 = nullptr;  // "End 10"
    QPushButton* cmdTips = nullptr;
    QPushButton* Command1 = nullptr;  // "Start Minutes"
    QPushButton* Command2 = nullptr;  // "Start Hours"
    QPushButton* Command3 = nullptr;  // "Cancel"
    QComboBox* Combo1 = nullptr;      // minutes entry
    QComboBox* Combo2 = nullptr;      // hours entry
    NotesBox* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;  // panel behind the check boxes
    QLineEdit* Text3 = nullptr;  // panel behind the upper band
    QGroupBox* Frame1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QLabel* Label1 = nullptr;
    TickTimer* Timer1 = nullptr;
};

// Creates the controls of the control table on `window`, with their geometry at the window's
// logical resolution, fonts, initial values, stacking order and tab order. The timer reads
// `clock`, which must outlive the window.
Form1Widgets BuildForm1Widgets(QWidget& window, const Clock& clock);

}  // namespace hobwatch
