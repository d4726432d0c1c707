// SPDX-License-Identifier: MIT
#include "app/form1.h"
#include "app/instancemutex.h"
#include "app/qttexts.h"
#include "placement/platformchoice.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    const InstanceMutex running;
    PlatformChoice::apply();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tinvue"));
    QApplication::setApplicationVersion(QStringLiteral(TINVUE_VERSION));
    QApplication::setDesktopFileName(QStringLiteral(TINVUE_APP_ID));
    QtTexts::installJapanese();

    Form1 window;
    window.showCentered();
    return app.exec();
}
