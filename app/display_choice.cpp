#include "app/display_choice.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace hobwatch {
namespace {

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

// Whether something listens on the local socket `path`; a leading NUL names an abstract socket.
bool Answers(std::string_view path) {
    sockaddr_un address{};
    if (path.empty() || path.size() >= sizeof(address.sun_path)) {
        return false;
    }
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.data(), path.size());
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socket < 0) {
        return false;
    }
    const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + path.size());
    const bool connected =
        ::connect(socket, reinterpret_cast<const sockaddr*>(&address), length) == 0;
    ::close(socket);
    return connected;
}

// DISPLAY is [host]:number[.screen]. A display on another host is taken on trust: reaching it
// could take as long as the network wants.
bool XServerAnswers(const std::string& display) {
    const std::size_t colon = display.rfind(':');
    if (colon == std::string::npos) {
        return false;
    }
    const std::string host = display.substr(0, colon);
    if (!host.empty() && host != "unix") {
        return true;
    }
    const std::string number = display.substr(colon + 1, display.find('.', colon) - colon - 1);
    const std::string socket = "/tmp/.X11-unix/X" + number;
    return Answers(std::string(1, '\0') + socket) || Answers(socket);
}

// WAYLAND_DISPLAY is a socket's path, or its name in XDG_RUNTIME_DIR.
bool CompositorAnswers(const std::string& display) {
    return Answers(display.starts_with('/') ? display
                                            : Environment("XDG_RUNTIME_DIR") + "/" + display);
}

}  // namespace

bool ChooseDisplay() {
    if (!Environment("QT_QPA_PLATFORM").empty()) {
        return true;
    }
    const std::string x11 = Environment("DISPLAY");
    const std::string wayland = Environment("WAYLAND_DISPLAY");
    if (!x11.empty() && XServerAnswers(x11)) {
        ::setenv("QT_QPA_PLATFORM", "xcb", 1);
        return true;
    }
    if (!wayland.empty() && CompositorAnswers(wayland)) {
        ::setenv("QT_QPA_PLATFORM", "wayland", 1);
        return true;
    }
    std::fputs(
        "hobwatch: no display to open the window on: neither DISPLAY nor WAYLAND_DISPLAY names "
        "one that answers\n",
        stderr);
    return false;
}

}  // namespace hobwatch
