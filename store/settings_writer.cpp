#include "store/settings_writer.h"

#include <cstdint>
#include <string_view>

namespace hobwatch {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

// A line break inside an entry text would push the hours text or the notes onto the wrong line.
std::string WithoutLineBreaks(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (const char c : text) {
        if (c != '\r' && c != '\n') {
            result += c;
        }
    }
    return result;
}

}  // namespace

std::string FormatSettingsText(const SettingsRecord& record) {
    std::string text;
    for (const std::int16_t value : {record.Check1Value, record.Check2Value, record.Check3Value}) {
        text += std::to_string(value);
        text += kLineEnd;
    }
    for (const std::string* entry : {&record.Combo1Text, &record.Combo2Text}) {
        text += WithoutLineBreaks(*entry);
        text += kLineEnd;
    }
    text += record.Text1Text;
    text += kLineEnd;
    return text;
}

}  // namespace hobwatch
