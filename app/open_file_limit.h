#pragma once

namespace hobwatch {

// Makes sure the program may open the files it needs (the display's connection, the event loop's
// wake-ups, the settings file and its folder, fonts): a lower limit is raised where the system
// allows. Where it does not, prints one line on standard error and returns false: Qt would end
// the program with a trap when it ran out.
bool EnsureOpenFileLimit();

}  // namespace hobwatch
