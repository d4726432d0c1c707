// SPDX-License-Identifier: MIT
#pragma once

// Tells Qt's accessibility what a screen reader should learn of Tinvue's
// widgets: a component scroll bar's 0..255 value, a panel's role of its own (a
// link with its press action, a separator), a frame as a group named by its
// caption with its controls in reading order, and the text of a line edit that
// shows it, which Qt's own reading cannot always give. Each widget calls
// install() as it is made; the factory is put in place once.
namespace AccessibleFactory {
void install();
}
