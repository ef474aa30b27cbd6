#pragma once

#include <QColor>

#include "core/control_states.h"

class QWidget;

namespace hobwatch {

// The colour a user sees for a 0x00BBGGRR value or a platform colour index (kWindowBackground:
// the default text-field background; kButtonFace: the grey of push buttons).
QColor VisibleColour(Colour colour);

// Paints the background of a text field in `colour`, enabled or disabled alike, so that the
// disabled entry of a running countdown still shows its green or red.
void SetBackColour(QWidget& field, Colour colour);

}  // namespace hobwatch
