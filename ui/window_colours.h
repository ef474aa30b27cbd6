#pragma once

class QWidget;

namespace hobwatch {

// Gives the controls of the control table on `window` their colours in the platform's palette
// as it is now: the table's back and caption colours, and text that reads on what lies behind
// it. A text field keeps the back colour it was last given.
void PaintWindowColours(QWidget& window);

// Paints the colours again whenever the platform's palette changes, as when the desktop
// switches to a dark scheme while the window is open.
void FollowPaletteChanges(QWidget& window);

}  // namespace hobwatch
