#include "app/colorpanel.h"
#include "app/form1.h"
#include "editor/componentscrollbar.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRawFont>
#include <QTest>
#include <QTextLayout>

class Form1Test : public QObject
{
    Q_OBJECT

    static ComponentScrollBar *bar(Form1 &w, int n)
    {
        return w.findChild<ComponentScrollBar *>(QStringLiteral("VScroll%1").arg(n));
    }
    static QString label(Form1 &w, int n)
    {
        return w.findChild<QLabel *>(QStringLiteral("Label%1").arg(n))->text();
    }
    static QString code(Form1 &w) { return w.control<QLineEdit>("Text1")->text(); }
    static quint32 sample(Form1 &w) { return w.control<ColorPanel>("Shape1")->BackColor(); }

private slots:
    void shouldStartBlackWithEveryPlaceholderReplaced()
    {
        Form1 w;
        QCOMPARE(QStringList({label(w, 1), label(w, 2), label(w, 3), code(w)}),
                 QStringList({"0", "0", "0", "#000000"}));
        QCOMPARE(sample(w), 0u);
        for (int n = 4; n <= 19; ++n)
            QCOMPARE(w.findChild<ColorPanel *>(QStringLiteral("Label%1").arg(n))->BackColor(),
                     0xFFFFFFu);
        QVERIFY(!w.control<QAction>("menu_v_00_00")->isChecked());
        QVERIFY(w.control<QAction>("menu_v_00_01")->isChecked());
    }

    void shouldShowTheCodeAndColorOfTheBars_data()
    {
        QTest::addColumn<QList<int>>("rgb");
        QTest::addColumn<QString>("code");
        QTest::addColumn<quint32>("colorValue");
        QTest::newRow("orange") << QList<int>{255, 128, 0} << "#FF8000" << 33023u;
        QTest::newRow("white") << QList<int>{255, 255, 255} << "#FFFFFF" << 16777215u;
        QTest::newRow("digits and letters below 16")
            << QList<int>{9, 10, 16} << "#090A10" << 1051145u;
        QTest::newRow("no lower case") << QList<int>{171, 205, 239} << "#ABCDEF" << 15715755u;
    }
    void shouldShowTheCodeAndColorOfTheBars()
    {
        QFETCH(QList<int>, rgb);
        QFETCH(QString, code);
        QFETCH(quint32, colorValue);
        Form1 w;
        for (int n = 1; n <= 3; ++n)
            QVERIFY(bar(w, n)->assign(rgb[n - 1]));
        QCOMPARE(Form1Test::code(w), code);
        QCOMPARE(sample(w), colorValue);
        QCOMPARE(label(w, 2), QString::number(rgb[1]));
    }

    void shouldRunEachChainInsideItsAssignmentAndTouchOnlyItsOwnLabel()
    {
        Form1 w;
        w.control<QLabel>("Label3")->setText("mark");
        QStringList codes;
        for (int n = 1; n <= 2; ++n) {
            QVERIFY(bar(w, n)->assign(10 * n));
            codes << code(w);
        }
        QCOMPARE(codes, QStringList({"#0A0000", "#0A1400"}));
        QCOMPARE(label(w, 3), QStringLiteral("mark"));
    }

    void shouldPlaceControlsAsDesigned_data()
    {
        // Pixels at 96 dpi, worked out by hand from the designed twips.
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("rect");
        QTest::newRow("Frame1") << "Frame1" << QRect(4, 52, 129, 157);
        QTest::newRow("Frame3") << "Frame3" << QRect(136, 4, 201, 205);
        QTest::newRow("Frame4") << "Frame4" << QRect(4, 212, 333, 69);
        QTest::newRow("VScroll3 in Frame1") << "VScroll3" << QRect(88, 36, 33, 113);
        QTest::newRow("Label2 in Frame1") << "Label2" << QRect(50, 16, 30, 16);
        QTest::newRow("Shape1 in Frame3") << "Shape1" << QRect(8, 16, 185, 181);
        QTest::newRow("Command1 in Frame2") << "Command1" << QRect(96, 13, 25, 25);
        QTest::newRow("slot 08 in Frame4") << "Label11" << QRect(288, 16, 37, 21);
        QTest::newRow("slot 09 in Frame4") << "Label12" << QRect(8, 40, 37, 21);
    }
    void shouldPlaceControlsAsDesigned()
    {
        QFETCH(QString, name);
        QFETCH(QRect, rect);
        Form1 w;
        QCOMPARE(w.findChild<QWidget *>(name)->geometry(), rect);
    }

    void shouldDrawJapaneseAndLatinWithTheFacesOfTheirKind_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("fixedPitch");
        QTest::newRow("code box") << "Text1" << true;
        QTest::newRow("value label") << "Label1" << false;
        QTest::newRow("stock slot") << "Label4" << false;
        QTest::newRow("frame caption") << "Frame1" << false;
    }
    void shouldDrawJapaneseAndLatinWithTheFacesOfTheirKind()
    {
        QFETCH(QString, name);
        QFETCH(bool, fixedPitch);
        Form1 w;
        const QFont font = w.findChild<QWidget *>(name)->font();
        const QFontMetricsF metrics(font);
        QCOMPARE(metrics.horizontalAdvance(u'i') == metrics.horizontalAdvance(u'W'), fixedPitch);
        // Every character has a glyph, from whichever face the font falls back to.
        QTextLayout layout(QStringLiteral("#FF8000 赤緑青 ｶﾗｰ ストック"), font);
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        for (const QGlyphRun &run : layout.glyphRuns())
            for (const quint32 glyph : run.glyphIndexes())
                QVERIFY2(glyph != 0, qPrintable(run.rawFont().familyName()));
    }

    void shouldBuildTheMenuTree()
    {
        Form1 w;
        QStringList bar;
        for (QAction *a : w.menuBar()->actions())
            bar << a->menu()->objectName() + ' ' + a->text();
        QCOMPARE(bar, QStringList({"menu_f ﾌｧｲﾙ(&F)", "menu_v 表示(&V)", "menu_e 編集(&E)",
                                   "menu_h ヘルプ(&H)"}));
        QStringList items;
        for (QMenu *menu : w.findChildren<QMenu *>())
            for (QAction *a : menu->actions())
                items << menu->objectName() + '/' + a->text() + ' ' + a->shortcut().toString();
        items.sort();
        QCOMPARE(items, QStringList({"menu_e/ｺﾋﾟｰ(&C) Ctrl+C", "menu_f/Tinvue の終了(&X) ",
                                     "menu_h/ﾊﾞｰｼﾞｮﾝ情報(&A) ", "menu_v/常に手前に表示(&T) ",
                                     "menu_v_00/OFF F5", "menu_v_00/ON F4"}));
    }

    void shouldTabFromTheFirstBarThroughTheEditor()
    {
        Form1 w;
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
};

QTEST_MAIN(Form1Test)
#include "tst_form1.moc"
