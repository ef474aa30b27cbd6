#include "text.h"

#include <cassert>

namespace hobwatch {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Length of the UTF-8 sequence that `lead` starts; 0 if it starts none.
std::size_t SequenceLength(unsigned char lead) {
    if (lead < 0x80) {
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        return 2;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        return 3;
    }
    return lead >= 0xF0 && lead <= 0xF4 ? 4 : 0;
}

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

bool IsValidCodePoint(char32_t c, std::size_t length) {
    constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    const bool surrogate = c >= 0xD800 && c <= 0xDFFF;
    return c >= kSmallest[length] && c <= 0x10FFFF && !surrogate;
}

}  // namespace

std::optional<Utf8Sequence> ReadUtf8Sequence(std::string_view bytes) {
    if (bytes.empty()) {
        return std::nullopt;
    }
    const auto lead = static_cast<unsigned char>(bytes[0]);
    const std::size_t length = SequenceLength(lead);
    if (length == 0 || bytes.size() < length) {
        return std::nullopt;
    }
    char32_t c = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (!IsContinuation(byte)) {
            return std::nullopt;
        }
        c = (c << 6) | (byte & 0x3F);
    }
    if (!IsValidCodePoint(c, length)) {
        return std::nullopt;
    }
    return Utf8Sequence{c, length};
}

void AppendUtf8(std::string& text, char32_t c) {
    if (c < 0x80) {
        text += static_cast<char>(c);
    } else if (c < 0x800) {
        text += static_cast<char>(0xC0 | (c >> 6));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        text += static_cast<char>(0xE0 | (c >> 12));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (c >> 18));
        text += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::u32string DecodeUtf8(std::string_view text) {
    std::u32string result;
    result.reserve(text.size());
    while (!text.empty()) {
        const std::optional<Utf8Sequence> sequence = ReadUtf8Sequence(text);
        result += sequence ? sequence->Character : kReplacement;
        text.remove_prefix(sequence ? sequence->Length : 1);
    }
    return result;
}

std::string EncodeUtf8(std::u32string_view text) {
    std::string result;
    result.reserve(text.size());
    for (const char32_t c : text) {
        AppendUtf8(result, c);
    }
    return result;
}

std::size_t Find(std::u32string_view text, char32_t wanted, std::size_t start) {
    assert(start >= 1);
    const std::size_t index = text.find(wanted, start - 1);
    return index == std::u32string_view::npos ? 0 : index + 1;
}

std::u32string_view Middle(std::u32string_view text, std::size_t start, std::size_t length) {
    assert(start >= 1);
    if (start > text.size()) {
        return {};
    }
    return text.substr(start - 1, length);
}

std::string WithoutLineBreaks(std::string_view text) {
    std::string kept;
    kept.reserve(text.size());
    for (const char c : text) {
        if (c != '\r' && c != '\n') {
            kept += c;
        }
    }
    return kept;
}

std::u32string UpperCaseAscii(std::u32string_view text) {
    std::u32string result(text);
    for (char32_t& c : result) {
        if (c >= U'a' && c <= U'z') {
            c -= U'a' - U'A';
        }
    }
    return result;
}

}  // namespace hobwatch
