#pragma once

#include "core/control_states.h"
#include "runtime/date_value.h"
#include "ui/window_widgets.h"

namespace hobwatch {

// Reads what the widgets show now into `controls`. Back colours are left as they are: only the
// handlers set them, so the model holds them already.
void ReadControls(const WindowWidgets& widgets, ControlStates& controls);

// Reads only what a tick looks at, which the user may change at any time: the three check boxes
// and the window's state. The rest of `controls` stays as the last handler left it, which is
// what the widgets show of it: only handlers write the caption, and a tick reads no text.
void ReadTickControls(const WindowWidgets& widgets, ControlStates& controls);

// Shows in the widgets every state of `after` that differs from `before`, and nothing else, so
// that an entry's cursor and the notes' selection are left alone. A ticker that starts ticks in
// step with `tickAnchor`.
void WriteControls(const ControlStates& before, const ControlStates& after, DateValue tickAnchor,
                   WindowWidgets& widgets);

}  // namespace hobwatch
