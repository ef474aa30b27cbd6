#pragma once

#include <cerrno>
#include <system_error>

namespace hobwatch {

// The error of the system call that just failed.
inline std::error_code LastSystemError() { return {errno, std::generic_category()}; }

}  // namespace hobwatch
