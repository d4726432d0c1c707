#include "app/form1.h"
#include "placement/formtop.h"
#include "placement/platformchoice.h"

#include <QAction>
#include <QApplication>
#include <QProcessEnvironment>
#include <QTest>
#include <QTimer>
#include <QWindow>

// Always on top through the View menu and SetTopMost, and the choice of the X11
// platform on Wayland, where only X11 lets a program keep its window above others.
class PlacementTest : public QObject
{
    Q_OBJECT
private slots:
    void shouldMoveTheMarksWithTheState_data()
    {
        QTest::addColumn<QStringList>("commands"); // action names
        QTest::addColumn<bool>("topmost");
        QTest::newRow("ON twice") << QStringList{"menu_v_00_00", "menu_v_00_00"} << true;
        QTest::newRow("ON, OFF") << QStringList{"menu_v_00_00", "menu_v_00_01"} << false;
        QTest::newRow("OFF twice, ON")
            << QStringList{"menu_v_00_01", "menu_v_00_01", "menu_v_00_00"} << true;
        QTest::newRow("ON, About") << QStringList{"menu_v_00_00", "menu_h_00"} << false;
    }
    void shouldMoveTheMarksWithTheState()
    {
        QFETCH(QStringList, commands);
        QFETCH(bool, topmost);
        Form1 w;
        w.showCentered();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        for (const QString &name : commands) {
            // The About item returns once its modal window is closed.
            QTimer::singleShot(0, [] {
                if (QWidget *modal = QApplication::activeModalWidget())
                    modal->close();
            });
            w.findChild<QAction *>(name)->trigger();
        }
        QCOMPARE(w.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint), topmost);
        QCOMPARE(w.control<QAction>("menu_v_00_00")->isChecked(), topmost);
        QCOMPARE(w.control<QAction>("menu_v_00_01")->isChecked(), !topmost);
    }

    void shouldIgnoreOtherValuesButReadTheHandleFirst()
    {
        Form1 w;
        QCOMPARE(FormTop::SetTopMost(w, 2), 0);
        QVERIFY(w.testAttribute(Qt::WA_WState_Created));
        QVERIFY(!w.isVisible());
        QVERIFY(FormTop::SetTopMost(w, 1) != 0);
        QVERIFY(w.isVisible()); // a hidden window is shown
        QCOMPARE(FormTop::SetTopMost(w, -1), 0);
        QVERIFY(w.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    }

    void shouldRunAsX11ProgramOnWaylandWhereItCan_data()
    {
        QTest::addColumn<QString>("variables");
        QTest::addColumn<QByteArray>("platform");
        QTest::newRow("Wayland with X11") << "WAYLAND_DISPLAY=w-0 DISPLAY=:0" << QByteArray("xcb");
        QTest::newRow("Wayland session with X11")
            << "XDG_SESSION_TYPE=wayland DISPLAY=:1" << QByteArray("xcb");
        QTest::newRow("Wayland without X11") << "WAYLAND_DISPLAY=w-0" << QByteArray();
        QTest::newRow("X11 session") << "DISPLAY=:0 XDG_SESSION_TYPE=x11" << QByteArray();
        QTest::newRow("the user's choice")
            << "WAYLAND_DISPLAY=w DISPLAY=:0 QT_QPA_PLATFORM=wayland" << QByteArray();
    }
    void shouldRunAsX11ProgramOnWaylandWhereItCan()
    {
        QFETCH(QString, variables);
        QProcessEnvironment environment;
        for (const QString &v : variables.split(' '))
            environment.insert(v.section('=', 0, 0), v.section('=', 1));
        QTEST(PlatformChoice::platformFor(environment), "platform");
    }
};

QTEST_MAIN(PlacementTest)
#include "tst_placement.moc"
