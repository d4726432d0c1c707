// The baseline for the start-up benchmark: a bare Qt main window of the same
// client size with the same menu bar, and nothing else.
#include "app/layouttable.h"
#include "app/twips.h"
#include "app/windowbuilder.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare"));
    auto *client = new QWidget(&window);
    client->setFixedSize(Twips::toPixels(LayoutTable::form1().clientWidth),
                         Twips::toPixels(LayoutTable::form1().clientHeight));
    window.setCentralWidget(client);
    WindowBuilder::buildMenus(window.menuBar(), LayoutTable::form1Menus());
    window.show();
    return app.exec();
}
