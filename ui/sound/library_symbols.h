#pragma once

#include <dlfcn.h>

#include <optional>

namespace hobwatch {

// Sets `function` to the function `name` of `library`; false when the library has none.
template <typename Function>
bool FindFunction(void* library, const char* name, Function& function) {
    function = reinterpret_cast<Function>(dlsym(library, name));
    return function != nullptr;
}

// Opens the shared library `soname` at the first call and fills a `Table` of its functions with
// `find`, which returns false when one is missing; nullptr then, or when there is no such
// library. Thread-safe. The library is never closed: the table serves the rest of the run.
template <typename Table>
const Table* LoadFunctionTable(const char* soname, bool (*find)(void* library, Table& table)) {
    static const std::optional<Table> table = [&]() -> std::optional<Table> {
        void* library = dlopen(soname, RTLD_NOW | RTLD_LOCAL);
        Table found;
        if (library != nullptr && find(library, found)) {
            return found;
        }
        return std::nullopt;
    }();
    return table ? &*table : nullptr;
}

}  // namespace hobwatch
