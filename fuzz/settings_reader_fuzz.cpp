#include <stdlib.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "store/settings_file.h"

namespace {

// Every run reads and writes the settings file in one private folder, removed at exit.
const std::filesystem::path* MakeScratchFile() {
    static std::filesystem::path folder;
    std::string pattern =
        (std::filesystem::temp_directory_path() / "hobwatch-settings-fuzz-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        return nullptr;
    }
    folder = pattern;
    std::atexit([] {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    });
    static const std::filesystem::path file = folder / "Hobwatch.txt";
    return &file;
}

hobwatch::SettingsRecord Loaded(const std::filesystem::path& file) {
    hobwatch::SettingsRecord record{0, 1, 0, "15", "2.5", "Notes\r\n"};
    hobwatch::ReadSettingsFile(file, record);
    return record;
}

}  // namespace

// Whatever a hand-edited file holds, what was read from it must come back unchanged after a save
// and a load. That also proves the texts read are valid UTF-8: anything else would be decoded
// differently the second time.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::filesystem::path* const file = MakeScratchFile();
    if (file == nullptr) {
        __builtin_trap();
    }
    {
        std::ofstream out(*file, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    const hobwatch::SettingsRecord loaded = Loaded(*file);
    if (!hobwatch::WriteSettingsFile(*file, loaded) || Loaded(*file) != loaded) {
        __builtin_trap();
    }
    return 0;
}
