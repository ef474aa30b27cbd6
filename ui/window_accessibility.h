#pragma once

namespace hobwatch {

// Teaches Qt's accessibility how the window presents itself to screen readers: a top-level
// window without a parent is a frame, and an editable entry is named by its accessible name
// (not by its text, as Qt does on Linux) and reports its number as its value. Call before the
// window's controls are made; calling again changes nothing.
void InstallWindowAccessibility();

}  // namespace hobwatch
