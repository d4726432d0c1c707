// SPDX-License-Identifier: MIT
#pragma once

class QString;
class QWidget;

// Has screen readers say a short text at once, wherever the focus is, such as the
// code that a stock slot has just brought back. Qt 6.4 has no announcement of its
// own, and Orca speaks no change outside the focus but a notification that shows.
// So the text names a notification of the window that is never drawn, and screen
// readers are told that it shows.
namespace Announcer {
void say(QWidget *window, const QString &text);
}
