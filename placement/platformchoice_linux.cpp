// SPDX-License-Identifier: MIT
#include "placement/platformchoice.h"

#include <QProcessEnvironment>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstring>
#include <memory>

namespace {
template <typename Reply> using Owned = std::unique_ptr<Reply, decltype(&free)>;

xcb_intern_atom_cookie_t intern(xcb_connection_t *connection, const char *name)
{
    return xcb_intern_atom(connection, 1, static_cast<uint16_t>(strlen(name)), name);
}

// Whether the X11 window manager lists the above state among what it supports: one
// connection and one read of the root window's property, before Qt connects.
bool offersAbove()
{
    int screenNumber = 0;
    const std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)> connection(
        xcb_connect(nullptr, &screenNumber), xcb_disconnect);
    if (xcb_connection_has_error(connection.get()))
        return false;
    xcb_screen_iterator_t screen = xcb_setup_roots_iterator(xcb_get_setup(connection.get()));
    for (int i = 0; i < screenNumber && screen.rem; ++i)
        xcb_screen_next(&screen);
    if (!screen.rem)
        return false;
    const xcb_intern_atom_cookie_t supportedCookie = intern(connection.get(), "_NET_SUPPORTED");
    const xcb_intern_atom_cookie_t aboveCookie = intern(connection.get(), "_NET_WM_STATE_ABOVE");
    const Owned<xcb_intern_atom_reply_t> supported(
        xcb_intern_atom_reply(connection.get(), supportedCookie, nullptr), free);
    const Owned<xcb_intern_atom_reply_t> above(
        xcb_intern_atom_reply(connection.get(), aboveCookie, nullptr), free);
    if (!supported || !above || supported->atom == XCB_NONE || above->atom == XCB_NONE)
        return false;
    // Far more than any window manager lists.
    constexpr uint32_t maxAtoms = 1024;
    const Owned<xcb_get_property_reply_t> list(
        xcb_get_property_reply(connection.get(),
                               xcb_get_property(connection.get(), 0, screen.data->root,
                                                supported->atom, XCB_ATOM_ATOM, 0, maxAtoms),
                               nullptr),
        free);
    if (!list || list->format != 32)
        return false;
    const auto *atoms = static_cast<const xcb_atom_t *>(xcb_get_property_value(list.get()));
    const xcb_atom_t *end = atoms + list->value_len;
    return std::find(atoms, end, above->atom) != end;
}
} // namespace

void PlatformChoice::apply()
{
    // Only the variables that decide: a copy of the whole environment would build
    // a string for every variable at every start.
    QProcessEnvironment environment;
    for (const char *name : {"QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "XDG_SESSION_TYPE", "DISPLAY"})
        environment.insert(QString::fromLatin1(name), qEnvironmentVariable(name));
    const QByteArray platform = platformFor(environment, offersAbove);
    if (!platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", platform);
}
