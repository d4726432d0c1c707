// SPDX-License-Identifier: MIT
#pragma once

#include <xcb/xcb.h>

// What Tinvue asks of the X server itself, where Qt 6.4 has no word for it: the
// clipboard manager, the window manager's features and what it is told of the
// window. Linux only.
namespace X11 {
// The connection of Qt's X11 platform, or none on another platform (offscreen has
// the interface, without a connection).
xcb_connection_t *connection();

// The atom of `name`. Unless `create`, XCB_NONE where no client has named it yet,
// so that nothing can hold or list it.
xcb_atom_t atom(xcb_connection_t *connection, const char *name, bool create = true);
} // namespace X11
