#include "editor/clipboardkeeper.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QProcess>

#include <xcb/xcb.h>

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

bool ClipboardKeeper::managerRunning()
{
    auto *x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11)
        return false; // Wayland compositors keep no clipboard of their own either.
    xcb_connection_t *connection = x11->connection();
    static const char name[] = "CLIPBOARD_MANAGER";
    xcb_intern_atom_reply_t *atom = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 1, sizeof name - 1, name), nullptr);
    if (!atom)
        return false;
    const bool running = atom->atom != XCB_NONE && [&] {
        xcb_get_selection_owner_reply_t *owner = xcb_get_selection_owner_reply(
            connection, xcb_get_selection_owner(connection, atom->atom), nullptr);
        const bool found = owner && owner->owner != XCB_NONE;
        free(owner);
        return found;
    }();
    free(atom);
    return running;
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
