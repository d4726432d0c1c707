#include "app/form1.h"
#include "editor/clipboardkeeper.h"
#include "editor/componentscrollbar.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

class CopyTest : public QObject
{
    Q_OBJECT

    static void showRed(Form1 &w)
    {
        w.control<ComponentScrollBar>("VScroll1")->assign(255);
        w.showCentered();
        QVERIFY(QTest::qWaitForWindowActive(&w));
    }

    static void copyBy(Form1 &w, const QString &way)
    {
        if (way == "button") {
            QTest::mouseClick(w.control<QToolButton>("Command1"), Qt::LeftButton);
        } else if (way == "menu") {
            w.control<QAction>("menu_e_00")->trigger();
        } else {
            // "Ctrl+C in NAME": the key pressed with the focus on that control.
            QWidget *target = w.findChild<QWidget *>(way.section(' ', 2));
            target->setFocus();
            QTRY_COMPARE(QApplication::focusWidget(), target);
            QTest::keyClick(target, Qt::Key_C, Qt::ControlModifier);
        }
    }

private slots:
    void init() { QGuiApplication::clipboard()->setText(QStringLiteral("stale")); }

    void shouldCopyTheCodeEveryWay_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("copy button") << "button";
        QTest::newRow("Edit menu") << "menu";
        QTest::newRow("Ctrl+C on a scroll bar") << "Ctrl+C in VScroll2";
        QTest::newRow("Ctrl+C in the code box") << "Ctrl+C in Text1";
        QTest::newRow("Ctrl+C on the copy button") << "Ctrl+C in Command1";
    }
    void shouldCopyTheCodeEveryWay()
    {
        QFETCH(QString, way);
        Form1 w;
        showRed(w);
        copyBy(w, way);
        QCOMPARE(QGuiApplication::clipboard()->text().toUtf8(), QByteArray("#FF0000"));
    }

    void shouldCopyTheWholeBoxNotItsSelection()
    {
        Form1 w;
        showRed(w);
        auto *box = w.control<QLineEdit>("Text1");
        box->setFocus();
        box->setSelection(1, 2);
        QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("#FF0000"));
    }

    void shouldCopyAnEditedBoxAsItStands()
    {
        Form1 w;
        showRed(w);
        w.control<QLineEdit>("Text1")->setText(QStringLiteral(" #ff00zz 赤 "));
        copyBy(w, "button");
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral(" #ff00zz 赤 "));
    }

    void shouldLeaveOneTextWhenCopiedTwice()
    {
        Form1 w;
        showRed(w);
        copyBy(w, "button");
        copyBy(w, "menu");
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("#FF0000"));
        QCOMPARE(w.control<QLineEdit>("Text1")->text(), QStringLiteral("#FF0000"));
    }

    void shouldKeepTheClipboardToolForX11AndWayland_data()
    {
        QTest::addColumn<QString>("platform");
        QTest::addColumn<QString>("tool");
        QTest::newRow("X11") << "xcb"
                             << "xclip";
        QTest::newRow("Wayland") << "wayland"
                                 << "wl-copy";
        QTest::newRow("Wayland with EGL") << "wayland-egl"
                                          << "wl-copy";
        QTest::newRow("offscreen") << "offscreen"
                                   << "";
    }
    void shouldKeepTheClipboardToolForX11AndWayland()
    {
        QFETCH(QString, platform);
        QFETCH(QString, tool);
        QCOMPARE(ClipboardKeeper::keeperCommand(platform).value(0), tool);
    }
};

QTEST_MAIN(CopyTest)
#include "tst_copy.moc"
