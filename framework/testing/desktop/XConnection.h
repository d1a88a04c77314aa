#pragma once
// A connection of the test's own to the X server, beside the toolkit's: what it asks
// and sends goes through the window system as another client's would.
#include <xcb/xcb.h>

#include <string>

namespace fw::testing {

struct XConnection {
    XConnection();
    ~XConnection();
    XConnection(const XConnection&) = delete;
    XConnection& operator=(const XConnection&) = delete;

    bool Ok() const;
    xcb_atom_t Atom(const char* name) const;
    // Returns once the server has handled every request sent before.
    void Sync() const;
    // The window's title as a window manager shows it: _NET_WM_NAME, else WM_NAME;
    // empty when it has neither.
    std::string WindowTitle(xcb_window_t window) const;
    // The window a window manager keeps this one above (WM_TRANSIENT_FOR); XCB_WINDOW_NONE
    // when it names none.
    xcb_window_t TransientFor(xcb_window_t window) const;

    xcb_connection_t* c;
};

}  // namespace fw::testing
