#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "app/settings_location.h"

namespace hobwatch {
namespace {

namespace fs = std::filesystem;

constexpr fs::perms kEveryoneWrites = fs::perms::all;
constexpr fs::perms kNobodyWrites = fs::perms::owner_read | fs::perms::owner_exec |
                                    fs::perms::group_read | fs::perms::group_exec |
                                    fs::perms::others_read | fs::perms::others_exec;

// Permission checks mean nothing to root: the location is found as "nobody" when the tests run
// as root, in a child; true when `check` held there.
bool HoldsForAnOrdinaryUser(const std::function<bool()>& check) {
    const pid_t child = ::fork();
    if (child == 0) {
        constexpr uid_t kNobody = 65534;
        if (::geteuid() == 0 && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) {
            ::_exit(2);
        }
        ::_exit(check() ? 0 : 1);
    }
    int status = -1;
    return ::waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

class SettingsLocationTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "hobwatch-location-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        root_ = pattern;
        fs::permissions(root_, fs::perms::all);
    }
    void TearDown() override { fs::remove_all(root_); }

    fs::path Path(const char* name) const { return root_ / name; }

    fs::path root_;
};

TEST_F(SettingsLocationTest, BesideTheProgramWhereItsFolderIsWritable_ElseInTheConfigFolder) {
    struct Row {
        const char* name;
        bool programFolderWritable;
        bool fileBeside;
        bool fileInConfig;
        const char* configHome;
        const char* readFrom;
        const char* saveTo;
    };
    const Row rows[] = {
        {"PortableCopy", true, true, true, "", "program", "program"},
        {"InstalledFirstRun", false, false, false, "", "home/.config", "home/.config"},
        {"InstalledWithACookbookBesideIt", false, true, false, "", "program", "home/.config"},
        {"InstalledAfterTheFirstSave", false, true, true, "", "home/.config", "home/.config"},
        {"ConfigHomeSet", false, false, false, "/xdg", "/xdg", "/xdg"},
        {"RelativeConfigHomeIgnored", false, false, false, "xdg", "home/.config", "home/.config"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const fs::path program = Path(row.name);
        const fs::path home = Path("home");
        fs::create_directories(program);
        const fs::path config = home / ".config" / "hobwatch";
        fs::remove_all(home);
        fs::create_directories(config);
        if (row.fileBeside) {
            std::ofstream(program / "Hobwatch.txt") << "1\r\n";
        }
        if (row.fileInConfig) {
            std::ofstream(config / "Hobwatch.txt") << "1\r\n";
        }
        // Even a file anyone may write does not make its folder writable.
        if (fs::exists(program / "Hobwatch.txt")) {
            fs::permissions(program / "Hobwatch.txt", fs::perms::all);
        }
        fs::permissions(program, row.programFolderWritable ? kEveryoneWrites : kNobodyWrites);
        const auto expected = [&](const char* where) {
            const std::string folder = where;
            if (folder == "program") {
                return program / "Hobwatch.txt";
            }
            return (folder.starts_with('/') ? fs::path(folder) : root_ / folder) / "hobwatch" /
                   "Hobwatch.txt";
        };
        const fs::path readFrom = expected(row.readFrom);
        const fs::path saveTo = expected(row.saveTo);

        EXPECT_TRUE(HoldsForAnOrdinaryUser([&] {
            const SettingsLocation found = LocateSettings(program, row.configHome, home.string());
            return found.ReadFrom == readFrom && found.SaveTo == saveTo;
        }));
        fs::permissions(program, fs::perms::owner_all);
    }
}

}  // namespace
}  // namespace hobwatch
