#include "about/aboutplatform.h"

#include "about/memoryregistry.h"

#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>

#include <vector>

namespace {
struct SystemInformationTool
{
    QStringList desktops; // XDG_CURRENT_DESKTOP names, compared without case
    const char *program;
    QStringList arguments;
};

// The desktop's own tool comes first. Without one the first found from the top
// is taken: the hardinfo tools show everything on any desktop, the others are
// their desktops' settings programs. GNOME 43 calls its About panel
// "info-overview"; the settings of MATE have no such page, its system monitor has.
const std::vector<SystemInformationTool> &tools()
{
    static const std::vector<SystemInformationTool> table{
        {{"LXQt"}, "hardinfo2", {}},
        {{"LXQt"}, "hardinfo", {}},
        {{"KDE"}, "kinfocenter", {}},
        {{"XFCE"}, "xfce4-about", {}},
        {{"X-Cinnamon", "Cinnamon"}, "cinnamon-settings", {"info"}},
        {{"MATE"}, "mate-system-monitor", {"--show-system-tab"}},
        {{"GNOME", "Unity"}, "gnome-control-center", {"info-overview"}},
    };
    return table;
}
} // namespace

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
    return {registry,
            [](const QString &program) {
                return QProcess::startDetached(program, systemInformationArguments(program));
            },
            [](QWidget *parent, const QString &text, const QString &caption) {
                QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, parent);
                box.exec();
            }};
}

QString AboutPlatform::systemInformationProgram()
{
    // A desktop may name itself and those it derives from, as "ubuntu:GNOME".
    QStringList desktops =
        qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(u':', Qt::SkipEmptyParts);
    desktops << QString(); // any desktop's tool, in the table's order
    for (const QString &desktop : desktops) {
        for (const SystemInformationTool &tool : tools()) {
            if (!desktop.isEmpty() && !tool.desktops.contains(desktop, Qt::CaseInsensitive))
                continue;
            const QString path = QStandardPaths::findExecutable(QString::fromLatin1(tool.program));
            if (!path.isEmpty())
                return path;
        }
    }
    return QString();
}

QStringList AboutPlatform::systemInformationArguments(const QString &program)
{
    const QString name = QFileInfo(program).fileName();
    for (const SystemInformationTool &tool : tools()) {
        if (name == QLatin1String(tool.program))
            return tool.arguments;
    }
    return {};
}
