// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QStringList>

// On X11 and Wayland the clipboard's content lives in the program that put it
// there. Where a clipboard manager runs, it takes the content over when Tinvue
// ends; where none runs, the code the user has just copied would vanish with
// Tinvue. ClipboardKeeper then hands the text to the desktop's small clipboard
// tool (xclip on X11, wl-copy on Wayland), which serves it until another program
// takes the clipboard and then exits by itself.
class ClipboardKeeper : public QObject
{
    Q_OBJECT
public:
    explicit ClipboardKeeper(QObject *parent = nullptr);

    // Called as the program ends; does nothing unless Tinvue owns the clipboard
    // and nobody else would keep its text.
    void keep();

    // The tool that keeps a text on the clipboard of the given Qt platform,
    // reading it from its standard input; empty where there is none.
    static QStringList keeperCommand(const QString &platformName);

private:
    // Whether something other than Tinvue keeps the clipboard's text once Tinvue
    // ends; each desktop answers in a file of its own.
    static bool managerRunning();
};
