#include "app/open_file_limit.h"

#include <sys/resource.h>

#include <cstdio>

namespace hobwatch {
namespace {

// Twice the 16 without which a run could not save its settings.
constexpr rlim_t kNeededOpenFiles = 32;

}  // namespace

bool EnsureOpenFileLimit() {
    rlimit limit{};
    if (::getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur >= kNeededOpenFiles) {
        return true;
    }
    const rlim_t allowed = limit.rlim_cur;
    if (limit.rlim_max >= kNeededOpenFiles) {
        limit.rlim_cur = kNeededOpenFiles;
        if (::setrlimit(RLIMIT_NOFILE, &limit) == 0) {
            return true;
        }
    }
    std::fprintf(stderr,
                 "hobwatch: the system lets Hobwatch open only %llu files at once (ulimit -n), "
                 "and it needs %llu\n",
                 static_cast<unsigned long long>(allowed),
                 static_cast<unsigned long long>(kNeededOpenFiles));
    return false;
}

}  // namespace hobwatch
