// SPDX-License-Identifier: MIT
#include "about/aboutplatform.h"

#include "about/memoryregistry.h"
#include "about/systeminformation.h"

#include <QProcess>

AboutPlatform AboutPlatform::desktop()
{
    auto registry = std::make_shared<MemoryRegistry>();
    const QString program = SystemInformation::program();
    if (!program.isEmpty()) {
        // Kept as the registry keeps a string: in the system's 8-bit encoding,
        // with its terminating zero byte.
        registry->setValue(QString::fromLatin1(toolPathKey), QString::fromLatin1(toolPathValue),
                           Registry::String, program.toLocal8Bit() + '\0');
    }
    return {registry,
            [](const QString &program) {
                return QProcess::startDetached(program, SystemInformation::arguments(program));
            },
            messageBox};
}
