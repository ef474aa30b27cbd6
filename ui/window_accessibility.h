#pragma once

class QString;
class QWidget;

namespace hobwatch {

// Teaches Qt's accessibility how the window presents itself to screen readers: a top-level
// window without a parent is a frame, and an editable entry is named by its accessible name
// (not by its text, as Qt does on Linux) and reports its number as its value. Call before the
// window's controls are made; calling again changes nothing.
void InstallWindowAccessibility();

// Tells screen readers of each new caption of `window` as a change of its name.
void AnnounceCaptionChanges(QWidget& window);

// Tells screen readers `text` as an alert of `window`, which they speak as it comes.
void AnnounceAlert(QWidget& window, const QString& text);

}  // namespace hobwatch
