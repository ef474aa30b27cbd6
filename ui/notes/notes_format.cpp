#include "ui/notes/notes_format.h"

namespace hobwatch {
namespace {

constexpr int kOriginalProperty = QTextFormat::UserProperty + 1;

}  // namespace

QTextCharFormat StandInFormat(char16_t original) {
    QTextCharFormat format;
    format.setProperty(kOriginalProperty, static_cast<int>(original));
    return format;
}

std::optional<char16_t> OriginalOf(const QTextCharFormat& format) {
    if (!format.hasProperty(kOriginalProperty)) {
        return std::nullopt;
    }
    return static_cast<char16_t>(format.intProperty(kOriginalProperty));
}

char16_t StandInFor(char16_t c) {
    switch (c) {
        case u'\u2028':
        case u'\u2029':
            return u'\u2028';
        case u'\uFDD0':
        case u'\uFDD1':
            return u'\uFFFD';
        default:
            return 0;
    }
}

}  // namespace hobwatch
