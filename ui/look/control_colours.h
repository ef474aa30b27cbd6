#pragma once

#include <optional>

#include <QColor>

#include "core/control_states.h"

class QWidget;

namespace hobwatch {

// Least contrast ratios, as WCAG 2 asks at its AA level: text that carries information, and the
// text of a control that is switched off.
inline constexpr double kReadableContrast = 4.5;
inline constexpr double kSwitchedOffContrast = 3.0;

// The colour a user sees for a 0x00BBGGRR value or a platform colour index (kWindowBackground:
// the default text-field background; kButtonFace: the grey of push buttons), in the
// application's palette as it is now.
QColor VisibleColour(Colour colour);

// WCAG 2 contrast ratio of two opaque colours: 1 for equal luminance, 21 for black on white.
double ContrastRatio(const QColor& a, const QColor& b);

// `wanted` when it reaches `minimumRatio` against `background`; otherwise `wanted` mixed with
// black or white, whichever contrasts more with the background, just far enough to reach it.
// `minimumRatio` from 1 to 4.5 (any background reaches 4.58 against black or white).
QColor LegibleOn(const QColor& wanted, const QColor& background, double minimumRatio);

// Paints the background of a text field in `colour`, enabled or disabled alike, so that the
// disabled entry of a running countdown still shows its green or red; kWhite stands for the
// platform's text-field background. Its text, switched off or not, takes the platform's text
// colour as far as it reads on that background.
void SetBackColour(QWidget& field, Colour colour);
// The colour last given to SetBackColour, to paint again when the platform's palette changes.
std::optional<Colour> BackColourOf(const QWidget& field);

// Text drawn over what lies behind a control (check boxes, frame captions, labels), the same
// in every colour group.
void SetTextColour(QWidget& control, const QColor& colour);

// A push button's caption in the platform's colours, made to read on the button face:
// kReadableContrast while it works, kSwitchedOffContrast while it is switched off.
void KeepButtonTextLegible(QWidget& button);

}  // namespace hobwatch
