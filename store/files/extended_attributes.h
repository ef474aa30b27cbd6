#pragma once

#include <system_error>

namespace hobwatch {

// Gives the open file `to` every extended attribute that this user can read on the open file
// `from`, its access control list (system.posix_acl_access) included, and takes from `to` the
// list it got from its folder when `from` has none. An attribute that `to` already holds with
// the same value counts as copied. FileError::AttributesNotKept when one cannot be set
// or that list cannot be taken away; no error on a file system without extended attributes.
std::error_code CopyExtendedAttributes(int from, int to);

}  // namespace hobwatch
