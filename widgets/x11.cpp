// SPDX-License-Identifier: MIT
#include "widgets/x11.h"

#include <QGuiApplication>

#include <cstring>

namespace X11 {
xcb_connection_t *connection()
{
    auto *x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t atom(xcb_connection_t *connection, const char *name, bool create)
{
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, !create, static_cast<uint16_t>(strlen(name)), name),
        nullptr);
    const xcb_atom_t found = reply ? reply->atom : XCB_NONE;
    free(reply);
    return found;
}
} // namespace X11
