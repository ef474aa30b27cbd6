#pragma once

#include <dlfcn.h>

namespace hobwatch {

// Opens a shared library by its soname, binding every symbol now; nullptr when it is missing.
// Nothing closes it again: the functions found in it are kept for the rest of the run.
inline void* OpenLibrary(const char* soname) { return dlopen(soname, RTLD_NOW | RTLD_LOCAL); }

// Sets `function` to the function `name` of `library`; false when the library has none.
template <typename Function>
bool FindFunction(void* library, const char* name, Function& function) {
    function = reinterpret_cast<Function>(dlsym(library, name));
    return function != nullptr;
}

}  // namespace hobwatch
