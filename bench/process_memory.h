#pragma once

#include <sys/types.h>

namespace hobwatch::bench {

// Resident memory (VmRSS) summed over some processes, in KiB, and how many processes.
struct ResidentMemory {
    long kib = 0;
    int processes = 0;
};

// VmRSS of the process `pid` alone; zero processes when it is gone.
ResidentMemory ProcessMemory(pid_t pid);

// VmRSS of every process descended from `ancestor` (children, their children, ...), with
// `ancestor` itself only when `include_ancestor` is true.
ResidentMemory DescendantsMemory(pid_t ancestor, bool include_ancestor);

}  // namespace hobwatch::bench
