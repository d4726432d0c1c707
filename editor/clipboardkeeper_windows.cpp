// SPDX-License-Identifier: MIT
#include "editor/clipboardkeeper.h"

// Windows itself keeps what a program put on the clipboard after it ends.
void ClipboardKeeper::keep() {}
