#include "process_memory.h"

#include <dirent.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace hobwatch::bench {
namespace {

// The parent of `pid`, from /proc/PID/stat; 0 when unknown. The command name in brackets may
// hold blanks and brackets itself, so the fields are counted from its last ')'.
pid_t ParentOf(pid_t pid) {
    std::ifstream file("/proc/" + std::to_string(pid) + "/stat");
    std::string stat((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    const std::size_t end_of_name = stat.rfind(')');
    if (end_of_name == std::string::npos) {
        return 0;
    }
    std::istringstream fields(stat.substr(end_of_name + 1));
    std::string state;
    pid_t parent = 0;
    fields >> state >> parent;
    return parent;
}

std::vector<pid_t> AllProcesses() {
    std::vector<pid_t> pids;
    DIR* proc = ::opendir("/proc");
    if (proc == nullptr) {
        return pids;
    }
    while (const dirent* entry = ::readdir(proc)) {
        char* end = nullptr;
        const long pid = std::strtol(entry->d_name, &end, 10);
        if (pid > 0 && *end == '\0') {
            pids.push_back(static_cast<pid_t>(pid));
        }
    }
    ::closedir(proc);
    return pids;
}

}  // namespace

ResidentMemory ProcessMemory(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return {std::atol(line.c_str() + 6), 1};
        }
    }
    return {};
}

ResidentMemory DescendantsMemory(pid_t ancestor, bool include_ancestor) {
    std::multimap<pid_t, pid_t> children;
    for (const pid_t pid : AllProcesses()) {
        children.emplace(ParentOf(pid), pid);
    }
    ResidentMemory total = include_ancestor ? ProcessMemory(ancestor) : ResidentMemory{};
    std::vector<pid_t> pending{ancestor};
    while (!pending.empty()) {
        const pid_t parent = pending.back();
        pending.pop_back();
        const auto [first, last] = children.equal_range(parent);
        for (auto child = first; child != last; ++child) {
            const ResidentMemory memory = ProcessMemory(child->second);
            total.kib += memory.kib;
            total.processes += memory.processes;
            pending.push_back(child->second);
        }
    }
    return total;
}

}  // namespace hobwatch::bench
