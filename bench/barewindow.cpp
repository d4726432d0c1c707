// SPDX-License-Identifier: MIT
// The baseline for the start-up benchmark: a bare Qt main window of the same
// client size with the same menu bar, and nothing else.
#include "app/form1layout.h"
#include "widgets/twips.h"
#include "widgets/windowbuilder.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare"));
    auto *client = new QWidget(&window);
    client->setFixedSize(Twips::toPixels(Form1Layout::window().clientWidth),
                         Twips::toPixels(Form1Layout::window().clientHeight));
    window.setCentralWidget(client);
    WindowBuilder::buildMenus(window.menuBar(), Form1Layout::menus());
    window.show();
    return app.exec();
}
