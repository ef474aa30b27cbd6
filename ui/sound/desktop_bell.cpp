#include "ui/sound/desktop_bell.h"

#include <chrono>
#include <cstdint>
#include <thread>

namespace hobwatch {
namespace {

// Names every bell, so that the end of the last one can be waited for.
constexpr std::uint32_t kBellId = 1;
constexpr auto kLongestWait = std::chrono::milliseconds(500);
constexpr auto kPollStep = std::chrono::milliseconds(10);

// One context for the whole run, never destroyed: destroying it unloads libcanberra's output
// module, and a bell still on libcanberra's thread (a stuck device holds it there) then runs into
// the unloaded code and crashes the program.
ca_context* SharedContext(const CanberraLibrary& canberra) {
    static ca_context* const context = [&canberra]() -> ca_context* {
        ca_context* made = nullptr;
        if (canberra.ContextCreate(&made) != CA_SUCCESS) {
            return nullptr;
        }
        canberra.ContextChangeProps(made, CA_PROP_APPLICATION_NAME, "Hobwatch",
                                    CA_PROP_APPLICATION_ID, "hobwatch", nullptr);
        return made;
    }();
    return context;
}

}  // namespace

DesktopBell::DesktopBell()
    : canberra_(LoadCanberraLibrary()),
      context_(canberra_ != nullptr ? SharedContext(*canberra_) : nullptr) {}

DesktopBell::~DesktopBell() {
    if (context_ == nullptr) {
        return;
    }
    const auto giveUp = std::chrono::steady_clock::now() + kLongestWait;
    while (IsRinging() && std::chrono::steady_clock::now() < giveUp) {
        std::this_thread::sleep_for(kPollStep);
    }
}

void DesktopBell::Ring() {
    if (context_ == nullptr) {
        return;
    }
    // The result is not looked at: without a device or theme the bell simply stays silent.
    canberra_->ContextPlay(context_, kBellId, CA_PROP_EVENT_ID, "bell", CA_PROP_EVENT_DESCRIPTION,
                           "Alarm", nullptr);
}

bool DesktopBell::IsRinging() const {
    int playing = 0;
    return canberra_->ContextPlaying(context_, kBellId, &playing) == CA_SUCCESS && playing != 0;
}

}  // namespace hobwatch
