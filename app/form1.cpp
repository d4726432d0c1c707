#include "app/form1.h"

#include "app/colorpanel.h"
#include "app/layouttable.h"
#include "app/twips.h"
#include "app/windowbuilder.h"
#include "editor/coloreditor.h"
#include "editor/componentscrollbar.h"

#include <QAction>
#include <QApplication>
#include <QIcon>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>

Form1::Form1(QWidget *parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint)
{
    const WindowSpec &window = LayoutTable::form1();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromUtf8(window.caption));
    setWindowIcon(QIcon(QString::fromUtf8(window.icon)));

    auto *client = new QWidget(this);
    client->setFixedSize(Twips::toPixels(window.clientWidth), Twips::toPixels(window.clientHeight));
    setCentralWidget(client);
    WindowBuilder::buildControls(client, LayoutTable::form1Controls());
    WindowBuilder::buildMenus(menuBar(), LayoutTable::form1Menus());
    // Grey over white gives the etched edge under the menu bar.
    control<QWidget>("Line1")->raise();
    // The menu bar and the fixed client area decide the window's size; the user cannot change it.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    m_editor = new ColorEditor({{control<ComponentScrollBar>("VScroll1"),
                                 control<ComponentScrollBar>("VScroll2"),
                                 control<ComponentScrollBar>("VScroll3")},
                                {control<QLabel>("Label1"), control<QLabel>("Label2"),
                                 control<QLabel>("Label3")},
                                control<ColorPanel>("Shape1"),
                                control<QLineEdit>("Text1")},
                               this);

    connect(control<QAction>("menu_f_00"), &QAction::triggered, this, &Form1::menu_f_00_Click);

    Form_Load();
}

void Form1::Form_Load()
{
    m_editor->Load();
}

void Form1::showCentered()
{
    adjustSize();
    const QRect available = screen()->availableGeometry();
    move(available.center() - rect().center());
    control<QWidget>("VScroll1")->setFocus();
    show();
}

void Form1::menu_f_00_Click()
{
    // Ends at once: no close event, nothing saved. The stock is written when it changes.
    QCoreApplication::exit(0);
}
