#pragma once

#include <grp.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "store/settings_file.h"

namespace hobwatch {

inline void PrintTo(const SettingsRecord& r, std::ostream* out) {
    *out << "{" << r.ToneAlarm << ", " << r.BellAlarm << ", " << r.AutomaticExit << ", "
         << ::testing::PrintToString(r.MinutesEntry) << ", "
         << ::testing::PrintToString(r.HoursEntry) << ", " << ::testing::PrintToString(r.Notes)
         << "}";
}

namespace testing_support {

namespace fs = std::filesystem;

inline constexpr char kFile[] = "Hobwatch.txt";

// The window's state before the file is read, with the given values of lines 1 to 3; the entries
// and the notes as given or else at their defaults.
inline SettingsRecord Record(std::int16_t tone, std::int16_t bell, std::int16_t exit,
                             std::string minutes = "15", std::string hours = "2.5",
                             std::string notes = "Sample notes\r\n") {
    return {tone, bell, exit, std::move(minutes), std::move(hours), std::move(notes)};
}
inline const SettingsRecord kDefaults = Record(0, 1, 0);

// A file as the user left it, and what a save puts in its place.
inline const std::string kOldBytes = "1\r\n1\r\n1\r\n7\r\n0.75\r\nOld notes\r\n";
inline const SettingsRecord kNewState = Record(2, 0, 2, "30", "1", "New notes");
inline const std::string kNewBytes = "2\r\n0\r\n2\r\n30\r\n1\r\nNew notes\r\n";

inline SettingsRecord Loaded(const fs::path& file) {
    SettingsRecord record = kDefaults;
    ReadSettingsFile(file, record);
    return record;
}

inline std::string Repeated(std::string_view unit, std::size_t count) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        text += unit;
    }
    return text;
}

inline void WriteBytes(const fs::path& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

inline std::string ReadBytes(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// What shows that a file was left alone, without reading what may be gigabytes: the same file,
// of the same size, unmodified since, starting with the same bytes.
struct FileState {
    ino_t inode;
    off_t size;
    std::int64_t modifiedNs;
    std::string start;
    bool operator==(const FileState&) const = default;
};

inline FileState StateOf(const fs::path& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        return {};
    }
    std::string start(64, '\0');
    std::ifstream(path, std::ios::binary).read(start.data(), 64);
    return {status.st_ino, status.st_size,
            std::int64_t{status.st_mtim.tv_sec} * 1'000'000'000 + status.st_mtim.tv_nsec, start};
}

// Names in `directory`, sorted.
inline std::vector<std::string> Entries(const fs::path& directory) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(directory)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// Each test runs in a fresh temporary directory of its own, which the unprivileged user may
// enter too.
class StoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "hobwatch-store-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        directory_ = pattern;
        ASSERT_EQ(::chmod(pattern.c_str(), 0755), 0);
    }
    // Restores the write permission of the test's folder only: a test that takes it from a
    // folder inside gives it back itself.
    void TearDown() override {
        fs::permissions(directory_, fs::perms::owner_all);
        fs::remove_all(directory_);
    }

    // `name` in the test's directory.
    fs::path Path(const fs::path& name) const { return directory_ / name; }
    // The settings file in the test's directory.
    fs::path File() const { return Path(kFile); }
    SettingsRecord Loaded() const { return testing_support::Loaded(File()); }

private:
    fs::path directory_;
};

// Permission checks mean nothing to root, so these tests run the code under test as "nobody".
inline constexpr uid_t kNobody = 65534;

// The file's owner (a link's own, when `link`) becomes "nobody" when the tests run as root;
// else it stays the user's.
inline void GiveToNobody(const char* path, bool link = false) {
    if (::geteuid() == 0) {
        ASSERT_EQ((link ? ::lchown : ::chown)(path, kNobody, kNobody), 0) << path;
    }
}

// Runs `body` in a forked child, as "nobody" when `as_nobody` and the tests run as root; the
// result is the child's exit status: 0 when `body` returned true, anything else on failure.
inline int RunInChild(const std::function<bool()>& body, bool as_nobody) {
    const pid_t child = ::fork();
    if (child == 0) {
        if (as_nobody && ::geteuid() == 0 &&
            (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) {
            ::_exit(2);
        }
        ::_exit(body() ? 0 : 1);
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child) {
        return -1;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

}  // namespace testing_support
}  // namespace hobwatch
