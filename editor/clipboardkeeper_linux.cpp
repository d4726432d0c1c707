// SPDX-License-Identifier: MIT
#include "editor/clipboardkeeper.h"

#include "widgets/x11.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QProcess>

namespace {
// Long enough for the tool to read the text and move to the background, short
// enough that the end of the program is not held up when something goes wrong.
constexpr int handOverTimeoutMs = 1500;

// Whether an X11 clipboard manager will take the clipboard's text over.
bool managerRunning(xcb_connection_t *connection)
{
    const xcb_atom_t manager = X11::atom(connection, "CLIPBOARD_MANAGER", false);
    if (manager == XCB_NONE)
        return false;
    xcb_get_selection_owner_reply_t *owner = xcb_get_selection_owner_reply(
        connection, xcb_get_selection_owner(connection, manager), nullptr);
    const bool running = owner && owner->owner != XCB_NONE;
    free(owner);
    return running;
}

// The tool that keeps the text once Tinvue has ended, reading it from its standard
// input and naming it UTF-8 text; empty where something else keeps it.
QStringList keeperCommand()
{
    // In a Wayland session the compositor hands the Wayland clipboard on to its X11
    // programs, whatever platform Tinvue runs on. An X11 clipboard manager there is
    // not to be trusted: sway's window manager owns the manager's selection and keeps
    // nothing. wl-copy would guess the type of the text, and some desktops guess none.
    const QString platform = QGuiApplication::platformName();
    if (platform.startsWith(QLatin1String("wayland")) ||
        !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return {QStringLiteral("wl-copy"), QStringLiteral("--type"),
                QStringLiteral("text/plain;charset=utf-8")};
    if (platform == QLatin1String("xcb") && !managerRunning(X11::connection()))
        return {QStringLiteral("xclip"),       QStringLiteral("-selection"),
                QStringLiteral("clipboard"),   QStringLiteral("-target"),
                QStringLiteral("UTF8_STRING"), QStringLiteral("-in")};
    return {};
}
} // namespace

void ClipboardKeeper::keep()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (!clipboard->ownsClipboard())
        return;
    const QStringList command = keeperCommand();
    if (command.isEmpty())
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
