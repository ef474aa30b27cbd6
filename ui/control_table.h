#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "core/control_states.h"

namespace hobwatch {

enum class ControlKind { CheckBox, PushButton, TextBox, Frame, ComboBox, Timer, Label };

struct FontChoice {
    std::string_view Face;
    double PointSize;
    int Weight;  // 400 is regular, 700 bold
    // Faces tried in turn, comma-separated, before the platform's sans-serif when Face is missing.
    std::string_view Substitutes = {};
};

// Faces as narrow as the classic dialog face, for its place.
inline constexpr std::string_view kNarrowSansFaces = "Liberation Sans,Nimbus Sans,FreeSans";

// Properties beyond the common columns; anything not set keeps the toolkit's default.
struct ExtraProperties {
    std::optional<CheckValue> Value = std::nullopt;   // check boxes: 0 unticked, 1 ticked, 2 greyed
    bool Disabled = false;                            // the control starts disabled
    std::optional<Colour> BackColour = std::nullopt;  // 0x00BBGGRR, or a platform colour index
    bool MultiLine = false;  // text boxes: several lines, vertical scroll bar
    bool Panel = false;      // text boxes: an empty box that serves only as a panel behind others
    std::optional<Colour> CaptionColour = std::nullopt;  // frames: colour of the caption
    std::optional<FontChoice> Font = std::nullopt;       // absent: the window's default font
    std::string_view AccessibleName = {};                // empty: the caption names the control
    std::string_view Description = {};  // what the control does: its tooltip, read out as well
};

// What each control is for. The window finds its controls by these names, which are also their
// object names.
namespace role {
inline constexpr std::string_view kBellAlarm = "bellAlarm";
inline constexpr std::string_view kToneAlarm = "toneAlarm";
inline constexpr std::string_view kAutomaticExit = "automaticExit";
inline constexpr std::string_view kTips = "tips";
inline constexpr std::string_view kStartMinutes = "startMinutes";
inline constexpr std::string_view kStartHours = "startHours";
inline constexpr std::string_view kCancel = "cancel";
inline constexpr std::string_view kMinutesEntry = "minutesEntry";
inline constexpr std::string_view kHoursEntry = "hoursEntry";
inline constexpr std::string_view kNotes = "notes";
inline constexpr std::string_view kTicker = "ticker";
inline constexpr std::string_view kAlarmPanel = "alarmPanel";
inline constexpr std::string_view kTimerPanel = "timerPanel";
inline constexpr std::string_view kMinutesFrame = "minutesFrame";
inline constexpr std::string_view kHoursFrame = "hoursFrame";
inline constexpr std::string_view kCredit = "credit";
}  // namespace role

// One row of the control table: a control by the name its row goes by, the role it plays
// here, and its geometry in twips relative to its container (the window's client area, or the
// outer rectangle of the frame named in Container).
struct ControlRow {
    std::string_view Name;
    std::string_view Role;
    ControlKind Kind;
    std::string_view Container;  // kWindowName or the name of a frame
    std::string_view Caption;    // caption, or the initial text of a text box or entry
    int Left, Top, Width, Height;
    int TabIndex;  // -1 for controls outside the tab order
    ExtraProperties Extra;
};

inline constexpr std::string_view kWindowName = "Form1";
inline constexpr int kClientWidthTwips = 4350;
inline constexpr int kClientHeightTwips = 4995;

// The window's default font: the classic dialog face at its size, or else a face as narrow, so
// that "Beep 1" and "End 10" fit their 855 twips beside the check mark.
inline constexpr FontChoice kDefaultFont{"MS Sans Serif", 8.25, 400, kNarrowSansFaces};

// The notes the window opens with, each line ended by CR LF.
inline constexpr std::string_view kSampleNotes =
    "My cooking notes  (highlight your cooking times)...\r\n"
    "\r\n"
    "2 and 1/4 hours\r\n"
    "2 hr  15 minutes\r\n"
    "2 1/4 min\r\n"
    "\r\n"
    "Hard boiled eggs, bring to boil for 1 minute, cover and let stand 17 min.\r\n"
    "\r\n"
    "12 lb Turkey in bag 3.10 hrs\r\n";

inline constexpr std::string_view kCreditCaption = "Hobwatch kitchen countdown timer";

inline constexpr std::string_view kBellAlarmTip =
    "Sound the desktop's alert at the start and every second after the time is up";
inline constexpr std::string_view kToneAlarmTip =
    "Sound a short tone at the start and every second after the time is up";
inline constexpr std::string_view kAutomaticExitTip =
    "Close Hobwatch by itself ten seconds after the time is up";

inline constexpr FontChoice kFrameFont{"MS Sans Serif", 12, 400, kNarrowSansFaces};
inline constexpr FontChoice kEntryFont{"MS Sans Serif", 9.75, 400, kNarrowSansFaces};

namespace control_table {
using enum ControlKind;
using namespace role;

// The sixteen controls in stacking order, front (drawn on top) to back. The ticker is invisible
// and starts stopped; it ticks once a second while a countdown runs.
// clang-format off
inline constexpr std::array<ControlRow, 16> kControls{{
//   Name        Role            Kind        Container  Caption or text  Left  Top   Width Height Tab  Other
    {"Check3",   kAutomaticExit, CheckBox,   "Form1",   "End 10",        1800, 1080, 855,  255,   14, {.Value = 0, .Description = kAutomaticExitTip}},
    {"cmdTips",  kTips,          PushButton, "Form1",   "Tips",          3720, 1860, 495,  255,   13, {}},
    {"Check1",   kToneAlarm,     CheckBox,   "Form1",   "Beep 2",        1800, 720,  855,  255,   10, {.Value = 0, .Description = kToneAlarmTip}},
    {"Check2",   kBellAlarm,     CheckBox,   "Form1",   "Beep 1",        1800, 360,  855,  255,   9,  {.Value = 1, .Description = kBellAlarmTip}},
    {"Text2",    kAlarmPanel,    TextBox,    "Form1",   "",              1680, 240,  1000, 1335,  11, {.Disabled = true, .BackColour = kButtonFace, .Panel = true, .AccessibleName = "Alarm options panel"}},
    {"Text1",    kNotes,         TextBox,    "Form1",   kSampleNotes,    50,   2400, 4275, 2535,  7,  {.MultiLine = true, .AccessibleName = "Notes"}},
    {"Frame2",   kHoursFrame,    Frame,      "Form1",   "HOURS",         2760, 120,  1455, 1455,  2,  {.CaptionColour = kDarkRed, .Font = kFrameFont}},
    {"Command2", kStartHours,    PushButton, "Frame2",  "Start Hours",   120,  840,  1215, 495,   6,  {}},
    {"Combo2",   kHoursEntry,    ComboBox,   "Frame2",  "2.5",           120,  360,  1215, 360,   5,  {.Font = kEntryFont, .AccessibleName = "Hours"}},
    {"Frame1",   kMinutesFrame,  Frame,      "Form1",   "MINUTES",       120,  120,  1455, 1455,  1,  {.CaptionColour = kDarkRed, .Font = kFrameFont}},
    {"Command1", kStartMinutes,  PushButton, "Frame1",  "Start Minutes", 120,  840,  1215, 495,   4,  {}},
    {"Combo1",   kMinutesEntry,  ComboBox,   "Frame1",  "15",            120,  360,  1215, 360,   3,  {.Font = kEntryFont, .AccessibleName = "Minutes"}},
    {"Command3", kCancel,        PushButton, "Form1",   "Cancel",        960,  1800, 2295, 375,   0,  {}},
    {"Timer1",   kTicker,        Timer,      "Form1",   "",              0,    0,    0,    0,     -1, {}},
    {"Text3",    kTimerPanel,    TextBox,    "Form1",   "",              50,   50,   4275, 2295,  12, {.Disabled = true, .BackColour = kButtonFace, .Panel = true, .AccessibleName = "Timer panel"}},
    {"Label1",   kCredit,        Label,      "Form1",   kCreditCaption,  120,  5040, 3255, 255,   8,  {}},
}};
// clang-format on
}  // namespace control_table
using control_table::kControls;

// Twips to device-independent pixels at `dotsPerInch` (1440 twips to the inch), rounded.
int TwipsToPixels(int twips, double dotsPerInch);

// The back colour of the nearest control behind `row` (later in the table, in the same
// container) that covers it wholly; empty when only its container shows behind it.
std::optional<Colour> BackColourBehind(const ControlRow& row);

}  // namespace hobwatch
