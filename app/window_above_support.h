#pragma once

namespace hobwatch {

// Says on standard error, in one line, when the window cannot be kept above the others: on
// Wayland, which lets no program keep itself on top, and under an X window manager that does
// not offer the "above" state. Call once, with the display open.
void WarnWhenNotKeptAbove();

}  // namespace hobwatch
