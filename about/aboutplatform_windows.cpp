// SPDX-License-Identifier: MIT
#include "about/aboutplatform.h"

#include "about/windowsregistry.h"

#include <QProcess>

AboutPlatform AboutPlatform::desktop()
{
    return {std::make_shared<WindowsRegistry>(),
            [](const QString &program) { return QProcess::startDetached(program, {}); },
            messageBox};
}
