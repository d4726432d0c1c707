// SPDX-License-Identifier: MIT
#include "placement/platformchoice.h"

// Windows has one platform.
void PlatformChoice::apply() {}
