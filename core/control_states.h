#pragma once

#include <cstdint>
#include <string>

namespace hobwatch {

// A colour as 0x00BBGGRR; with the high bit set, the index of a platform colour.
using Colour = std::uint32_t;

inline constexpr Colour kGreen = 65280;
inline constexpr Colour kRed = 255;
inline constexpr Colour kWhite = 16777215;
inline constexpr Colour kDarkRed = 128;
inline constexpr Colour kButtonFace = 0x8000000F;
// The platform's own background of text fields, which the entries show until a start or a
// cancel sets their colour.
inline constexpr Colour kWindowBackground = 0x80000005;

// A check box's value: 0 unticked, 1 ticked, 2 greyed. Any non-zero value counts as ticked.
using CheckValue = std::int16_t;

enum class WindowState : std::int16_t { Normal = 0, Minimised = 1, Maximised = 2 };

struct EntryState {
    std::string Text;
    bool Enabled = true;
    Colour BackColor = kWindowBackground;
};

struct ButtonState {
    bool Enabled = true;
};

struct TimerState {
    bool Enabled = false;
    std::int32_t Interval = 1000;  // milliseconds
};

// What the handlers see of the window: read from the widgets before each event and written back
// after it. Texts are UTF-8.
struct Form1Controls {
    std::string Caption = "Select Interval";
    WindowState State = WindowState::Normal;
    EntryState Combo1{"15"};
    EntryState Combo2{"2.5"};
    ButtonState Command1;
    ButtonState Command2;
    CheckValue Check1Value = 0;  // "Beep 2": the tone
    CheckValue Check2Value = 1;  // "Beep 1": the system beep
    CheckValue Check3Value = 0;  // "End 10": the automatic exit
    TimerState Timer1;
    // The highlighted text of the notes box, line breaks as CR LF; read only.
    std::string Text1SelectedText;
};

}  // namespace hobwatch
