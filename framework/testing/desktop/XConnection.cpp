#include "framework/testing/desktop/XConnection.h"

#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>

namespace fw::testing {
namespace {

template <class Reply>
using Owned = std::unique_ptr<Reply, decltype(&std::free)>;

// The property's bytes, or nothing when the window lacks it. Titles are short; a
// longer value is cut at 64 KiB.
std::optional<std::string> Property(xcb_connection_t* c, xcb_window_t window, xcb_atom_t property) {
    constexpr uint32_t kMaxLongs = 16384;
    Owned<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(
            c, xcb_get_property(c, 0, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, kMaxLongs), nullptr),
        &std::free);
    if (!reply || reply->type == XCB_ATOM_NONE) return std::nullopt;
    const auto* bytes = static_cast<const char*>(xcb_get_property_value(reply.get()));
    return std::string(bytes, xcb_get_property_value_length(reply.get()));
}

}  // namespace

XConnection::XConnection() : c(xcb_connect(nullptr, nullptr)) {}

XConnection::~XConnection() { xcb_disconnect(c); }

bool XConnection::Ok() const { return !xcb_connection_has_error(c); }

xcb_atom_t XConnection::Atom(const char* name) const {
    Owned<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, std::strlen(name), name), nullptr), &std::free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

void XConnection::Sync() const { std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr)); }

std::string XConnection::WindowTitle(xcb_window_t window) const {
    if (auto title = Property(c, window, Atom("_NET_WM_NAME"))) return *title;
    return Property(c, window, XCB_ATOM_WM_NAME).value_or("");
}

xcb_window_t XConnection::TransientFor(xcb_window_t window) const {
    const auto value = Property(c, window, XCB_ATOM_WM_TRANSIENT_FOR);
    xcb_window_t owner = XCB_WINDOW_NONE;
    if (value && value->size() == sizeof owner) std::memcpy(&owner, value->data(), sizeof owner);
    return owner;
}

}  // namespace fw::testing
