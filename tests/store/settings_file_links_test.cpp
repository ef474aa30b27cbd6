#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include <gtest/gtest.h>

#include "store/settings_error.h"
#include "store/settings_file.h"
#include "store_test_support.h"

namespace hobwatch {
namespace {

using namespace testing_support;

const std::string kTargetBytes = "1\r\n1\r\n1\r\n7\r\n0.75\r\nSomeone else's file\r\n";
const SettingsRecord kSaved = Record(2, 0, 2, "30", "1", "Saved notes");

// A link named like the settings file in a shared folder such as /tmp, pointing at a file of the
// user running the program. Whatever fs.protected_symlinks says, a link there is followed only
// when it belongs to the folder's owner or to the user who follows it.
TEST_F(StoreTest, LinkInAStickyWorldWritableFolder_FollowedOnlyWhereTheKernelRuleAllows) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "making files of another user needs root";
    }
    struct Row {
        const char* name;
        mode_t folderMode;
        uid_t folderOwner;
        uid_t linkOwner;
        bool followed;
    };
    const Row rows[] = {
        {"AnotherUsersLinkInASharedFolder", 01777, 0, kNobody, false},
        {"OwnLinkInASharedFolder", 01777, 0, 0, true},
        {"TheFolderOwnersLink", 01777, kNobody, kNobody, true},
        {"StickyFolderOnlyItsOwnerWrites", 01755, 0, kNobody, true},
        {"WorldWritableFolderWithoutStickyBit", 0777, 0, kNobody, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const fs::path shared = Path(row.name);
        fs::create_directory(shared);
        ASSERT_EQ(::chown(shared.c_str(), row.folderOwner, row.folderOwner), 0);
        ASSERT_EQ(::chmod(shared.c_str(), row.folderMode), 0);
        const fs::path target = Path(std::string(row.name) + ".target");
        WriteBytes(target, kTargetBytes);
        const fs::path link = shared / kFile;
        fs::create_symlink(target, link);
        ASSERT_EQ(::lchown(link.c_str(), row.linkOwner, row.linkOwner), 0);

        SettingsRecord record = kDefaults;
        const std::error_code loaded = LoadSettingsFile(link, record);
        EXPECT_EQ(WriteSettingsFile(link, kSaved), row.followed);

        if (row.followed) {
            EXPECT_FALSE(loaded) << loaded.message();
            EXPECT_EQ(ReadBytes(target), "2\r\n0\r\n2\r\n30\r\n1\r\nSaved notes\r\n");
        } else {
            EXPECT_EQ(loaded, SettingsFileError::UntrustedLink) << loaded.message();
            EXPECT_EQ(record, kDefaults);
            EXPECT_EQ(ReadBytes(target), kTargetBytes);
            EXPECT_EQ(fs::read_symlink(link), target);
        }
    }
}

// The rule holds for every link on the way, not only for the one named like the file.
TEST_F(StoreTest, UntrustedLinkFurtherAlongThePath_NothingReadOrWritten) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "making files of another user needs root";
    }
    const fs::path shared = Path("shared");
    fs::create_directory(shared);
    ASSERT_EQ(::chmod(shared.c_str(), 01777), 0);
    fs::create_directories(Path("private"));
    WriteBytes(Path("private") / kFile, kTargetBytes);
    // A planted link to a folder, and a planted link that the user's own link leads to.
    fs::create_directory_symlink(Path("private"), shared / "folder");
    fs::create_symlink(Path("private") / kFile, shared / "planted");
    fs::create_symlink(shared / "planted", Path("own"));
    for (const char* planted : {"folder", "planted"}) {
        ASSERT_EQ(::lchown((shared / planted).c_str(), kNobody, kNobody), 0);
    }

    for (const fs::path& path : {shared / "folder" / kFile, Path("own")}) {
        SCOPED_TRACE(path.string());
        SettingsRecord record = kDefaults;
        EXPECT_EQ(LoadSettingsFile(path, record), SettingsFileError::UntrustedLink);
        EXPECT_FALSE(WriteSettingsFile(path, kSaved));
    }
    EXPECT_EQ(ReadBytes(Path("private") / kFile), kTargetBytes);
    EXPECT_EQ(Entries(Path("private")), std::vector<std::string>{kFile});
}

}  // namespace
}  // namespace hobwatch
