#pragma once

class QComboBox;

namespace hobwatch {

// Gives the minutes entry its list, "1" to "600", and the hours entry its list, "0.25" to "12"
// in quarters. Each entry keeps the text it showed.
void FillEntryLists(QComboBox& minutesEntry, QComboBox& hoursEntry);

}  // namespace hobwatch
