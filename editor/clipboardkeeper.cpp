// SPDX-License-Identifier: MIT
#include "editor/clipboardkeeper.h"

#include <QCoreApplication>

ClipboardKeeper::ClipboardKeeper(QObject *parent) : QObject(parent)
{
    connect(qApp, &QCoreApplication::aboutToQuit, this, &ClipboardKeeper::keep);
}
