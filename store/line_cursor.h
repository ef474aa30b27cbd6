#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace hobwatch {

// Reads a settings file's text line by line; each read consumes the line and its line end.
class LineCursor {
public:
    explicit LineCursor(std::string_view text) : text_(text) {}

    // True when no character remains to be read.
    bool AtEnd() const { return position_ == text_.size(); }

    // A line ended by CR LF, a lone CR or a lone LF, as the first five lines may be; empty when
    // the text is at its end. The last line may end without a line end.
    std::optional<std::string_view> ReadValueLine();

    // A line ended by CR LF or a lone CR, as the notes lines are; a lone LF stays in the line.
    // Empty when the text is at its end.
    std::optional<std::string_view> ReadNotesLine();

private:
    std::optional<std::string_view> ReadUpTo(std::string_view lineEnders);

    std::string_view text_;
    std::size_t position_ = 0;
};

}  // namespace hobwatch
