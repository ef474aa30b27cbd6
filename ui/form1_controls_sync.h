#pragma once

#include "core/control_states.h"
#include "runtime/date_value.h"
#include "ui/form1_widgets.h"

namespace hobwatch {

// Reads what the widgets show now into `controls`. Back colours are left as they are: only the
// handlers set them, so the model holds them already.
void ReadControls(const Form1Widgets& widgets, Form1Controls& controls);

// Shows in the widgets every state of `after` that differs from `before`, and nothing else, so
// that an entry's cursor and the notes' selection are left alone. A timer that becomes enabled
// ticks in step with `timerAnchor`.
void WriteControls(const Form1Controls& before, const Form1Controls& after, DateValue timerAnchor,
                   Form1Widgets& widgets);

}  // namespace hobwatch
