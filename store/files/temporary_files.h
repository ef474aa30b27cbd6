#pragma once

#include <sys/types.h>

#include <string>

#include "store/files/file_descriptor.h"

namespace hobwatch {

// A save writes its new content to a temporary file beside the file it replaces, named
// ".<name>.<process id>-<serial>.tmp".

// Creates a new, empty temporary file for the file `name` in the open folder `folder` with the
// permission bits `mode` (less the umask); its name goes to `temporaryName`. Invalid when none
// could be made (errno tells why).
FileDescriptor CreateTemporaryFile(int folder, const std::string& name, mode_t mode,
                                   std::string& temporaryName);

// Removes the temporary files that saves of `name` killed midway left in `folder`: only names of
// exactly the form above, only regular files of the user running the program, and only when
// their process has ended. Nothing else would ever remove them.
void RemoveAbandonedTemporaryFiles(int folder, const std::string& name);

}  // namespace hobwatch
