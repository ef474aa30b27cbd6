#include "ui/desktop_bell.h"

#include <canberra.h>

namespace hobwatch {

DesktopBell::DesktopBell() {
    if (ca_context_create(&context_) != CA_SUCCESS) {
        context_ = nullptr;
        return;
    }
    ca_context_change_props(context_, CA_PROP_APPLICATION_NAME, "Hobwatch", CA_PROP_APPLICATION_ID,
                            "hobwatch", nullptr);
}

DesktopBell::~DesktopBell() {
    if (context_ != nullptr) {
        ca_context_destroy(context_);
    }
}

void DesktopBell::Ring() {
    if (context_ == nullptr) {
        return;
    }
    // The result is not looked at: without a device or theme the bell simply stays silent.
    ca_context_play(context_, 0, CA_PROP_EVENT_ID, "bell", CA_PROP_EVENT_DESCRIPTION, "Alarm",
                    nullptr);
}

}  // namespace hobwatch
