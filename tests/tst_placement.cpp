#include "app/form1.h"
#include "placement/formtop.h"
#include "placement/platformchoice.h"

#include <QAction>
#include <QApplication>
#include <QProcessEnvironment>
#include <QTest>
#include <QTimer>
#include <QWindow>

// Always on top through SetTopMost and the View menu, and the choice of the X11
// platform on Wayland, where only X11 lets a program keep its window above others.
class PlacementTest : public QObject
{
    Q_OBJECT
private slots:
    void shouldMoveTheMarksWithTheState()
    {
        Form1 w;
        const auto onTop = [&w] { return w.windowHandle()->flags() & Qt::WindowStaysOnTopHint; };
        QCOMPARE(FormTop::SetTopMost(w, 2), 0); // ignored, but the handle is read first
        QVERIFY(w.testAttribute(Qt::WA_WState_Created) && !w.isVisible());
        QVERIFY(FormTop::SetTopMost(w, 1) != 0);
        QVERIFY(w.isVisible()); // a hidden window is shown
        QCOMPARE(FormTop::SetTopMost(w, -1), 0);
        QVERIFY(onTop());
        // Each command in turn and whether the window then stays on top.
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
            QCOMPARE(bool(onTop()), topmost);
            QCOMPARE(w.control<QAction>("menu_v_00_00")->isChecked(), topmost);
            QCOMPARE(w.control<QAction>("menu_v_00_01")->isChecked(), !topmost);
        }
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
