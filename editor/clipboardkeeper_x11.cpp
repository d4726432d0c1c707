// SPDX-License-Identifier: MIT
#include "editor/clipboardkeeper.h"

#include <QGuiApplication>

#include <xcb/xcb.h>

bool ClipboardKeeper::managerRunning()
{
    auto *x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11)
        return false; // Wayland compositors keep no clipboard of their own either.
    xcb_connection_t *connection = x11->connection();
    static const char name[] = "CLIPBOARD_MANAGER";
    xcb_intern_atom_reply_t *atom = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 1, sizeof name - 1, name), nullptr);
    if (!atom)
        return false;
    const bool running = atom->atom != XCB_NONE && [&] {
        xcb_get_selection_owner_reply_t *owner = xcb_get_selection_owner_reply(
            connection, xcb_get_selection_owner(connection, atom->atom), nullptr);
        const bool found = owner && owner->owner != XCB_NONE;
        free(owner);
        return found;
    }();
    free(atom);
    return running;
}
