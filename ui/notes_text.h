#pragma once

#include <string>
#include <string_view>

#include <QString>

namespace hobwatch {

// The notes box holds paragraphs, and a lone LF of the settings file lives on inside a paragraph
// as a line separator, so that it is written back as it was read.

// Notes as the settings file has them (UTF-8): CR LF and a lone CR become paragraph separators
// (U+2029), a lone LF a line separator (U+2028).
QString NotesToBoxText(std::string_view notes);

// The notes box's raw text, or a selection in it, in the settings file's form: U+2029 becomes
// CR LF and U+2028 a lone LF.
std::string BoxTextToNotes(const QString& boxText);

}  // namespace hobwatch
