#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <system_error>
#include <vector>

#include <gtest/gtest.h>

#include "app/settings_location.h"
#include "store/files/file_error.h"
#include "tests/store/store_test_support.h"

namespace hobwatch {
namespace {

namespace fs = std::filesystem;

constexpr fs::perms kEveryoneWrites = fs::perms::all;
constexpr fs::perms kNobodyWrites = fs::perms::owner_read | fs::perms::owner_exec |
                                    fs::perms::group_read | fs::perms::group_exec |
                                    fs::perms::others_read | fs::perms::others_exec;

using testing_support::kNobody;
using testing_support::RunInChild;

// Gives `path` (a link itself, not its target) to `owner` when the tests run as root.
void GiveTo(const fs::path& path, uid_t owner) {
    if (::geteuid() == 0) {
        ASSERT_EQ(::lchown(path.c_str(), owner, owner), 0) << path;
    }
}

// Gives `folder` and everything in it to the user that RunInChild runs as.
void GiveToTheUser(const fs::path& folder) {
    GiveTo(folder, kNobody);
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        GiveTo(entry.path(), kNobody);
    }
}

// What `folder` holds, links not followed.
std::vector<fs::path> Listing(const fs::path& folder) {
    std::vector<fs::path> paths;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        paths.push_back(entry.path());
    }
    std::sort(paths.begin(), paths.end());
    return paths;
}

// A fresh folder of the test's own, in which the ordinary user may make folders too.
class SettingsLocationTest : public testing_support::StoreTest {
protected:
    void SetUp() override {
        StoreTest::SetUp();
        fs::permissions(Path("."), fs::perms::all);
    }
};

TEST_F(SettingsLocationTest, BesideTheProgramWhereItsFolderIsWritable_ElseInTheConfigFolder) {
    enum ConfigHome { kUnset, kAbsolute, kRelative };
    struct Row {
        const char* name;
        bool programFolderWritable;
        bool fileBeside;
        bool fileInConfig;
        ConfigHome configHome;
        const char* readFrom;
        const char* saveTo;
        bool relativeHome = false;  // HOME is "home", a relative path
    };
    const Row rows[] = {
        {"PortableCopy", true, true, true, kUnset, "program", "program"},
        {"InstalledFirstRun", false, false, false, kUnset, "home/.config", "home/.config"},
        {"InstalledWithACookbookBesideIt", false, true, false, kUnset, "program", "home/.config"},
        {"InstalledAfterTheFirstSave", false, true, true, kUnset, "home/.config", "home/.config"},
        {"ConfigHomeSet", false, false, false, kAbsolute, "xdg", "xdg"},
        {"RelativeConfigHomeIgnored", false, false, false, kRelative, "home/.config",
         "home/.config"},
        {"RelativeHomeIgnored_TheAccountsHome", false, false, false, kUnset, "account", "account",
         true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        // Run as the test's own user, the account's home folder would be the one written.
        if (row.relativeHome && ::geteuid() != 0) {
            continue;
        }
        const fs::path program = Path(row.name);
        const fs::path home = Path("home");
        fs::create_directories(program);
        const fs::path config = home / ".config" / "hobwatch";
        fs::remove_all(home);
        fs::create_directories(config);
        fs::permissions(config, fs::perms::owner_all);
        if (row.fileBeside) {
            std::ofstream(program / "Hobwatch.txt") << "1\r\n";
        }
        if (row.fileInConfig) {
            std::ofstream(config / "Hobwatch.txt") << "1\r\n";
        }
        GiveToTheUser(home);
        GiveTo(program, kNobody);
        // Even a file anyone may write does not make its folder writable.
        if (fs::exists(program / "Hobwatch.txt")) {
            fs::permissions(program / "Hobwatch.txt", fs::perms::all);
        }
        fs::permissions(program, row.programFolderWritable ? kEveryoneWrites : kNobodyWrites);
        const std::string configHome = row.configHome == kAbsolute   ? Path("xdg").string()
                                       : row.configHome == kRelative ? "xdg"
                                                                     : "";
        const auto expected = [&](const std::string& where) {
            if (where == "program") {
                return program / "Hobwatch.txt";
            }
            const fs::path folder = where == "account"
                                        ? fs::path(::getpwuid(kNobody)->pw_dir) / ".config"
                                        : Path(where);
            return folder / "hobwatch" / "Hobwatch.txt";
        };
        const fs::path readFrom = expected(row.readFrom);
        const fs::path saveTo = expected(row.saveTo);

        const auto locatedAsExpected = [&] {
            const SettingsLocation found =
                LocateSettings(program, configHome, row.relativeHome ? "home" : home.string());
            // The account's home folder may be one that cannot be made ("nobody"'s is not).
            return found.ReadFrom == readFrom && found.SaveTo == saveTo &&
                   (!found.Refusal || row.relativeHome);
        };
        EXPECT_EQ(RunInChild(locatedAsExpected, /*as_nobody=*/true), 0);
        fs::permissions(program, fs::perms::owner_all);
    }
}

// A configuration folder that cannot be made is said at start, with its reason.
TEST_F(SettingsLocationTest, UnusableConfigFolder_RefusedWithItsReason) {
    std::ofstream(Path("file")) << "not a folder";
    struct Row {
        const char* name;
        std::string configHome;
        std::string home;
        std::errc reason;
    };
    const Row rows[] = {
        {"ConfigHomeIsAFile", Path("file").string(), "", std::errc::not_a_directory},
        {"HomeIsTheRoot", "", "/", std::errc::permission_denied},
    };
    fs::create_directory(Path("program"));
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto refusedForItsReason = [&] {
            return LocateSettings(Path("program"), row.configHome, row.home).Refusal == row.reason;
        };
        EXPECT_EQ(RunInChild(refusedForItsReason, /*as_nobody=*/true), 0);
    }
}

