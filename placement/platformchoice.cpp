// SPDX-License-Identifier: MIT
#include "placement/platformchoice.h"

#include <QProcessEnvironment>

QByteArray PlatformChoice::platformFor(const QProcessEnvironment &environment)
{
    const bool userChose = !environment.value(QStringLiteral("QT_QPA_PLATFORM")).isEmpty();
    const bool wayland =
        !environment.value(QStringLiteral("WAYLAND_DISPLAY")).isEmpty() ||
        environment.value(QStringLiteral("XDG_SESSION_TYPE")) == QLatin1String("wayland");
    const bool x11 = !environment.value(QStringLiteral("DISPLAY")).isEmpty();
    if (userChose || !wayland || !x11)
        return {};
    return QByteArrayLiteral("xcb");
}

void PlatformChoice::apply()
{
    // Only the variables that decide: a copy of the whole environment would build
    // a string for every variable at every start.
    QProcessEnvironment environment;
    for (const char *name : {"QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "XDG_SESSION_TYPE", "DISPLAY"})
        environment.insert(QString::fromLatin1(name), qEnvironmentVariable(name));
    const QByteArray platform = platformFor(environment);
    if (!platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", platform);
}
