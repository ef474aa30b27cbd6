// Launches a program on the current X display and reports how long its first window took to
// appear and to be painted, then its resident memory a given time after the launch.
//
// Usage: first_paint_watch [--memory-at SECONDS] [--timeout SECONDS] [--helpers-of PID]
//                          -- PROGRAM [ARGUMENTS...]
//
// Prints one line of fields:
//   map_ms      launch to the first top-level window of the program becoming viewable
//   paint_ms    launch to the first drawing into that window (an XDamage report)
//   rss_kb      VmRSS of the launched process, KiB, --memory-at seconds after the launch
//   tree_kb     VmRSS of the launched process and every process it started
//   helpers_kb  VmRSS of the processes descended from --helpers-of (a session bus, say)
//   class       the window's WM_CLASS, to show which window was watched
// The launch is the moment just before fork, so no polling stands between it and the figures:
// the watcher subscribes to the root window's substructure before the program exists, and puts
// a damage monitor on each top-level window as soon as it is created. The program and all it
// started in its process group are then ended. Exit status 1 when no window was painted.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <map>
#include <optional>
#include <set>
#include <string>

#include "process_memory.h"

namespace {

using hobwatch::bench::DescendantsMemory;
using hobwatch::bench::ProcessMemory;
using hobwatch::bench::ResidentMemory;

double NowMs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// Windows vanish while we look at them; their errors mean nothing here.
int IgnoreXError(Display*, XErrorEvent*) { return 0; }

struct Options {
    double memory_at_s = 3.0;
    double timeout_s = 30.0;
    pid_t helpers_of = 0;
    char** command = nullptr;
};

[[noreturn]] void Usage() {
    std::fprintf(stderr,
                 "usage: first_paint_watch [--memory-at S] [--timeout S] [--helpers-of PID] "
                 "-- PROGRAM [ARGS...]\n");
    std::exit(2);
}

Options ParseOptions(int argc, char** argv) {
    Options options;
    int i = 1;
    for (; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        if (i + 1 >= argc) {
            Usage();
        }
        const std::string name = argv[i];
        const char* value = argv[++i];
        if (name == "--memory-at") {
            options.memory_at_s = std::atof(value);
        } else if (name == "--timeout") {
            options.timeout_s = std::atof(value);
        } else if (name == "--helpers-of") {
            options.helpers_of = static_cast<pid_t>(std::atol(value));
        } else {
            Usage();
        }
    }
    if (i + 1 >= argc) {
        Usage();
    }
    options.command = argv + i + 1;
    return options;
}

pid_t Launch(Display* display, char** command) {
    const pid_t pid = fork();
    if (pid == 0) {
        setpgid(0, 0);
        fcntl(ConnectionNumber(display), F_SETFD, FD_CLOEXEC);
        execvp(command[0], command);
        std::perror(command[0]);
        _exit(127);
    }
    if (pid > 0) {
        setpgid(pid, pid);
    }
    return pid;
}

// Follows the program's top-level windows from their creation to their first paint.
class WindowWatch {
public:
    WindowWatch(Display* display, int damage_event_base)
        : display_(display), damage_notify_(damage_event_base + XDamageNotify) {}

    void Handle(const XEvent& event, double at_ms) {
        switch (event.type) {
            case CreateNotify:
                OnCreate(event.xcreatewindow);
                break;
            case ReparentNotify:
                // The window manager's frame is not the program's window, though it is viewable
                // at the same moment.
                if (event.xreparent.parent != DefaultRootWindow(display_)) {
                    frames_.insert(event.xreparent.parent);
                }
                break;
            case MapNotify:
                if (!window_) {
                    FindViewableWindow(at_ms);
                }
                break;
            default:
                if (event.type == damage_notify_) {
                    const auto& damage = reinterpret_cast<const XDamageNotifyEvent&>(event);
                    first_damage_ms_.emplace(damage.drawable, at_ms);
                }
        }
    }

    std::optional<double> map_ms() const { return map_ms_; }

    std::optional<double> paint_ms() const {
        if (!window_) {
            return std::nullopt;
        }
        const auto damage = first_damage_ms_.find(*window_);
        return damage == first_damage_ms_.end() ? std::nullopt : std::optional(damage->second);
    }

