#include "store/file_text.h"

#include <optional>

#include "runtime/text.h"

namespace hobwatch {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LittleEndianMark = "\xFF\xFE";
constexpr std::string_view kUtf16BigEndianMark = "\xFE\xFF";
constexpr char32_t kReplacementCharacter = 0xFFFD;

// Windows-1252 characters for the bytes 0x80 to 0x9F; the rest of the upper half is Latin-1.
// clang-format off
constexpr char32_t kWindows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};
// clang-format on

char32_t Windows1252(unsigned char byte) {
    return byte >= 0x80 && byte <= 0x9F ? kWindows1252High[byte - 0x80] : char32_t{byte};
}

bool IsHighSurrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

// UTF-16 code units, the byte-order mark already dropped.
std::string DecodeUtf16(std::string_view bytes, bool bigEndian) {
    const auto unitAt = [&](std::size_t i) {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        return bigEndian ? char32_t(first << 8 | second) : char32_t(second << 8 | first);
    };
    std::string text;
    text.reserve(bytes.size() + bytes.size() / 2);
    std::size_t i = 0;
    for (; i + 1 < bytes.size(); i += 2) {
        const char32_t unit = unitAt(i);
        if (IsHighSurrogate(unit) && i + 3 < bytes.size() && IsLowSurrogate(unitAt(i + 2))) {
            AppendUtf8(text, 0x10000 + ((unit - 0xD800) << 10) + (unitAt(i + 2) - 0xDC00));
            i += 2;
        } else if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
            AppendUtf8(text, kReplacementCharacter);
        } else {
            AppendUtf8(text, unit);
        }
    }
    if (i < bytes.size()) {
        AppendUtf8(text, kReplacementCharacter);
    }
    return text;
}

}  // namespace

std::string DecodeFileText(std::string_view bytes) {
    for (const bool bigEndian : {false, true}) {
        const std::string_view mark = bigEndian ? kUtf16BigEndianMark : kUtf16LittleEndianMark;
        if (bytes.starts_with(mark)) {
            return DecodeUtf16(bytes.substr(mark.size()), bigEndian);
        }
    }
    if (bytes.starts_with(kByteOrderMark)) {
        bytes.remove_prefix(kByteOrderMark.size());
    }
    std::string text;
    text.reserve(bytes.size());
    while (!bytes.empty()) {
        if (const std::optional<Utf8Sequence> sequence = ReadUtf8Sequence(bytes)) {
            text.append(bytes.substr(0, sequence->Length));
            bytes.remove_prefix(sequence->Length);
        } else {
            AppendUtf8(text, Windows1252(static_cast<unsigned char>(bytes[0])));
            bytes.remove_prefix(1);
        }
    }
    return text;
}

}  // namespace hobwatch
