#include "store/line_cursor.h"

namespace hobwatch {

std::optional<std::string_view> LineCursor::ReadValueLine() { return ReadUpTo("\r\n"); }

std::optional<std::string_view> LineCursor::ReadNotesLine() { return ReadUpTo("\r"); }

std::optional<std::string_view> LineCursor::ReadUpTo(std::string_view lineEnders) {
    if (AtEnd()) {
        return std::nullopt;
    }
    std::size_t end = text_.find_first_of(lineEnders, position_);
    if (end == std::string_view::npos) {
        end = text_.size();
    }
    const std::string_view line = text_.substr(position_, end - position_);
    position_ = end;
    if (position_ < text_.size()) {
        const bool carriageReturn = text_[position_] == '\r';
        ++position_;
        if (carriageReturn && position_ < text_.size() && text_[position_] == '\n') {
            ++position_;
        }
    }
    return line;
}

}  // namespace hobwatch
