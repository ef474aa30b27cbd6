#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include <gtest/gtest.h>

#include "store/files/file_error.h"
#include "store/settings_file.h"
#include "store_test_support.h"

namespace hobwatch {
namespace {

using namespace testing_support;

const std::string kTargetBytes = "1\r\n1\r\n1\r\n7\r\n0.75\r\nSomeone else's file\r\n";
const SettingsRecord kSaved = Record(2, 0, 2, "30", "1", "Saved notes");

// A link or a file named like the settings file in a shared folder such as /tmp, where another
// user could plant it; a link points at a file of the user running the program. Whatever
// fs.protected_symlinks and fs.protected_regular say, either is used only when it belongs to
// the folder's owner or to the user running the program.
TEST_F(StoreTest, LinkOrFileInAStickyWorldWritableFolder_UsedOnlyWhereTheKernelRuleAllows) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "making files of another user needs root";
    }
    struct Row {
        const char* name;
        bool link;  // else a file
        mode_t folderMode;
        uid_t folderOwner;
        uid_t owner;
        bool used;
    };
    const Row rows[] = {
        {"AnotherUsersLinkInASharedFolder", true, 01777, 0, kNobody, false},
        {"OwnLinkInASharedFolder", true, 01777, 0, 0, true},
        {"TheFolderOwnersLink", true, 01777, kNobody, kNobody, true},
        {"LinkInAStickyFolderOnlyItsOwnerWrites", true, 01755, 0, kNobody, true},
        {"LinkInAWorldWritableFolderWithoutStickyBit", true, 0777, 0, kNobody, true},
        {"AnotherUsersFileInASharedFolder", false, 01777, 0, kNobody, false},
        {"OwnFileInASharedFolder", false, 01777, 0, 0, true},
        {"TheFolderOwnersFile", false, 01777, kNobody, kNobody, true},
        {"FileInAStickyFolderOnlyItsOwnerWrites", false, 01755, 0, kNobody, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const fs::path shared = Path(row.name);
        fs::create_directory(shared);
        ASSERT_EQ(::chown(shared.c_str(), row.folderOwner, row.folderOwner), 0);
        ASSERT_EQ(::chmod(shared.c_str(), row.folderMode), 0);
        const fs::path planted = shared / kFile;
        const fs::path target = row.link ? Path(std::string(row.name) + ".target") : planted;
        WriteBytes(target, kTargetBytes);
        if (row.link) {
            fs::create_symlink(target, planted);
        }
        ASSERT_EQ(::lchown(planted.c_str(), row.owner, row.owner), 0);

        SettingsRecord record = kDefaults;
        const std::error_code loaded = LoadSettingsFile(planted, record);
        EXPECT_EQ(WriteSettingsFile(planted, kSaved), row.used);

        if (row.used) {
            EXPECT_FALSE(loaded) << loaded.message();
            EXPECT_EQ(ReadBytes(target), "2\r\n0\r\n2\r\n30\r\n1\r\nSaved notes\r\n");
        } else {
            EXPECT_EQ(loaded, row.link ? make_error_code(FileError::UntrustedLink)
                                       : make_error_code(FileError::UntrustedFile))
                << loaded.message();
            EXPECT_EQ(record, kDefaults);
            EXPECT_EQ(ReadBytes(target), kTargetBytes);
            struct stat status {};
            ASSERT_EQ(::lstat(planted.c_str(), &status), 0);
            EXPECT_EQ(status.st_uid, row.owner);
            if (row.link) {
                EXPECT_EQ(fs::read_symlink(planted), target);
            }
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
        EXPECT_EQ(LoadSettingsFile(path, record), FileError::UntrustedLink);
        EXPECT_FALSE(WriteSettingsFile(path, kSaved));
    }
    EXPECT_EQ(ReadBytes(Path("private") / kFile), kTargetBytes);
    EXPECT_EQ(Entries(Path("private")), std::vector<std::string>{kFile});
}

}  // namespace
}  // namespace hobwatch