    std::string window_class() const {
        XClassHint hint{};
        if (!window_ || XGetClassHint(display_, *window_, &hint) == 0) {
            return "?";
        }
        std::string name = hint.res_class != nullptr ? hint.res_class : "?";
        XFree(hint.res_name);
        XFree(hint.res_class);
        return name;
    }

private:
    void OnCreate(const XCreateWindowEvent& created) {
        if (created.parent != DefaultRootWindow(display_) || created.override_redirect) {
            return;
        }
        // Before the window can be mapped, so that no paint escapes the report.
        XDamageCreate(display_, created.window, XDamageReportNonEmpty);
        XSelectInput(display_, created.window, StructureNotifyMask);
        candidates_.insert(created.window);
    }

    void FindViewableWindow(double at_ms) {
        for (const Window candidate : candidates_) {
            XWindowAttributes attributes{};
            if (frames_.count(candidate) == 0 &&
                XGetWindowAttributes(display_, candidate, &attributes) != 0 &&
                attributes.map_state == IsViewable && !attributes.override_redirect) {
                window_ = candidate;
                map_ms_ = at_ms;
                return;
            }
        }
    }

    Display* display_;
    int damage_notify_;
    std::set<Window> candidates_;
    std::set<Window> frames_;
    std::map<Window, double> first_damage_ms_;
    std::optional<Window> window_;
    std::optional<double> map_ms_;
};

// Ends the program's process group, politely first.
void EndProgram(pid_t pid) {
    killpg(pid, SIGTERM);
    for (int tries = 0; tries < 40; ++tries) {
        if (waitpid(pid, nullptr, WNOHANG) == pid) {
            killpg(pid, SIGKILL);
            return;
        }
        usleep(50'000);
    }
    killpg(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

std::string Figure(std::optional<double> ms) {
    if (!ms) {
        return "nan";
    }
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", *ms);
    return text;
}

}  // namespace

int main(int argc, char** argv) {
    const Options options = ParseOptions(argc, argv);
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "first_paint_watch: cannot open the display\n");
        return 2;
    }
    int damage_event_base = 0;
    int damage_error_base = 0;
    if (!XDamageQueryExtension(display, &damage_event_base, &damage_error_base)) {
        std::fprintf(stderr, "first_paint_watch: the X server has no DAMAGE extension\n");
        return 2;
    }
    XSetErrorHandler(IgnoreXError);
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    WindowWatch watch(display, damage_event_base);
    const double launched_ms = NowMs();
    const pid_t pid = Launch(display, options.command);
    if (pid < 0) {
        std::perror("fork");
        return 2;
    }

    const double deadline_ms = launched_ms + options.timeout_s * 1e3;
    pollfd connection{ConnectionNumber(display), POLLIN, 0};
    while (!watch.paint_ms() && NowMs() < deadline_ms) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            watch.Handle(event, NowMs() - launched_ms);
        }
        if (!watch.paint_ms()) {
            poll(&connection, 1, 100);
        }
    }

    const double memory_at_ms = launched_ms + options.memory_at_s * 1e3;
    while (NowMs() < memory_at_ms) {
        usleep(static_cast<useconds_t>(std::min(memory_at_ms - NowMs(), 100.0) * 1e3));
    }
    const ResidentMemory own = ProcessMemory(pid);
    const ResidentMemory tree = DescendantsMemory(pid, true);
    const ResidentMemory helpers =
        options.helpers_of > 0 ? DescendantsMemory(options.helpers_of, false) : ResidentMemory{};
    const std::string window_class = watch.window_class();
    EndProgram(pid);

    std::printf(
        "map_ms=%s paint_ms=%s rss_kb=%ld tree_kb=%ld tree_procs=%d helpers_kb=%ld "
        "helpers_procs=%d class=%s\n",
        Figure(watch.map_ms()).c_str(), Figure(watch.paint_ms()).c_str(), own.kib, tree.kib,
        tree.processes, helpers.kib, helpers.processes, window_class.c_str());
    XCloseDisplay(display);
    return watch.paint_ms() ? 0 : 1;
}
