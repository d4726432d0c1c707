// SPDX-License-Identifier: MIT
#include "placement/windowmanager.h"

// Windows has no desktop entries, and Qt knows a window's frame when it is shown.
namespace WindowManager {
void nameDesktopEntry(QWindow &) {}

void whenFramed(QWindow &, std::function<void()>) {}
} // namespace WindowManager