// The configuration folder must be the user's alone: one that another user owns or may write,
// or that is reached through another user's folder or link, could be changed under the user's
// notes. Nothing is read or saved there then, and no folder is made through it.
TEST_F(SettingsLocationTest, ConfigFolderThatIsNotTheUsersAlone_IsRefusedAndNothingMadeThere) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "making files of another user needs root";
    }
    constexpr uid_t kOther = 4242;  // neither the user ("nobody") nor root
    // Makes the folder `config` (XDG_CONFIG_HOME) or what stands in its place; `mine` is a folder
    // of the user's.
    using Make = std::function<void(const fs::path& config, const fs::path& mine)>;
    const auto folder = [](uid_t owner, fs::perms mode) {
        return [=](const fs::path& config, const fs::path&) {
            fs::create_directories(config / "hobwatch");
            GiveTo(config / "hobwatch", owner);
            fs::permissions(config / "hobwatch", mode);
        };
    };
    const auto link = [](uid_t owner) {
        return [=](const fs::path& config, const fs::path& mine) {
            fs::create_directory_symlink(mine, config);
            GiveTo(config, owner);
        };
    };
    struct Row {
        const char* name;
        Make make;
        bool refused;
    };
    const Row rows[] = {
        {"MissingFoldersMadeForTheUserAlone", [](const fs::path&, const fs::path&) {}, false},
        {"AnotherUsersFolder", folder(kOther, fs::perms::owner_all), true},
        {"FolderTheGroupMayWrite", folder(kNobody, fs::perms::owner_all | fs::perms::group_all),
         true},
        {"InsideAnotherUsersFolder",
         [](const fs::path& config, const fs::path&) {
             fs::create_directory(config);
             GiveTo(config, kOther);
             fs::permissions(config, fs::perms::all);
         },
         true},
        {"AnotherUsersLinkToTheUsersFolder", link(kOther), true},
        {"TheUsersOwnLink", link(kNobody), false},
        {"TheSystemsLink", link(0), false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const fs::path base = Path(row.name);
        const fs::path program = base / "program";
        const fs::path mine = base / "mine";
        const fs::path config = base / "config";
        fs::create_directories(program);
        fs::permissions(program, kNobodyWrites);
        fs::create_directory(mine);
        GiveTo(base, kNobody);
        GiveTo(mine, kNobody);
        row.make(config, mine);
        const fs::path own = fs::canonical(base) / "config" / "hobwatch" / "Hobwatch.txt";
        const std::vector<fs::path> before = Listing(base);

        const auto locatedAsExpected = [&] {
            const SettingsLocation found = LocateSettings(program, config.string(), "");
            return found.SaveTo == own && found.ReadFrom == own &&
                   found.Refusal == (row.refused ? make_error_code(FileError::UntrustedFolder)
                                                 : std::error_code());
        };
        EXPECT_EQ(RunInChild(locatedAsExpected, /*as_nobody=*/true), 0);
        struct stat made {};
        const bool exists = ::stat(own.parent_path().c_str(), &made) == 0;
        if (row.refused) {
            EXPECT_EQ(Listing(base), before);
        } else {
            ASSERT_TRUE(exists);
            EXPECT_EQ(made.st_uid, kNobody);
            EXPECT_EQ(made.st_mode & 07777, 0700u);
        }
    }
}

}  // namespace
}  // namespace hobwatch
