#include "app/form1.h"
#include "widgets/colorpanel.h"
#include "widgets/componentscrollbar.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
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
    static QString text(Form1 &w, const QString &name)
    {
        return w.findChild<QWidget *>(name)->property("text").toString();
    }

private slots:
    void shouldStartAsDesigned()
    {
        Form1 w;
        // Every control where the design puts it: pixels at 96 dpi, worked out by hand
        // from the twips; the swatches in two rows of eight, 40 pixels apart.
        QStringList designed{
            "Frame1 4,52 129x157",   "Frame2 4,4 129x45",    "Frame3 136,4 201x205",
            "Frame4 4,212 333x69",   "VScroll1 8,36 33x113", "VScroll2 48,36 33x113",
            "VScroll3 88,36 33x113", "Label1 10,16 30x16",   "Label2 50,16 30x16",
            "Label3 90,16 30x16",    "Shape1 8,16 185x181",  "Text1 8,16 81x21",
            "Command1 96,13 25x25",  "Line1 4,0 332x1",      "Line2 5,-1 331x3"};
        for (int slot = 0; slot < 16; ++slot)
            designed << u"Label%1 %2,%3 37x21"_s.arg(slot + 4)
                            .arg(8 + 40 * (slot % 8))
                            .arg(slot < 8 ? 16 : 40);
        for (const QString &row : designed) {
            const QWidget *c = w.findChild<QWidget *>(row.section(' ', 0, 0));
            const QRect r = c ? c->geometry() : QRect();
            QCOMPARE(u"%1 %2,%3 %4x%5"_s.arg(row.section(' ', 0, 0))
                         .arg(r.x())
                         .arg(r.y())
                         .arg(r.width())
                         .arg(r.height()),
                     row);
        }
        // Each menu's items under its title, with their shortcuts.
        QStringList items;
        for (QMenu *menu : w.findChildren<QMenu *>())
            for (QAction *a : menu->actions())
                items << menu->title() + " > " + a->text() + ' ' + a->shortcut().toString();
        QCOMPARE(items,
                 QStringList({"ﾌｧｲﾙ(&F) > Tinvue の終了(&X) ", "表示(&V) > 常に手前に表示(&T) ",
                              "常に手前に表示(&T) > ON F4", "常に手前に表示(&T) > OFF F5",
                              "編集(&E) > ｺﾋﾟｰ(&C) Ctrl+C", "ヘルプ(&H) > ﾊﾞｰｼﾞｮﾝ情報(&A) "}));
        QVERIFY(!w.control<QAction>("menu_v_00_00")->isChecked());
        QVERIFY(w.control<QAction>("menu_v_00_01")->isChecked());
        // Black, with every placeholder replaced, the code in a fixed-pitch face.
        QCOMPARE(QStringList(
                     {text(w, "Label1"), text(w, "Label2"), text(w, "Label3"), text(w, "Text1")}),
                 QStringList({"0", "0", "0", "#000000"}));
        QCOMPARE(w.control<ColorPanel>("Shape1")->BackColor(), 0u);
        const QFontMetricsF codeFont(w.control<QLineEdit>("Text1")->font());
        QCOMPARE(codeFont.horizontalAdvance(u'i'), codeFont.horizontalAdvance(u'W'));
        // The focus starts on the red bar; Tab takes it round the controls that take it.
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
            << QList<int>{9, 10, 239} << QStringList{"#090000", "#090A00", "#090AEF"} << 15665673u;
    }
    void shouldRunEachBarsChainInsideItsAssignment()
    {
        QFETCH(QList<int>, rgb);
        Form1 w;
        QStringList codes;
        for (int n = 1; n <= 3; ++n)
            w.findChild<QLabel *>(QStringLiteral("Label%1").arg(n))->setText("-");
        for (int n = 1; n <= 3; ++n) {
            QVERIFY(bar(w, n)->assign(rgb[n - 1]));
            codes << text(w, "Text1");
        }
        QTEST(codes, "codes");
        // A change event writes its own bar's label only; a bar assigned the 0 it
        // holds sends none.
        for (int n = 1; n <= 3; ++n)
            QCOMPARE(text(w, QStringLiteral("Label%1").arg(n)),
                     rgb[n - 1] ? QString::number(rgb[n - 1]) : "-");
        QTEST(w.control<ColorPanel>("Shape1")->BackColor(), "colorValue");
    }

    // The whole box, not its selection, also with the focus inside it, and a box
    // edited by hand as it stands.
    void shouldCopyTheWholeCodeBox()
    {
        Form1 w;
        bar(w, 1)->assign(255);
        auto *box = w.control<QLineEdit>("Text1");
        box->setSelection(1, 2);
        w.showCentered();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        box->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), box);
        QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), u"#FF0000"_s);
        box->setText(u" #ff00zz 赤 "_s);
        QTest::mouseClick(w.control<QToolButton>("Command1"), Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(), u" #ff00zz 赤 "_s);
    }
};

QTEST_MAIN(Form1Test)
#include "tst_form1.moc"
