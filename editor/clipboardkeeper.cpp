// SPDX-License-Identifier: MIT
#include "editor/clipboardkeeper.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QProcess>

namespace {
// Long enough for the tool to read the text and move to the background, short
// enough that the end of the program is not held up when something goes wrong.
constexpr int handOverTimeoutMs = 1500;
} // namespace

ClipboardKeeper::ClipboardKeeper(QObject *parent) : QObject(parent)
{
    connect(qApp, &QCoreApplication::aboutToQuit, this, &ClipboardKeeper::keep);
}

QStringList ClipboardKeeper::keeperCommand(const QString &platformName)
{
    if (platformName == QLatin1String("xcb"))
        return {QStringLiteral("xclip"), QStringLiteral("-selection"), QStringLiteral("clipboard"),
                QStringLiteral("-in")};
    if (platformName.startsWith(QLatin1String("wayland")))
        return {QStringLiteral("wl-copy")};
    return {};
}

void ClipboardKeeper::keep()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    const QStringList command = keeperCommand(QGuiApplication::platformName());
    if (command.isEmpty() || !clipboard->ownsClipboard() || managerRunning())
        return;
    QProcess tool;
    tool.setStandardOutputFile(QProcess::nullDevice());
    tool.setStandardErrorFile(QProcess::nullDevice());
    tool.start(command.first(), command.mid(1));
    if (!tool.waitForStarted(handOverTimeoutMs))
        return; // The tool is not installed: the text goes as it always has.
    tool.write(clipboard->text().toUtf8());
    tool.closeWriteChannel();
    // The tool forks a server that holds the clipboard and lets this process go.
    if (!tool.waitForFinished(handOverTimeoutMs))
        tool.kill();
}
