// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

// On X11 and Wayland the clipboard's content lives in the program that put it
// there. Where a clipboard manager runs, it takes the content over when Tinvue
// ends; where none runs, the code the user has just copied would vanish with
// Tinvue. ClipboardKeeper then hands the text to the desktop's small clipboard
// tool (wl-copy in a Wayland session, xclip on X11), which serves it until another
// program takes the clipboard and then exits by itself.
class ClipboardKeeper : public QObject
{
    Q_OBJECT
public:
    explicit ClipboardKeeper(QObject *parent = nullptr);

    // Called as the program ends; does nothing unless Tinvue owns the clipboard
    // and nobody else would keep its text. Each platform answers in a file of its own.
    void keep();
};
