#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace hobwatch {

// A colour as 0x00BBGGRR; with the high bit set, the index of a platform colour.
using Colour = std::uint32_t;

inline constexpr Colour kGreen = 0x00FF00;
inline constexpr Colour kRed = 0x0000FF;
inline constexpr Colour kWhite = 0xFFFFFF;
inline constexpr Colour kDarkRed = 0x000080;
inline constexpr Colour kButtonFace = 0x8000000F;
// The platform's own background of text fields, which the entries show until a start or a
// cancel sets their colour.
inline constexpr Colour kWindowBackground = 0x80000005;

// The window's caption while no countdown runs.
inline constexpr std::string_view kIdleCaption = "Select Interval";

// A check box's value: 0 unticked, 1 ticked, 2 greyed. Any non-zero value counts as ticked.
using CheckValue = std::int16_t;

enum class WindowState : std::int16_t { Normal = 0, Minimised = 1, Maximised = 2 };

struct EntryState {
    std::string Text;
    bool Enabled = true;
    Colour BackColour = kWindowBackground;
};

// What the handlers see of the window: read from the widgets before each event and written back
// after it. Texts are UTF-8.
struct ControlStates {
    std::string Caption{kIdleCaption};
    WindowState State = WindowState::Normal;
    EntryState MinutesEntry{"15"};
    EntryState HoursEntry{"2.5"};
    bool StartMinutesEnabled = true;
    bool StartHoursEnabled = true;
    CheckValue BellAlarm = 1;      // "Beep 1": the desktop's bell
    CheckValue ToneAlarm = 0;      // "Beep 2": a tone
    CheckValue AutomaticExit = 0;  // "End 10": end the program ten seconds after time-up
    bool Ticking = false;          // the once-a-second tick runs
    // The highlighted text of the notes box, line breaks as CR LF; read only.
    std::string NotesSelection;
};

}  // namespace hobwatch
