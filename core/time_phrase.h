#pragma once

#include <string>
#include <string_view>

namespace hobwatch {

// What a highlighted phrase in the notes gives the entries.
struct PhraseReading {
    bool ToHours;           // the phrase holds an "h" or "H": the text is for the hours entry
    std::string EntryText;  // UTF-8
};

// Reads a cooking time such as "2 and 1/4 hours" ("2.25 hr"), "1 hour 20 minutes" ("1.33 hr")
// or "1 2/3 min" ("1.67") from a UTF-8 selection. Any other phrase comes back with its outer
// spaces trimmed. Never fails.
PhraseReading ParseTimePhrase(std::string_view selection);

}  // namespace hobwatch
