#pragma once

#include <string>
#include <string_view>

#include <QString>

class QPlainTextEdit;
class QTextDocument;

namespace hobwatch {

// How the notes box holds the settings file's notes (UTF-8, lines ended by CR LF; a lone CR
// counts as CR LF). Each line ended by CR LF is a paragraph of the box. A lone LF lives on inside
// its paragraph as a line separator (U+2028), as does a line separator typed with Shift+Enter,
// and both are saved as a lone LF. The few characters that the box cannot hold as themselves
// (U+2029, U+FDD0 and U+FDD1 would become paragraph breaks, and U+2028 would read back as a
// lone LF) are shown by a stand-in character that carries the original in its character format,
// so that every character comes back as it was read.

// Shows `notes` in `box` with no undo history. Notes too large to edit fluently (beyond 200,000
// lines, 200,000 characters in one paragraph or 10,000 stand-ins) are shown read-only, their
// lines gathered into paragraphs of up to 256 lines or 16,384 characters, a longer line broken
// at that length; read-only, they are never read back from the box. Notes with a word longer
// than 10,000 characters wrap anywhere rather than at word boundaries, whose search would take
// minutes on such a line. True when the notes are editable.
bool ShowNotes(QPlainTextEdit& box, std::string_view notes);

// The notes that `document` holds as ShowNotes put them there, and as typed since, in the
// settings file's form.
std::string NotesOf(const QTextDocument& document);

// A highlighted part of the notes box (QTextCursor::selectedText()) in the settings file's form:
// a paragraph break becomes CR LF and a line separator a lone LF.
std::string SelectionToNotes(const QString& selection);

}  // namespace hobwatch
