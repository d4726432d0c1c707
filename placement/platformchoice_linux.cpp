// SPDX-License-Identifier: MIT
#include "placement/platformchoice.h"

#include "widgets/x11.h"

#include <QProcessEnvironment>

#include <algorithm>
#include <memory>

namespace {
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
    const xcb_atom_t supported = X11::atom(connection.get(), "_NET_SUPPORTED", false);
    const xcb_atom_t above = X11::atom(connection.get(), "_NET_WM_STATE_ABOVE", false);
    if (supported == XCB_NONE || above == XCB_NONE)
        return false;
    // Far more than any window manager lists.
    constexpr uint32_t maxAtoms = 1024;
    const std::unique_ptr<xcb_get_property_reply_t, decltype(&free)> list(
        xcb_get_property_reply(connection.get(),
                               xcb_get_property(connection.get(), 0, screen.data->root, supported,
                                                XCB_ATOM_ATOM, 0, maxAtoms),
                               nullptr),
        free);
    if (!list || list->format != 32)
        return false;
    const auto *atoms = static_cast<const xcb_atom_t *>(xcb_get_property_value(list.get()));
    const xcb_atom_t *end = atoms + list->value_len;
    return std::find(atoms, end, above) != end;
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
