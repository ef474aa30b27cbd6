#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "store/settings_file.h"

namespace {

// The settings file lives in the current directory; every run uses one private directory, and
// leaves it again before returning so that libFuzzer's relative corpus and artifact paths keep
// their meaning.
struct Directories {
    std::string scratch;
    int scratch_fd = -1;
    int original_fd = -1;
};

const Directories* MakeDirectories() {
    static Directories directories;
    std::string pattern =
        (std::filesystem::temp_directory_path() / "hobwatch-settings-fuzz-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        return nullptr;
    }
    directories.scratch = pattern;
    directories.scratch_fd = ::open(pattern.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    directories.original_fd = ::open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (directories.scratch_fd < 0 || directories.original_fd < 0) {
        return nullptr;
    }
    std::atexit([] {
        std::error_code ignored;
        std::filesystem::remove_all(directories.scratch, ignored);
    });
    return &directories;
}

hobwatch::SettingsRecord WindowDefaults() { return {0, 1, 0, "15", "2.5", "Notes\r\n"}; }

hobwatch::SettingsRecord Loaded() {
    hobwatch::SettingsRecord record = WindowDefaults();
    hobwatch::ReadSettingsFile(record);
    return record;
}

bool Same(const hobwatch::SettingsRecord& a, const hobwatch::SettingsRecord& b) {
    return a.Check1Value == b.Check1Value && a.Check2Value == b.Check2Value &&
           a.Check3Value == b.Check3Value && a.Combo1Text == b.Combo1Text &&
           a.Combo2Text == b.Combo2Text && a.Text1Text == b.Text1Text;
}

}  // namespace

// Whatever a hand-edited file holds, what was read from it must come back unchanged after a save
// and a load. That also proves the texts read are valid UTF-8: anything else would be decoded
// differently the second time.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const Directories* const directories = MakeDirectories();
    if (directories == nullptr || ::fchdir(directories->scratch_fd) != 0) {
        __builtin_trap();
    }
    {
        std::ofstream file("Hobwatch.txt", std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    const hobwatch::SettingsRecord loaded = Loaded();
    hobwatch::WriteSettingsFile(loaded);
    const hobwatch::SettingsRecord reloaded = Loaded();
    if (::fchdir(directories->original_fd) != 0 || !Same(reloaded, loaded)) {
        __builtin_trap();
    }
    return 0;
}
