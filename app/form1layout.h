// SPDX-License-Identifier: MIT
#pragma once

#include "widgets/layoutdesign.h"

#include <vector>

// The main window as designed: its own properties, every control and the menu tree.
namespace Form1Layout {
const WindowDesign &window();
const std::vector<ControlDesign> &controls();
const std::vector<MenuDesign> &menus();
} // namespace Form1Layout
