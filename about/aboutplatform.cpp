#include "about/aboutplatform.h"

#include "about/memoryregistry.h"

#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>

AboutPlatform AboutPlatform::desktop()
{
    auto registry = std::make_shared<MemoryRegistry>();
    const QString program = systemInformationProgram();
    if (!program.isEmpty()) {
        // Kept as the registry keeps a string: in the system's 8-bit encoding,
        // with its terminating zero byte.
        registry->setValue(QString::fromLatin1(toolPathKey), QString::fromLatin1(toolPathValue),
                           Registry::String, program.toLocal8Bit() + '\0');
    }
    return {registry, [](const QString &program) { return QProcess::startDetached(program, {}); },
            [](QWidget *parent, const QString &text, const QString &caption) {
                QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, parent);
                box.exec();
            }};
}

QString AboutPlatform::systemInformationProgram()
{
    for (const char *name : {"kinfocenter", "hardinfo2", "hardinfo"}) {
        const QString path = QStandardPaths::findExecutable(QString::fromLatin1(name));
        if (!path.isEmpty())
            return path;
    }
    return QString();
}
