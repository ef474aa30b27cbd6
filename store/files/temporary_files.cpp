#include "store/files/temporary_files.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <charconv>
#include <memory>
#include <optional>
#include <string_view>

namespace hobwatch {
namespace {

constexpr int kMaxTemporaryNameAttempts = 100;
constexpr std::string_view kSuffix = ".tmp";

std::string NamePrefix(const std::string& name) { return "." + name + "."; }

// The number that `text` holds as this program writes it (decimal digits, no leading zero), if
// it fits.
template <typename Number>
std::optional<Number> WholeNumber(std::string_view text) {
    Number number{};
    const char* const end = text.data() + text.size();
    if (text.empty() || text.front() < '0' || text.front() > '9' ||
        (text.size() > 1 && text.front() == '0')) {
        return std::nullopt;
    }
    const auto [stop, error] = std::from_chars(text.data(), end, number);
    if (error != std::errc() || stop != end) {
        return std::nullopt;
    }
    return number;
}

// The process that made `entry`, if `entry` is a temporary file name for `name`.
std::optional<pid_t> TemporaryFileWriter(std::string_view entry, const std::string& name) {
    const std::string prefix = NamePrefix(name);
    if (!entry.starts_with(prefix) || !entry.ends_with(kSuffix)) {
        return std::nullopt;
    }
    entry.remove_prefix(prefix.size());
    entry.remove_suffix(kSuffix.size());
    const std::size_t dash = entry.find('-');
    if (dash == std::string_view::npos) {
        return std::nullopt;
    }
    const std::optional<pid_t> pid = WholeNumber<pid_t>(entry.substr(0, dash));
    if (!pid || *pid <= 0 || !WholeNumber<unsigned long>(entry.substr(dash + 1))) {
        return std::nullopt;
    }
    return pid;
}

// "Not permitted" means the process exists under another user.
bool ProcessEnded(pid_t pid) { return ::kill(pid, 0) != 0 && errno == ESRCH; }

bool OwnRegularFile(int folder, const char* entry) {
    struct stat status {};
    return ::fstatat(folder, entry, &status, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(status.st_mode) &&
           status.st_uid == ::geteuid();
}

}  // namespace

FileDescriptor CreateTemporaryFile(int folder, const std::string& name, mode_t mode,
                                   std::string& temporaryName) {
    static std::atomic<unsigned> serial{0};
    const std::string stem = NamePrefix(name) + std::to_string(::getpid()) + '-';
    for (int attempt = 0; attempt < kMaxTemporaryNameAttempts; ++attempt) {
        temporaryName = stem;
        temporaryName += std::to_string(serial++);
        temporaryName += kSuffix;
        FileDescriptor file(::openat(folder, temporaryName.c_str(),
                                     O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode));
        if (file.valid() || errno != EEXIST) {
            return file;
        }
    }
    return FileDescriptor();
}

void RemoveAbandonedTemporaryFiles(int folder, const std::string& name) {
    // A listing of its own: closing the listing closes the descriptor it was made from.
    const int listed = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (listed < 0) {
        return;
    }
    const std::unique_ptr<DIR, int (*)(DIR*)> listing(::fdopendir(listed), &::closedir);
    if (!listing) {
        ::close(listed);
        return;
    }
    while (const dirent* entry = ::readdir(listing.get())) {
        const std::optional<pid_t> writer = TemporaryFileWriter(entry->d_name, name);
        if (writer && OwnRegularFile(folder, entry->d_name) && ProcessEnded(*writer)) {
            ::unlinkat(folder, entry->d_name, 0);
        }
    }
}

}  // namespace hobwatch
