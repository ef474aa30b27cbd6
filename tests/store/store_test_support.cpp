#include "store_test_support.h"

#include <grp.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <sstream>

namespace hobwatch {

bool operator==(const SettingsRecord& a, const SettingsRecord& b) {
    return a.Check1Value == b.Check1Value && a.Check2Value == b.Check2Value &&
           a.Check3Value == b.Check3Value && a.Combo1Text == b.Combo1Text &&
           a.Combo2Text == b.Combo2Text && a.Text1Text == b.Text1Text;
}

void PrintTo(const SettingsRecord& record, std::ostream* out) {
    *out << "{" << record.Check1Value << ", " << record.Check2Value << ", " << record.Check3Value
         << ", " << ::testing::PrintToString(record.Combo1Text) << ", "
         << ::testing::PrintToString(record.Combo2Text) << ", "
         << ::testing::PrintToString(record.Text1Text) << "}";
}

namespace testing_support {

SettingsRecord WindowDefaults() { return {0, 1, 0, "15", "2.5", "Sample notes\r\n"}; }

void StoreTest::SetUp() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "hobwatch-store-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    directory_ = pattern;
    ASSERT_EQ(::chmod(pattern.c_str(), 0755), 0);
    previous_directory_ = std::filesystem::current_path();
    std::filesystem::current_path(directory_);
}

void StoreTest::TearDown() {
    std::filesystem::current_path(previous_directory_);
    std::filesystem::permissions(directory_, std::filesystem::perms::owner_all);
    std::filesystem::remove_all(directory_);
}

void WriteBytes(const std::filesystem::path& path, std::string_view bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(file.good()) << path;
}

std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

std::vector<std::string> Entries(const std::filesystem::path& directory) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(directory)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

bool RunningAsRoot() { return ::geteuid() == 0; }

int RunInChild(const std::function<bool()>& body, bool as_nobody) {
    const pid_t child = ::fork();
    if (child == 0) {
        if (as_nobody && RunningAsRoot() &&
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
