#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cstdlib>
#include <map>
#include <string>

#include <gtest/gtest.h>

#include "store/settings_file.h"
#include "store_test_support.h"

namespace hobwatch {
namespace {

using namespace testing_support;

// Every extended attribute of `path` that this user can read, by name.
std::map<std::string, std::string> AttributesOf(const fs::path& path) {
    std::map<std::string, std::string> attributes;
    std::string names(65536, '\0');
    const ssize_t length = ::listxattr(path.c_str(), names.data(), names.size());
    for (std::size_t start = 0; length > 0 && start < static_cast<std::size_t>(length);) {
        const std::string name(names.c_str() + start);
        start += name.size() + 1;
        std::string value(65536, '\0');
        const ssize_t size = ::getxattr(path.c_str(), name.c_str(), value.data(), value.size());
        value.resize(size < 0 ? 0 : static_cast<std::size_t>(size));
        attributes[name] = value;
    }
    return attributes;
}

int Shell(const std::string& command) { return std::system(command.c_str()); }

// What the old file carries must be what the saved file carries: an access control list that
// lets one more user write (which also sets the group bits of the mode to its mask) and an
// attribute of the user's own survive; a folder's default list, which a new file takes on, does
// not give the saved file rights the old one did not have.
TEST_F(StoreTest, SaveKeepsTheAccessControlListAndExtendedAttributes) {
    const fs::path folder = Path("folder");
    const fs::path file = folder / kFile;
    const struct {
        const char* name;
        std::string setUp;
    } cases[] = {
        {"FileWithAListAndAnAttribute",
         "chmod 640 '" + file.string() + "' && setfacl -m u:nobody:rw,g::r '" + file.string() +
             "' && setfattr -n user.cookbook -v kept '" + file.string() + "'"},
        {"FileWithoutAListInAFolderWithADefaultOne", "chmod 640 '" + file.string() +
                                                         "' && setfacl -d -m u:nobody:rw '" +
                                                         folder.string() + "'"},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.name);
        fs::remove_all(folder);
        fs::create_directory(folder);
        WriteBytes(file, kOldBytes);
        ASSERT_EQ(Shell(row.setUp), 0)
            << "the temporary folder needs a file system with extended attributes (set TMPDIR)";
        const auto before = AttributesOf(file);
        struct stat statusBefore {
        }, statusAfter{};
        ASSERT_EQ(::stat(file.c_str(), &statusBefore), 0);

        EXPECT_TRUE(WriteSettingsFile(file, kNewState));

        ASSERT_EQ(::stat(file.c_str(), &statusAfter), 0);
        EXPECT_EQ(ReadBytes(file), kNewBytes);
        EXPECT_EQ(AttributesOf(file), before);
        EXPECT_EQ(statusAfter.st_mode & 07777, statusBefore.st_mode & 07777);
    }
}

// A file capability may be read by anyone but set only with privilege: a user who saves a file
// carrying one cannot make the new file carry it, so the old file stays.
TEST_F(StoreTest, AttributeThatCannotBeCarriedOver_KeepsTheOldFile) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "setting a file capability needs root";
    }
    const fs::path folder = Path("folder");
    fs::create_directory(folder);
    GiveToNobody(folder.c_str());
    const fs::path file = folder / kFile;
    WriteBytes(file, kOldBytes);
    // Giving the file away clears a capability, so the owner comes first.
    GiveToNobody(file.c_str());
    ASSERT_EQ(Shell("setfattr -n security.capability -v "
                    "0x0000000200000000000000000000000000000000 '" +
                    file.string() + "'"),
              0);
    const auto before = AttributesOf(file);
    ASSERT_TRUE(before.contains("security.capability"));

    EXPECT_EQ(RunInChild([&] { return !WriteSettingsFile(file, kNewState); }, /*as_nobody=*/true),
              0);

    EXPECT_EQ(ReadBytes(file), kOldBytes);
    EXPECT_EQ(AttributesOf(file), before);
    EXPECT_EQ(Entries(folder), std::vector<std::string>{kFile});
}

}  // namespace
}  // namespace hobwatch
