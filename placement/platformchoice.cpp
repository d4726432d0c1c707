// SPDX-License-Identifier: MIT
#include "placement/platformchoice.h"

#include <QProcessEnvironment>

QByteArray PlatformChoice::platformFor(const QProcessEnvironment &environment,
                                       const std::function<bool()> &offersAbove)
{
    const bool userChose = !environment.value(QStringLiteral("QT_QPA_PLATFORM")).isEmpty();
    const bool wayland =
        !environment.value(QStringLiteral("WAYLAND_DISPLAY")).isEmpty() ||
        environment.value(QStringLiteral("XDG_SESSION_TYPE")) == QLatin1String("wayland");
    const bool x11 = !environment.value(QStringLiteral("DISPLAY")).isEmpty();
    if (userChose || !wayland)
        return {};
    if (x11 && offersAbove())
        return QByteArrayLiteral("xcb");
    // X11 stays the fallback where Qt's Wayland plugin is not installed.
    return QByteArrayLiteral("wayland;xcb");
}
