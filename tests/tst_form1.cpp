#include "app/form1.h"
#include "widgets/colorpanel.h"
#include "widgets/componentscrollbar.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QToolButton>

using namespace Qt::StringLiterals;

class Form1Test : public QObject
{
    Q_OBJECT

    static ComponentScrollBar *bar(Form1 &w, int n)
    {
        return w.findChild<ComponentScrollBar *>(QStringLiteral("VScroll%1").arg(n));
    }
    static QLabel *label(Form1 &w, int n)
    {
        return w.findChild<QLabel *>(QStringLiteral("Label%1").arg(n));
    }
    static QString code(Form1 &w) { return w.control<QLineEdit>("Text1")->text(); }

private slots:
    void shouldStartBlackWithEveryPlaceholderReplacedAndTabFromTheRedBar()
    {
        Form1 w;
        QCOMPARE(
            QStringList({label(w, 1)->text(), label(w, 2)->text(), label(w, 3)->text(), code(w)}),
            QStringList({"0", "0", "0", "#000000"}));
        QCOMPARE(w.control<ColorPanel>("Shape1")->BackColor(), 0u);
        const QFontMetricsF codeFont(w.control<QLineEdit>("Text1")->font()); // fixed pitch
        QCOMPARE(codeFont.horizontalAdvance(u'i'), codeFont.horizontalAdvance(u'W'));
        QVERIFY(!w.control<QAction>("menu_v_00_00")->isChecked());
        QVERIFY(w.control<QAction>("menu_v_00_01")->isChecked());
        w.showCentered();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QStringList visited{QApplication::focusWidget()->objectName()};
        for (int i = 0; i < 5; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, QStringList({"VScroll1", "VScroll2", "VScroll3", "Text1", "Command1",
                                       "VScroll1"}));
    }

    void shouldRunEachBarsChainInsideItsAssignment_data()
    {
        // The code after each of the three bars is assigned in turn.
        QTest::addColumn<QList<int>>("rgb");
        QTest::addColumn<QStringList>("codes");
        QTest::addColumn<quint32>("colorValue");
        QTest::newRow("orange, blue unchanged")
            << QList<int>{255, 128, 0} << QStringList{"#FF0000", "#FF8000", "#FF8000"} << 33023u;
        QTest::newRow("digits and letters below 16")
            << QList<int>{9, 10, 16} << QStringList{"#090000", "#090A00", "#090A10"} << 1051145u;
        QTest::newRow("no lower case") << QList<int>{171, 205, 239}
                                       << QStringList{"#AB0000", "#ABCD00", "#ABCDEF"} << 15715755u;
    }
    void shouldRunEachBarsChainInsideItsAssignment()
    {
        QFETCH(QList<int>, rgb);
        Form1 w;
        QStringList codes;
        for (int n = 1; n <= 3; ++n)
            label(w, n)->setText("-");
        for (int n = 1; n <= 3; ++n) {
            QVERIFY(bar(w, n)->assign(rgb[n - 1]));
            codes << code(w);
        }
        QTEST(codes, "codes");
        // A change event writes its own bar's label only; a bar assigned the 0 it
        // holds sends none.
        for (int n = 1; n <= 3; ++n)
            QCOMPARE(label(w, n)->text(), rgb[n - 1] ? QString::number(rgb[n - 1]) : "-");
        QTEST(w.control<ColorPanel>("Shape1")->BackColor(), "colorValue");
    }

    void shouldPlaceAndNameControlsAsDesigned_data()
    {
        // Rows named for the control. Pixels at 96 dpi, worked out by hand from the
        // designed twips; the name a screen reader gives.
        QTest::addColumn<QRect>("rect");
        QTest::addColumn<QString>("name");
        QTest::newRow("VScroll1") << QRect(8, 36, 33, 113) << "赤";
        QTest::newRow("VScroll2") << QRect(48, 36, 33, 113) << "緑";
        QTest::newRow("VScroll3") << QRect(88, 36, 33, 113) << "青";
        QTest::newRow("Shape1") << QRect(8, 16, 185, 181) << "色見本";
        QTest::newRow("Text1") << QRect(8, 16, 81, 21) << "HTML カラーコード";
        QTest::newRow("Command1") << QRect(96, 13, 25, 25) << "クリップボードへコピー";
        QTest::newRow("Label11") << QRect(288, 16, 37, 21) << "ストック 08";
        QTest::newRow("Label12") << QRect(8, 40, 37, 21) << "ストック 09";
    }
    void shouldPlaceAndNameControlsAsDesigned()
    {
        Form1 w;
        auto *control = w.findChild<QWidget *>(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(control);
        QTEST(control->geometry(), "rect");
        QTEST(QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name), "name");
    }

    void shouldBuildTheMenuTree()
    {
        Form1 w;
        QStringList items; // each menu's items under its title, with their shortcuts
        for (QMenu *menu : w.findChildren<QMenu *>())
            for (QAction *a : menu->actions())
                items << menu->title() + " > " + a->text() + ' ' + a->shortcut().toString();
        QCOMPARE(items,
                 QStringList({"ﾌｧｲﾙ(&F) > Tinvue の終了(&X) ", "表示(&V) > 常に手前に表示(&T) ",
                              "常に手前に表示(&T) > ON F4", "常に手前に表示(&T) > OFF F5",
                              "編集(&E) > ｺﾋﾟｰ(&C) Ctrl+C", "ヘルプ(&H) > ﾊﾞｰｼﾞｮﾝ情報(&A) "}));
    }

    void shouldCopyTheWholeBoxEveryWay_data()
    {
        QTest::addColumn<QString>("way"); // the copy button, the Edit menu or Ctrl+C on a control
        QTest::addColumn<QString>("edited"); // typed into the code box; none: the bars' code
        QTest::newRow("copy button") << "button" << QString();
        QTest::newRow("Edit menu") << "menu" << QString();
        QTest::newRow("Ctrl+C on a scroll bar") << "VScroll2" << QString();
        QTest::newRow("Ctrl+C in the code box, not its selection") << "Text1" << QString();
        QTest::newRow("a box edited by hand, as it stands") << "button" << u" #ff00zz 赤 "_s;
    }
    void shouldCopyTheWholeBoxEveryWay()
    {
        QFETCH(QString, way);
        QFETCH(QString, edited);
        Form1 w;
        bar(w, 1)->assign(255);
        auto *box = w.control<QLineEdit>("Text1");
        if (!edited.isNull())
            box->setText(edited);
        box->setSelection(1, 2);
        w.showCentered();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QGuiApplication::clipboard()->setText(QStringLiteral("stale"));
        for (int copies = 0; copies < 2; ++copies) { // the second leaves the same single text
            if (way == "button") {
                QTest::mouseClick(w.control<QToolButton>("Command1"), Qt::LeftButton);
            } else if (way == "menu") {
                w.control<QAction>("menu_e_00")->trigger();
            } else {
                QWidget *target = w.findChild<QWidget *>(way);
                target->setFocus();
                QTRY_COMPARE(QApplication::focusWidget(), target);
                QTest::keyClick(target, Qt::Key_C, Qt::ControlModifier);
            }
        }
        QCOMPARE(QGuiApplication::clipboard()->text().toUtf8(),
                 (edited.isNull() ? QStringLiteral("#FF0000") : edited).toUtf8());
    }
};

QTEST_MAIN(Form1Test)
#include "tst_form1.moc"
