#include "app/form1.h"
#include "placement/formtop.h"
#include "placement/platformchoice.h"

#include <QAction>
#include <QApplication>
#include <QProcessEnvironment>
#include <QTest>
#include <QTimer>
#include <QWindow>

class PlacementTest : public QObject
{
    Q_OBJECT

    static bool staysOnTop(Form1 &w)
    {
        return w.windowHandle()->flags() & Qt::WindowStaysOnTopHint;
    }

private slots:
    void shouldMoveTheMarksWithTheState_data()
    {
        // Commands by action name, then the expected state and the marks of ON and OFF.
        QTest::addColumn<QStringList>("commands");
        QTest::addColumn<bool>("topmost");
        QTest::newRow("ON") << QStringList{"menu_v_00_00"} << true;
        QTest::newRow("ON twice") << QStringList{"menu_v_00_00", "menu_v_00_00"} << true;
        QTest::newRow("ON, OFF") << QStringList{"menu_v_00_00", "menu_v_00_01"} << false;
        QTest::newRow("OFF twice") << QStringList{"menu_v_00_01", "menu_v_00_01"} << false;
        QTest::newRow("OFF, ON, ON")
            << QStringList{"menu_v_00_01", "menu_v_00_00", "menu_v_00_00"} << true;
        QTest::newRow("ON, About") << QStringList{"menu_v_00_00", "menu_h_00"} << false;
    }
    void shouldMoveTheMarksWithTheState()
    {
        QFETCH(QStringList, commands);
        QFETCH(bool, topmost);
        Form1 w;
        w.showCentered();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QRect before = w.geometry();
        const WId id = w.winId();
        for (const QString &name : commands) {
            // The About item returns once its modal window is closed.
            QTimer::singleShot(0, [] {
                if (QWidget *modal = QApplication::activeModalWidget())
                    modal->close();
            });
            w.findChild<QAction *>(name)->trigger();
        }
        QCOMPARE(staysOnTop(w), topmost);
        QCOMPARE(w.control<QAction>("menu_v_00_00")->isChecked(), topmost);
        QCOMPARE(w.control<QAction>("menu_v_00_01")->isChecked(), !topmost);
        QCOMPARE(w.geometry(), before);
        QCOMPARE(w.winId(), id);
        QVERIFY(w.isVisible());
    }

    void shouldIgnoreOtherValues_data()
    {
        QTest::addColumn<int>("onTop");
        QTest::addColumn<bool>("startOnTop");
        QTest::newRow("2, window released") << 2 << false;
        QTest::newRow("-1, window released") << -1 << false;
        QTest::newRow("2, window on top") << 2 << true;
        QTest::newRow("-1, window on top") << -1 << true;
    }
    void shouldIgnoreOtherValues()
    {
        QFETCH(int, onTop);
        QFETCH(bool, startOnTop);
        Form1 w;
        w.showCentered();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(FormTop::SetTopMost(w, startOnTop ? 1 : 0), 1);
        QCOMPARE(FormTop::SetTopMost(w, qint16(onTop)), 0);
        QCOMPARE(staysOnTop(w), startOnTop);
    }

    void shouldReadTheHandleFirstAndShowAHiddenWindow()
    {
        Form1 w;
        QVERIFY(!w.testAttribute(Qt::WA_WState_Created));
        QCOMPARE(FormTop::SetTopMost(w, 7), 0);
        QVERIFY(w.testAttribute(Qt::WA_WState_Created));
        QVERIFY(!w.isVisible());
        QVERIFY(FormTop::SetTopMost(w, 1) != 0);
        QVERIFY(w.isVisible());
        QVERIFY(staysOnTop(w));
    }

    void shouldRunAsX11ProgramOnWaylandWhereItCan_data()
    {
        QTest::addColumn<QStringList>("variables");
        QTest::addColumn<QByteArray>("platform");
        QTest::newRow("Wayland with X11")
            << QStringList{"WAYLAND_DISPLAY=wayland-0", "DISPLAY=:0"} << QByteArray("xcb");
        QTest::newRow("Wayland session type with X11")
            << QStringList{"XDG_SESSION_TYPE=wayland", "DISPLAY=:1"} << QByteArray("xcb");
        QTest::newRow("Wayland without X11")
            << QStringList{"WAYLAND_DISPLAY=wayland-0"} << QByteArray();
        QTest::newRow("X11 session")
            << QStringList{"DISPLAY=:0", "XDG_SESSION_TYPE=x11"} << QByteArray();
        QTest::newRow("the user's own choice")
            << QStringList{"WAYLAND_DISPLAY=wayland-0", "DISPLAY=:0", "QT_QPA_PLATFORM=wayland"}
            << QByteArray();
    }
    void shouldRunAsX11ProgramOnWaylandWhereItCan()
    {
        QFETCH(QStringList, variables);
        QFETCH(QByteArray, platform);
        QProcessEnvironment environment;
        for (const QString &v : variables)
            environment.insert(v.section('=', 0, 0), v.section('=', 1));
        QCOMPARE(PlatformChoice::platformFor(environment), platform);
    }
};

QTEST_MAIN(PlacementTest)
#include "tst_placement.moc"
