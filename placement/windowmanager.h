// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

class QWindow;

// What an X11 window manager learns of the main window, and tells it, beyond what
// Qt 6.4 passes on. On Wayland and Windows Qt does both, and these do nothing.
namespace WindowManager {
// Names the window's desktop entry (the application's desktop file name), by which
// KDE ties the window to its launcher; Qt gives it as the app id only on Wayland.
// Call before the window is first shown.
void nameDesktopEntry(QWindow &window);

// Calls framed() once when the window manager tells the shown window its frame's
// extents. Qt raises no event for it, and KWin may tell them only after the window's
// first expose, when Qt still takes the frame for the window itself.
void whenFramed(QWindow &window, std::function<void()> framed);
} // namespace WindowManager
