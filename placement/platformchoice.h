// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>

class QProcessEnvironment;

// Wayland compositors ignore a program's wish to stay above other windows. On a
// Wayland session that also runs X11 programs, Tinvue therefore runs as an X11
// program, where keeping the window on top works.
class PlatformChoice
{
public:
    // The Qt platform to use in this environment, or empty for Qt's own choice
    // (which includes a platform the user has named).
    static QByteArray platformFor(const QProcessEnvironment &environment);

    // Applies platformFor() to this process; call before the application starts.
    static void apply();
};
