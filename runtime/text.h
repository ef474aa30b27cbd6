#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// UTF-8 decoding and encoding, and the text operations of the phrase reader, which count
// characters (code points), not bytes.
namespace hobwatch {

struct Utf8Sequence {
    char32_t Character;
    std::size_t Length;  // bytes, 1 to 4
};

// The valid UTF-8 sequence at the start of `bytes`; empty when they do not start with one
// (overlong forms, surrogates and cut-off sequences are not valid).
std::optional<Utf8Sequence> ReadUtf8Sequence(std::string_view bytes);
void AppendUtf8(std::string& text, char32_t character);

// Invalid UTF-8 bytes become U+FFFD, one for each byte.
std::u32string DecodeUtf8(std::string_view text);
std::string EncodeUtf8(std::u32string_view text);

// `text` without the leading and trailing characters that are among `unwanted`.
template <typename Char>
std::basic_string_view<Char> Trim(std::basic_string_view<Char> text,
                                  std::basic_string_view<Char> unwanted) {
    const std::size_t first = text.find_first_not_of(unwanted);
    if (first == std::basic_string_view<Char>::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(unwanted) - first + 1);
}

// 1-based position of the first `wanted` at or after the 1-based `start`; 0 when there is none.
std::size_t Find(std::u32string_view text, char32_t wanted, std::size_t start = 1);

// The characters from the 1-based `start` on, at most `length` of them; empty when `start` is
// past the end. `start` must be at least 1.
std::u32string_view Middle(std::u32string_view text, std::size_t start,
                           std::size_t length = std::u32string_view::npos);

// ASCII letters in upper case; every other character unchanged, so the length never changes.
std::u32string UpperCaseAscii(std::u32string_view text);

// `text` without any CR or LF. An entry's text must stay on its own line of the settings file.
std::string WithoutLineBreaks(std::string_view text);

}  // namespace hobwatch
