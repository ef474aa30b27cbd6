#pragma once

#include <optional>
#include <string>

class QMimeData;

namespace hobwatch {

// The text a drag offers, as a highlight of the same text in the notes would give it (UTF-8,
// line breaks as CR LF): its plain text, else the plain form of its rich text; nothing when it
// offers neither, or offers addresses (a link, a file).
std::optional<std::string> DroppedTextOf(const QMimeData& data);

}  // namespace hobwatch
