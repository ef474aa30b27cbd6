#include "app/session_bus_probe.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <filesystem>
#include <string>
#include <thread>

namespace hobwatch {
namespace {

using namespace std::chrono_literals;

// A listening local socket at `path` (abstract with a leading NUL), closed with the object.
class Listener {
public:
    explicit Listener(const std::string& path)
        : socket_(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0)) {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::memcpy(address.sun_path, path.data(), path.size());
        const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + path.size());
        EXPECT_EQ(::bind(socket_, reinterpret_cast<const sockaddr*>(&address), length), 0);
        EXPECT_EQ(::listen(socket_, 8), 0);
    }
    ~Listener() { ::close(socket_); }
    Listener(const Listener&) = delete;
    Listener& operator=(const Listener&) = delete;
    int get() const { return socket_; }

private:
    int socket_;
};

// Connections are taken by the system's backlog whether or not a bus accepts them: only an
// answer tells a serving bus from a hung one.
TEST(SessionBusProbeTest, OnlyABusThatTakesTheConnectionAndStaysSilentHangs) {
    char folderTemplate[] = "/tmp/session_bus_probe_test.XXXXXX";
    ASSERT_NE(::mkdtemp(folderTemplate), nullptr);
    const std::filesystem::path folder = folderTemplate;
    const std::string silent = (folder / "silent,bus").string();
    const std::string answering = (folder / "answering").string();
    const std::string abstractSilent = std::string(1, '\0') + silent;
    const Listener silentBus(silent);
    const Listener abstractSilentBus(abstractSilent);
    const Listener answeringBus(answering);
    std::jthread server([&answeringBus] {
        const int connection = ::accept(answeringBus.get(), nullptr, nullptr);
        char request[16];
        if (::read(connection, request, sizeof request) > 0) {
            [[maybe_unused]] const ssize_t sent = ::write(connection, "REJECTED\r\n", 10);
        }
        ::close(connection);
    });
    const std::string escapedSilent = "unix:path=" + (folder / "silent%2cbus").string();

    const struct {
        const char* name;
        std::string address;
        bool hangs;
    } rows[] = {
        {"answers", "unix:path=" + answering + ",guid=0123", false},
        {"silent", escapedSilent, true},
        {"silent, a key before the path", "unix:guid=0123," + escapedSilent.substr(5), true},
        {"silent abstract", "unix:abstract=" + escapedSilent.substr(10), true},
        {"nobody listens", "unix:path=" + (folder / "none").string(), false},
        {"silent after one nobody listens on", "unix:path=/nonexistent;" + escapedSilent, true},
        {"TCP taken on trust", "tcp:host=127.0.0.1,port=1;" + escapedSilent, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(SessionBusHangs(row.address, 300ms), row.hangs);
    }
    // Wakes the server should the probe never have reached it.
    ::shutdown(answeringBus.get(), SHUT_RDWR);
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace hobwatch
