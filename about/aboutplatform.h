// SPDX-License-Identifier: MIT
#pragma once

#include "about/registry.h"

#include <QString>

#include <functional>
#include <memory>

class QWidget;

// The desktop services the About window calls: the registry where the system
// information tool is recorded, starting a program and the message box. Tests
// put their own in place of these.
struct AboutPlatform
{
    std::shared_ptr<Registry> registry;
    // Starts the program with the arguments it needs to show the system
    // information; false if it could not be started.
    std::function<bool(const QString &program)> startProgram;
    // Shows a message with an OK button only and waits until it is closed.
    std::function<void(QWidget *parent, const QString &text, const QString &caption)> showMessage;

    // Where the system information tool is recorded: its full path, or else its folder.
    static constexpr const char *toolPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
    static constexpr const char *toolPathValue = "PATH";
    static constexpr const char *toolFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
    static constexpr const char *toolFolderValue = "MSINFO";
    static constexpr const char *toolFile = "MSINFO32.EXE";

    // This desktop's services. On Windows they are the system's own. Linux has no
    // registry: the tool's path is answered with the desktop's own system
    // information program, and the folder is never recorded.
    static AboutPlatform desktop();

    // The message box of both desktops: no icon, an OK button, modal.
    static void messageBox(QWidget *parent, const QString &text, const QString &caption);
};
