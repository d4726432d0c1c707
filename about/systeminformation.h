// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

// The system information programs of the Linux desktops.
namespace SystemInformation {
// The full path of the program of the desktop named in XDG_CURRENT_DESKTOP, or
// else of the first found on PATH, or empty text.
QString program();
// The arguments that open the system information in that program.
QStringList arguments(const QString &program);
} // namespace SystemInformation
