// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>

#include <functional>

class QProcessEnvironment;

// Wayland compositors ignore a program's wish to stay above other windows, but the
// X11 window manager of some of them (GNOME's and KDE's) keeps X11 windows on top. In
// a Wayland session Tinvue therefore runs as an X11 program where that window manager
// offers the above state, and natively elsewhere (wlroots), where it is sharp at any
// scale and carries its app id.
class PlatformChoice
{
public:
    // The Qt platform to use in this environment, or empty for Qt's own choice (which
    // includes a platform the user has named). offersAbove() is asked only in a Wayland
    // session that also runs X11.
    static QByteArray platformFor(const QProcessEnvironment &environment,
                                  const std::function<bool()> &offersAbove);

    // Applies platformFor() to this process, asking the X11 window manager; call
    // before the application starts. Each platform answers in a file of its own.
    static void apply();
};
