#pragma once

#include <sys/types.h>

#include <filesystem>
#include <functional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "store/settings_file.h"

namespace hobwatch {

bool operator==(const SettingsRecord& a, const SettingsRecord& b);
void PrintTo(const SettingsRecord& record, std::ostream* out);

namespace testing_support {

// What the window holds before the file is read: the controls' initial values.
SettingsRecord WindowDefaults();

// Each test runs in a fresh temporary directory of its own, made current for the test and
// entered by the unprivileged user too.
class StoreTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    const std::filesystem::path& directory() const { return directory_; }

private:
    std::filesystem::path directory_;
    std::filesystem::path previous_directory_;
};

void WriteBytes(const std::filesystem::path& path, std::string_view bytes);
std::string ReadBytes(const std::filesystem::path& path);

// Names in `directory`, sorted.
std::vector<std::string> Entries(const std::filesystem::path& directory);

// Permission checks mean nothing to root, so these tests run the code under test as "nobody".
constexpr uid_t kNobody = 65534;
bool RunningAsRoot();

// Runs `body` in a forked child, as "nobody" when `as_nobody` and the tests run as root; the
// result is the child's exit status: 0 when `body` returned true, anything else on failure.
int RunInChild(const std::function<bool()>& body, bool as_nobody);

}  // namespace testing_support
}  // namespace hobwatch
