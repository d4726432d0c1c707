// SPDX-License-Identifier: MIT
#include "app/form1.h"
#include "app/qttexts.h"
#include "placement/formtop.h"
#include "placement/platformchoice.h"
#include "widgets/componentscrollbar.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProcessEnvironment>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QWindow>

using namespace Qt::StringLiterals;

class Form1Test : public QObject
{
    Q_OBJECT

private slots:
    void shouldStartAsDesigned()
    {
        Form1 w;
        // The code in a fixed-pitch face. (The start values are read by atspi.py.)
        const QFontMetricsF codeFont(w.control<QLineEdit>("Text1")->font());
        QCOMPARE(codeFont.horizontalAdvance(u'i'), codeFont.horizontalAdvance(u'W'));
        // The focus starts on the red bar; Tab takes it round the controls that take it.
        w.showCentered();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QString visited = QApplication::focusWidget()->objectName();
        for (int i = 0; i < 5; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited += ' ' + QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, "VScroll1 VScroll2 VScroll3 Text1 Command1 VScroll1"_L1);
        // Qt's own title bar on Wayland offers to maximize even a fixed window.
        const QRect shown = w.geometry();
        w.setWindowState(Qt::WindowMaximized);
        QCOMPARE(w.windowState(), Qt::WindowNoState);
        QCOMPARE(w.geometry(), shown);
    }

    // Each bar's chain runs inside its assignment and writes its own label only, and
    // the code in two upper-case digits a component; copying takes the whole box, not
    // its selection, also with the focus inside it, and a box edited by hand as it stands.
    void shouldShowAndCopyTheCodeOfTheBars()
    {
        Form1 w;
        for (const char *label : {"Label1", "Label2", "Label3"}) {
            w.control<QLabel>(label)->setText("-");
            w.control<QLabel>(label)->setAccessibleName("-");
        }
        QStringList shown; // the value labels, as seen and as heard, and the code
        for (const auto &[bar, value] : {std::pair{"VScroll1", 255}, {"VScroll2", 10}}) {
            QVERIFY(w.control<ComponentScrollBar>(bar)->assign(value));
            for (const char *name : {"Label1", "Label2", "Label3"})
                shown << w.control<QLabel>(name)->text() + '/' +
                             QAccessible::queryAccessibleInterface(w.control<QLabel>(name))
                                 ->text(QAccessible::Name);
            shown << w.control<QLineEdit>("Text1")->text();
        }
        QCOMPARE(shown.join(u' '), u"255/赤 255 -/- -/- #FF0000 255/赤 255 10/緑 10 -/- #FF0A00"_s);
        w.showCentered();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        // The Edit menu's shortcut, from the red bar, which has the focus.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), u"#FF0A00"_s);
        auto *box = w.control<QLineEdit>("Text1");
        box->setText(u" #ff00zz 赤 "_s);
        box->setSelection(1, 2);
        box->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), box);
        QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), u" #ff00zz 赤 "_s);
        box->setText(u"#0000FF"_s);
        QTest::mouseClick(w.control<QToolButton>("Command1"), Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(), u"#0000FF"_s);
        // A focused button is pressed by Enter too, as by Space.
        for (const auto &[key, keypad] :
             {std::pair{Qt::Key_Return, Qt::NoModifier}, {Qt::Key_Enter, Qt::KeypadModifier}}) {
            box->setText(QString::number(key));
            QTest::keyClick(w.control<QToolButton>("Command1"), key, keypad);
            QCOMPARE(QGuiApplication::clipboard()->text(), QString::number(key));
        }
    }

    // Qt's own texts, such as the code box's context menu, are Japanese too.
    void shouldShowQtsOwnTextsInJapanese()
    {
        QtTexts::installJapanese();
        Form1 w;
        const std::unique_ptr<QMenu> menu(
            w.control<QLineEdit>("Text1")->createStandardContextMenu());
        QCOMPARE(menu->actions().constFirst()->text().section(u'\t', 0, 0), u"元に戻す(&U)"_s);
    }

    // Always on top through SetTopMost and the View menu, and the choice of the X11
    // platform on Wayland where its window manager keeps a window above others.
    void shouldMoveTheMarksWithTheState()
    {
        // Whether the window system keeps the window on top is seen end to end
        // (e2e/cases/placement.sh, and windows/run.sh under Wine).
        Form1 w;
        QCOMPARE(FormTop::SetTopMost(w, 2), 0); // ignored, but the handle is read first
        QVERIFY(w.testAttribute(Qt::WA_WState_Created) && !w.isVisible());
        QVERIFY(FormTop::SetTopMost(w, 1) != 0);
        QVERIFY(w.isVisible()); // a hidden window is shown
        QCOMPARE(FormTop::SetTopMost(w, -1), 0);
        // Each command in turn and the marks it leaves.
        const QList<std::pair<const char *, bool>> steps{
            {"menu_v_00_01", false}, {"menu_v_00_01", false}, {"menu_v_00_00", true},
            {"menu_v_00_00", true},  {"menu_v_00_01", false}, {"menu_v_00_00", true},
            {"menu_h_00", false}};
        for (const auto &[name, topmost] : steps) {
            // The About item returns once its modal window is closed.
            QTimer::singleShot(0, [] {
                if (QWidget *modal = QApplication::activeModalWidget())
                    modal->close();
            });
            w.control<QAction>(name)->trigger();
            QCOMPARE(w.control<QAction>("menu_v_00_00")->isChecked(), topmost);
            QCOMPARE(w.control<QAction>("menu_v_00_01")->isChecked(), !topmost);
        }
    }

    // The X11 window manager is asked only where its answer decides.
    void shouldRunAsX11ProgramOnWaylandWhereItKeepsTheWindowOnTop_data()
    {
        QTest::addColumn<QString>("variables");
        QTest::addColumn<bool>("offersAbove");
        QTest::addColumn<QByteArray>("platform");
        QTest::addColumn<bool>("asked");
        QTest::newRow("GNOME, KDE")
            << "WAYLAND_DISPLAY=w-0 DISPLAY=:0" << true << QByteArray("xcb") << true;
        QTest::newRow("Wayland session by its type")
            << "XDG_SESSION_TYPE=wayland DISPLAY=:1" << true << QByteArray("xcb") << true;
        QTest::newRow("wlroots") << "WAYLAND_DISPLAY=w-0 DISPLAY=:0" << false
                                 << QByteArray("wayland;xcb") << true;
        QTest::newRow("Wayland without X11")
            << "WAYLAND_DISPLAY=w-0" << true << QByteArray("wayland;xcb") << false;
        QTest::newRow("X11 session")
            << "DISPLAY=:0 XDG_SESSION_TYPE=x11" << true << QByteArray() << false;
        QTest::newRow("the user's choice") << "WAYLAND_DISPLAY=w DISPLAY=:0 QT_QPA_PLATFORM=wayland"
                                           << true << QByteArray() << false;
    }
    void shouldRunAsX11ProgramOnWaylandWhereItKeepsTheWindowOnTop()
    {
        QFETCH(QString, variables);
        QFETCH(bool, offersAbove);
        QProcessEnvironment environment;
        for (const QString &v : variables.split(' '))
            environment.insert(v.section('=', 0, 0), v.section('=', 1));
        bool asked = false;
        QTEST(PlatformChoice::platformFor(environment,
                                          [&] {
                                              asked = true;
                                              return offersAbove;
                                          }),
              "platform");
        QTEST(asked, "asked");
    }
};

QTEST_MAIN(Form1Test)
#include "tst_form1.moc"
