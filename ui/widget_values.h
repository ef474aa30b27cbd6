#pragma once

#include <string>
#include <string_view>

#include "core/control_states.h"

class QCheckBox;
class QComboBox;
class QPlainTextEdit;

namespace hobwatch {

class NotesBox;

// Values of single widgets in the form the handlers and the settings file use (UTF-8 texts).

CheckValue CheckValueOf(const QCheckBox& box);  // 0 unticked, 1 ticked, 2 greyed
// 2 greys the box; any other non-zero value ticks it.
void SetCheckValue(QCheckBox& box, CheckValue value);

// An entry's text never holds CR or LF, in either direction. It holds up to kMaxEntryCharacters
// (store/settings_file.h), which a settings file's entry line may hold: a longer text, set,
// typed or pasted, is cut there.
std::string EntryTextOf(const QComboBox& entry);
void SetEntryText(QComboBox& entry, std::string_view text);

// The whole notes text in the settings file's form (ui/notes_text.h).
std::string NotesTextOf(const NotesBox& notes);
void SetNotesText(NotesBox& notes, std::string_view text);

// The highlighted part of the notes, line breaks as CR LF; empty when nothing is highlighted.
std::string SelectedNotesTextOf(const QPlainTextEdit& notes);

}  // namespace hobwatch
