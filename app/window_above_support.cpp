#include "app/window_above_support.h"

#include <xcb/xcb.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string_view>

#include <QGuiApplication>

namespace hobwatch {
namespace {

using Reply = std::unique_ptr<void, decltype(&std::free)>;

xcb_atom_t Atom(xcb_connection_t* connection, std::string_view name) {
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(name.size()), name.data());
    const Reply reply(xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
    return reply ? static_cast<xcb_intern_atom_reply_t*>(reply.get())->atom
                 : xcb_atom_t{XCB_ATOM_NONE};
}

// Whether the window manager lists the "above" state among the hints it supports; none
// running lists nothing.
bool WindowManagerOffersAbove(xcb_connection_t* connection) {
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const xcb_atom_t supported = Atom(connection, "_NET_SUPPORTED");
    const xcb_atom_t above = Atom(connection, "_NET_WM_STATE_ABOVE");
    if (supported == XCB_ATOM_NONE || above == XCB_ATOM_NONE) {
        return false;
    }
    // Window managers list a few hundred hints at most.
    const xcb_get_property_cookie_t cookie =
        xcb_get_property(connection, 0, root, supported, XCB_ATOM_ATOM, 0, 4096);
    const Reply reply(xcb_get_property_reply(connection, cookie, nullptr), &std::free);
    if (!reply) {
        return false;
    }
    auto* property = static_cast<xcb_get_property_reply_t*>(reply.get());
    const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(property));
    const int count =
        xcb_get_property_value_length(property) / static_cast<int>(sizeof(xcb_atom_t));
    for (int i = 0; i < count; ++i) {
        if (atoms[i] == above) {
            return true;
        }
    }
    return false;
}

}  // namespace

void WarnWhenNotKeptAbove() {
    const char* why = nullptr;
    if (QGuiApplication::platformName() == u"wayland") {
        why = "Wayland lets no program keep its window on top";
    } else if (QGuiApplication::platformName() == u"xcb") {
        const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
        if (x11 != nullptr && x11->connection() != nullptr &&
            !WindowManagerOffersAbove(x11->connection())) {
            why = "the window manager does not offer it";
        }
    }
    if (why != nullptr) {
        std::fprintf(stderr, "hobwatch: the window cannot be kept above other windows: %s\n", why);
    }
}

}  // namespace hobwatch
