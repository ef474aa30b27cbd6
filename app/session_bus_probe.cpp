#include "app/session_bus_probe.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

namespace hobwatch {
namespace {

using Deadline = std::chrono::steady_clock::time_point;

// How long a bus may take to answer before it counts as hung; a working one answers in
// milliseconds, even on a busy machine.
constexpr std::chrono::milliseconds kPatience{1000};

// Closes the socket when it goes out of scope.
class Socket {
public:
    explicit Socket(int descriptor) : descriptor_(descriptor) {}
    ~Socket() {
        if (descriptor_ >= 0) {
            ::close(descriptor_);
        }
    }
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;
    int get() const { return descriptor_; }

private:
    int descriptor_;
};

int MillisecondsLeft(Deadline deadline) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

// Waits for `events` on `socket` until the deadline; false when the time ran out.
bool WaitFor(int socket, short events, Deadline deadline) {
    pollfd watched{.fd = socket, .events = events, .revents = 0};
    int ready = 0;
    do {
        ready = ::poll(&watched, 1, MillisecondsLeft(deadline));
    } while (ready < 0 && errno == EINTR);
    return ready > 0;
}

// A value with its %xx escapes decoded; empty when an escape is malformed.
std::optional<std::string> Unescaped(std::string_view value) {
    std::string text;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '%') {
            text += value[i];
            continue;
        }
        if (i + 2 >= value.size()) {
            return std::nullopt;
        }
        const std::string hex(value.substr(i + 1, 2));
        char* end = nullptr;
        const long byte = std::strtol(hex.c_str(), &end, 16);
        if (end != hex.c_str() + 2) {
            return std::nullopt;
        }
        text += static_cast<char>(byte);
        i += 2;
    }
    return text;
}

// The local socket an entry such as "unix:path=/run/user/1000/bus" names (an abstract one with
// a leading NUL); empty for an entry of another kind.
std::optional<std::string> LocalSocketOf(std::string_view entry) {
    constexpr std::string_view kUnix = "unix:";
    if (!entry.starts_with(kUnix)) {
        return std::nullopt;
    }
    entry.remove_prefix(kUnix.size());
    while (!entry.empty()) {
        const std::size_t comma = entry.find(',');
        const std::string_view pair = entry.substr(0, comma);
        entry = comma == std::string_view::npos ? std::string_view() : entry.substr(comma + 1);
        const std::size_t equals = pair.find('=');
        if (equals == std::string_view::npos) {
            continue;
        }
        const std::string_view key = pair.substr(0, equals);
        const std::optional<std::string> value = Unescaped(pair.substr(equals + 1));
        if (!value) {
            return std::nullopt;
        }
        if (key == "path") {
            return value;
        }
        if (key == "abstract") {
            return std::string(1, '\0') + *value;
        }
    }
    return std::nullopt;
}

enum class Reached { Refused, Answered, Silent };

// Connects to the local socket `path` and starts to authenticate, as a bus client does first;
// any reply, or the bus closing the connection, shows that it is serving.
Reached Reach(const std::string& path, Deadline deadline) {
    sockaddr_un address{};
    if (path.size() >= sizeof(address.sun_path)) {
        return Reached::Refused;
    }
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.data(), path.size());
    const Socket socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (socket.get() < 0) {
        return Reached::Refused;
    }
    const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + path.size());
    if (::connect(socket.get(), reinterpret_cast<const sockaddr*>(&address), length) != 0) {
        // A listener that takes no more connections: the library's connect would wait on it.
        return errno == EAGAIN ? Reached::Silent : Reached::Refused;
    }
    // The credentials byte, then a request that any bus answers, if only with a refusal.
    constexpr char kAuthenticationStart[] = "\0AUTH\r\n";
    const ssize_t written =
        ::send(socket.get(), kAuthenticationStart, sizeof kAuthenticationStart - 1, MSG_NOSIGNAL);
    if (written < 0) {
        return errno == EAGAIN ? Reached::Silent : Reached::Answered;
    }
    return WaitFor(socket.get(), POLLIN, deadline) ? Reached::Answered : Reached::Silent;
}

}  // namespace

bool SessionBusHangs(std::string_view address, std::chrono::milliseconds patience) {
    const Deadline deadline = std::chrono::steady_clock::now() + patience;
    while (!address.empty()) {
        const std::size_t semicolon = address.find(';');
        const std::string_view entry = address.substr(0, semicolon);
        address = semicolon == std::string_view::npos ? std::string_view()
                                                      : address.substr(semicolon + 1);
        const std::optional<std::string> socket = LocalSocketOf(entry);
        if (!socket) {
            return false;
        }
        const Reached reached = Reach(*socket, deadline);
        if (reached != Reached::Refused) {
            return reached == Reached::Silent;
        }
    }
    return false;
}

void GiveUpHungSessionBus() {
    const char* address = std::getenv("DBUS_SESSION_BUS_ADDRESS");
    if (address == nullptr || !SessionBusHangs(address, kPatience)) {
        return;
    }
    std::fprintf(stderr,
                 "hobwatch: the session bus %s does not answer: no desktop notification and no "
                 "screen reader in this run\n",
                 address);
    // An address of no known kind: every use of the bus in this process fails at once.
    ::setenv("DBUS_SESSION_BUS_ADDRESS", "disabled:", 1);
}

}  // namespace hobwatch
