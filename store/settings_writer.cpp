#include "store/settings_writer.h"

#include <cstdint>
#include <string_view>

#include "runtime/text.h"

namespace hobwatch {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

}  // namespace

std::string FormatSettingsText(const SettingsRecord& record) {
    std::string text;
    for (const std::int16_t value : {record.ToneAlarm, record.BellAlarm, record.AutomaticExit}) {
        text += std::to_string(value);
        text += kLineEnd;
    }
    for (const std::string* entry : {&record.MinutesEntry, &record.HoursEntry}) {
        // A line break would push the hours text or the notes onto the wrong line.
        text += WithoutLineBreaks(*entry);
        text += kLineEnd;
    }
    text += record.Notes;
    text += kLineEnd;
    return text;
}

}  // namespace hobwatch
