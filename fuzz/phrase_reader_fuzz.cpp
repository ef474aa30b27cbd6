#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/time_phrase.h"
#include "runtime/text.h"

// Any bytes must give a reading that ends normally, as valid UTF-8.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view selection(reinterpret_cast<const char*>(data), size);
    const hobwatch::PhraseReading reading = hobwatch::ParseTimePhrase(selection);
    const std::string& text = reading.EntryText;
    if (hobwatch::EncodeUtf8(hobwatch::DecodeUtf8(text)) != text) {
        __builtin_trap();
    }
    return 0;
}
