// SPDX-License-Identifier: MIT
#include "app/form1.h"

#include "about/frmabout.h"
#include "app/form1layout.h"
#include "editor/clipboardkeeper.h"
#include "editor/coloreditor.h"
#include "placement/formtop.h"
#include "placement/windowmanager.h"
#include "stock/colorstock.h"
#include "stock/stockstore.h"
#include "widgets/colorpanel.h"
#include "widgets/componentscrollbar.h"
#include "widgets/iconset.h"
#include "widgets/twips.h"
#include "widgets/windowbuilder.h"

#include <QAction>
#include <QApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QToolButton>
#include <QWindow>

Form1::Form1(QWidget *parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint)
{
    const WindowDesign &window = Form1Layout::window();
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromUtf8(window.caption));
    setWindowIcon(IconSet::load(window.icon));

    auto *client = new QWidget(this);
    client->setFixedSize(Twips::toPixels(window.clientWidth), Twips::toPixels(window.clientHeight));
    setCentralWidget(client);
    WindowBuilder::buildControls(client, Form1Layout::controls());
    WindowBuilder::buildMenus(menuBar(), Form1Layout::menus());
    // Grey over white gives the etched edge under the menu bar.
    control<QWidget>("Line1")->raise();
    // The menu bar and the fixed client area decide the window's size; the user cannot change it.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    const std::array<ComponentScrollBar *, 3> bars{control<ComponentScrollBar>("VScroll1"),
                                                   control<ComponentScrollBar>("VScroll2"),
                                                   control<ComponentScrollBar>("VScroll3")};
    m_editor = new ColorEditor(
        {bars,
         {control<QLabel>("Label1"), control<QLabel>("Label2"), control<QLabel>("Label3")},
         control<ColorPanel>("Shape1"),
         control<QLineEdit>("Text1")},
        this);
    ColorStock::Controls stock{{}, bars, control<ColorPanel>("Shape1")};
    // The swatches are the stock frame's labels; slot NN is LabelNN+3. One pass over
    // the frame rather than a search of the whole window for each name.
    for (auto *swatch :
         control<QWidget>("Frame4")->findChildren<ColorPanel *>(Qt::FindDirectChildrenOnly))
        stock.swatches[QStringView(swatch->objectName()).mid(5).toInt() - 4] = swatch;
    m_stock = new ColorStock(stock, StockStore::user(), this);
    connect(m_stock, &ColorStock::storeFailed, this, [this](const QString &text) {
        QMessageBox::warning(this, QStringLiteral("Tinvue"), text);
    });
    connect(m_stock, &ColorStock::originalKept, this, [this](const QString &text) {
        QMessageBox::information(this, QStringLiteral("Tinvue"), text);
    });
    new ClipboardKeeper(this);

    connect(control<QToolButton>("Command1"), &QToolButton::clicked, this, &Form1::Command1_Click);
    connect(control<QAction>("menu_e_00"), &QAction::triggered, this, &Form1::menu_e_00_Click);
    connect(control<QAction>("menu_f_00"), &QAction::triggered, this, &Form1::menu_f_00_Click);
    connect(control<QAction>("menu_v_00_00"), &QAction::triggered, this,
            &Form1::menu_v_00_00_Click);
    connect(control<QAction>("menu_v_00_01"), &QAction::triggered, this,
            &Form1::menu_v_00_01_Click);
    connect(control<QAction>("menu_h_00"), &QAction::triggered, this, &Form1::menu_h_00_Click);
    // The code box would take Ctrl+C for its own selection; the menu's keys win everywhere.
    control<QLineEdit>("Text1")->installEventFilter(this);
    control<QToolButton>("Command1")->installEventFilter(this);

    Form_Load();
}

void Form1::Form_Load()
{
    m_editor->Load();
    m_stock->LoadStockSwatches();
}

void Form1::showCentered()
{
    adjustSize();
    // The window manager frames the window only as it maps it, so for now the client
    // area is centred; the frame is centred once its size is known: at the first
    // expose, or when the window manager tells it later.
    move(screen()->availableGeometry().center() - rect().center());
    control<QWidget>("VScroll1")->setFocus();
    // The window manager reads the desktop entry's name as it maps the window.
    winId();
    WindowManager::nameDesktopEntry(*windowHandle());
    show();
    windowHandle()->installEventFilter(this);
    WindowManager::whenFramed(*windowHandle(), [this] { centerFrame(); });
}

void Form1::centerFrame()
{
    QRect frame = frameGeometry();
    frame.moveCenter(screen()->availableGeometry().center());
    move(frame.topLeft());
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == windowHandle() && event->type() == QEvent::Expose) {
        windowHandle()->removeEventFilter(this);
        centerFrame();
    }
    // A focused button is pressed by Enter as by Space; a tool button knows only Space.
    if (event->type() == QEvent::KeyPress && watched->objectName() == QLatin1String("Command1")) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            static_cast<QToolButton *>(watched)->click();
            return true;
        }
    }
    if (event->type() == QEvent::ShortcutOverride) {
        const QKeySequence pressed(static_cast<QKeyEvent *>(event)->keyCombination());
        const QList<QAction *> actions = findChildren<QAction *>();
        if (std::any_of(actions.begin(), actions.end(),
                        [&](const QAction *a) { return a->shortcut() == pressed; }))
            return true; // Not claimed by the box, so the window's shortcut runs.
    }
    return QMainWindow::eventFilter(watched, event);
}

void Form1::changeEvent(QEvent *event)
{
    // The window's size is fixed. Qt's own title bar on Wayland offers to maximize it all
    // the same, which would only move it to the corner: it stays as it is.
    if (event->type() == QEvent::WindowStateChange && isMaximized())
        setWindowState(windowState() & ~Qt::WindowMaximized);
    QMainWindow::changeEvent(event);
}

void Form1::Command1_Click()
{
    m_editor->CopyCode();
}

void Form1::menu_e_00_Click()
{
    m_editor->CopyCode();
}

// The marks are set after the call, whatever its result. A checkable action has
// already toggled itself when it triggers, so both marks are always set outright.
void Form1::menu_v_00_00_Click()
{
    FormTop::SetTopMost(*this, 1);
    control<QAction>("menu_v_00_00")->setChecked(true);
    control<QAction>("menu_v_00_01")->setChecked(false);
}

void Form1::menu_v_00_01_Click()
{
    FormTop::SetTopMost(*this, 0);
    control<QAction>("menu_v_00_00")->setChecked(false);
    control<QAction>("menu_v_00_01")->setChecked(true);
}

void Form1::menu_h_00_Click()
{
    // The About window must not open under a window that stays on top.
    menu_v_00_01_Click();
    // A fresh window each time; the main window takes no input until it closes.
    frmAbout about(this);
    about.exec();
}

void Form1::menu_f_00_Click()
{
    // Ends at once: no close event, nothing saved. The stock is written when it changes.
    QCoreApplication::exit(0);
}
