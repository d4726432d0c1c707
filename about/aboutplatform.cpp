// SPDX-License-Identifier: MIT
#include "about/aboutplatform.h"

#include <QMessageBox>

void AboutPlatform::messageBox(QWidget *parent, const QString &text, const QString &caption)
{
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, parent);
    box.exec();
}
