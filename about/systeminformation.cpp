// SPDX-License-Identifier: MIT
#include "about/systeminformation.h"

#include <QFileInfo>
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

namespace SystemInformation {
QString program()
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

QStringList arguments(const QString &program)
{
    const QString name = QFileInfo(program).fileName();
    for (const SystemInformationTool &tool : tools()) {
        if (name == QLatin1String(tool.program))
            return tool.arguments;
    }
    return {};
}
} // namespace SystemInformation
