// SPDX-License-Identifier: MIT
#pragma once

#include "widgets/layoutdesign.h"

#include <vector>

// The About window as designed: its own properties and every control.
namespace FrmAboutLayout {
const WindowDesign &window();
const std::vector<ControlDesign> &controls();
} // namespace FrmAboutLayout
