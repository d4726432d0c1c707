#include "app/colorpanel.h"
#include "app/form1.h"
#include "editor/coloreditor.h"
#include "editor/componentscrollbar.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

class Form1Test : public QObject
{
    Q_OBJECT

    static ComponentScrollBar *bar(Form1 &w, int n)
    {
        return w.control<ComponentScrollBar>(
            QByteArray("VScroll" + QByteArray::number(n)).constData());
    }
    static QString label(Form1 &w, int n)
    {
        return w.control<QLabel>(QByteArray("Label" + QByteArray::number(n)).constData())->text();
    }
    static QString code(Form1 &w) { return w.control<QLineEdit>("Text1")->text(); }
    static quint32 sample(Form1 &w) { return w.control<ColorPanel>("Shape1")->BackColor(); }

private slots:
    void shouldStartBlackWithEveryPlaceholderReplaced()
    {
        Form1 w;
        for (int n = 1; n <= 3; ++n) {
            QCOMPARE(bar(w, n)->Value(), 0);
            QCOMPARE(label(w, n), QStringLiteral("0"));
        }
        QCOMPARE(sample(w), 0u);
        QCOMPARE(code(w), QStringLiteral("#000000"));
        QCOMPARE(w.editor()->HexR(), QStringLiteral("00"));
        for (QLabel *l : w.findChildren<QLabel *>())
            QVERIFY2(l->text() != "Label1", qPrintable(l->objectName()));
        for (int n = 4; n <= 19; ++n) {
            auto *swatch =
                w.control<ColorPanel>(QByteArray("Label" + QByteArray::number(n)).constData());
            QCOMPARE(swatch->BackColor(), 0xFFFFFFu);
            QVERIFY(swatch->text().isEmpty());
        }
        QVERIFY(!w.control<QAction>("menu_v_00_00")->isChecked());
        QVERIFY(w.control<QAction>("menu_v_00_01")->isChecked());
    }

    void shouldShowTheCodeAndColorOfTheBars_data()
    {
        QTest::addColumn<int>("red");
        QTest::addColumn<int>("green");
        QTest::addColumn<int>("blue");
        QTest::addColumn<QString>("code");
        QTest::addColumn<quint32>("colorValue");
        QTest::newRow("orange") << 255 << 128 << 0 << "#FF8000" << 33023u;
        QTest::newRow("white") << 255 << 255 << 255 << "#FFFFFF" << 16777215u;
        QTest::newRow("digits and letters below 16") << 9 << 10 << 16 << "#090A10" << 1051145u;
        QTest::newRow("around sixteen") << 15 << 16 << 17 << "#0F1011" << 1118223u;
        QTest::newRow("no lower case") << 171 << 205 << 239 << "#ABCDEF" << 15715755u;
        QTest::newRow("blue only") << 0 << 0 << 1 << "#000001" << 65536u;
    }
    void shouldShowTheCodeAndColorOfTheBars()
    {
        QFETCH(int, red);
        QFETCH(int, green);
        QFETCH(int, blue);
        QFETCH(QString, code);
        QFETCH(quint32, colorValue);
        Form1 w;
        QVERIFY(bar(w, 1)->assign(red));
        QVERIFY(bar(w, 2)->assign(green));
        QVERIFY(bar(w, 3)->assign(blue));
        QCOMPARE(Form1Test::code(w), code);
        QCOMPARE(sample(w), colorValue);
        QCOMPARE(label(w, 1), QString::number(red));
        QCOMPARE(label(w, 2), QString::number(green));
        QCOMPARE(label(w, 3), QString::number(blue));
    }

    void shouldRunEachChainInsideItsAssignment()
    {
        Form1 w;
        QStringList codes;
        QVERIFY(bar(w, 1)->assign(10));
        codes << code(w);
        QVERIFY(bar(w, 2)->assign(20));
        codes << code(w);
        QVERIFY(bar(w, 3)->assign(30));
        codes << code(w);
        QCOMPARE(codes, QStringList({"#0A0000", "#0A1400", "#0A141E"}));
        QCOMPARE(sample(w), 1971210u);
    }

    void shouldRewriteOnlyTheChangedValueLabel()
    {
        Form1 w;
        w.control<QLabel>("Label1")->setText("x");
        w.control<QLabel>("Label3")->setText("y");
        QVERIFY(bar(w, 2)->assign(128));
        QCOMPARE(label(w, 1), QStringLiteral("x"));
        QCOMPARE(label(w, 2), QStringLiteral("128"));
        QCOMPARE(label(w, 3), QStringLiteral("y"));
    }

    void shouldLeaveEverythingAloneForAnUnchangedOrRefusedValue_data()
    {
        QTest::addColumn<int>("value");
        QTest::newRow("same value") << 40;
        QTest::newRow("256") << 256;
        QTest::newRow("-1") << -1;
    }
    void shouldLeaveEverythingAloneForAnUnchangedOrRefusedValue()
    {
        QFETCH(int, value);
        Form1 w;
        QVERIFY(bar(w, 1)->assign(40));
        // Hand-made marks that a chain run would overwrite.
        w.control<QLineEdit>("Text1")->setText("typed");
        w.control<QLabel>("Label1")->setText("mark");
        w.control<ColorPanel>("Shape1")->setBackColor(0x123456);
        QCOMPARE(bar(w, 1)->assign(value), value == 40);
        QCOMPARE(bar(w, 1)->Value(), 40);
        QCOMPARE(code(w), QStringLiteral("typed"));
        QCOMPARE(label(w, 1), QStringLiteral("mark"));
        QCOMPARE(sample(w), 0x123456u);
    }

    void shouldPlaceControlsAsDesigned_data()
    {
        // Pixels at 96 dpi, worked out by hand from the designed twips.
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QRect>("rect");
        QTest::newRow("Frame1") << "Frame1"
                                << "" << QRect(4, 52, 129, 157);
        QTest::newRow("Frame2") << "Frame2"
                                << "" << QRect(4, 4, 129, 45);
        QTest::newRow("Frame3") << "Frame3"
                                << "" << QRect(136, 4, 201, 205);
        QTest::newRow("Frame4") << "Frame4"
                                << "" << QRect(4, 212, 333, 69);
        QTest::newRow("VScroll1") << "VScroll1"
                                  << "Frame1" << QRect(8, 36, 33, 113);
        QTest::newRow("VScroll3") << "VScroll3"
                                  << "Frame1" << QRect(88, 36, 33, 113);
        QTest::newRow("Label2") << "Label2"
                                << "Frame1" << QRect(50, 16, 30, 16);
        QTest::newRow("Shape1") << "Shape1"
                                << "Frame3" << QRect(8, 16, 185, 181);
        QTest::newRow("Text1") << "Text1"
                               << "Frame2" << QRect(8, 16, 81, 21);
        QTest::newRow("Command1") << "Command1"
                                  << "Frame2" << QRect(96, 13, 25, 25);
        QTest::newRow("slot 01") << "Label4"
                                 << "Frame4" << QRect(8, 16, 37, 21);
        QTest::newRow("slot 08") << "Label11"
                                 << "Frame4" << QRect(288, 16, 37, 21);
        QTest::newRow("slot 09") << "Label12"
                                 << "Frame4" << QRect(8, 40, 37, 21);
        QTest::newRow("slot 16") << "Label19"
                                 << "Frame4" << QRect(288, 40, 37, 21);
        QTest::newRow("grey line") << "Line1"
                                   << "" << QRect(4, 0, 332, 1);
    }
    void shouldPlaceControlsAsDesigned()
    {
        QFETCH(QString, name);
        QFETCH(QString, parent);
        QFETCH(QRect, rect);
        Form1 w;
        auto *widget = w.findChild<QWidget *>(name);
        QVERIFY(widget);
        QCOMPARE(widget->geometry(), rect);
        QCOMPARE(widget->parentWidget() == w.centralWidget() ? QString()
                                                             : widget->parentWidget()->objectName(),
                 parent);
    }

    void shouldBeAFixedWindowWithoutMaximize()
    {
        Form1 w;
        w.showCentered();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.centralWidget()->size(), QSize(341, 285));
        QCOMPARE(w.minimumSize(), w.maximumSize());
        QCOMPARE(w.height(), 285 + w.menuBar()->height());
        QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(w.windowFlags() & Qt::WindowMinimizeButtonHint);
        QCOMPARE(w.windowTitle(), QStringLiteral("Tinvue"));
        QVERIFY(!w.windowIcon().isNull());
    }

    void shouldBuildTheMenuTree_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("shortcut");
        QTest::newRow("exit") << "menu_f_00"
                              << "menu_f"
                              << "Tinvue の終了(&X)"
                              << "";
        QTest::newRow("on") << "menu_v_00_00"
                            << "menu_v_00"
                            << "ON"
                            << "F4";
        QTest::newRow("off") << "menu_v_00_01"
                             << "menu_v_00"
                             << "OFF"
                             << "F5";
        QTest::newRow("copy") << "menu_e_00"
                              << "menu_e"
                              << "ｺﾋﾟｰ(&C)"
                              << "Ctrl+C";
        QTest::newRow("about") << "menu_h_00"
                               << "menu_h"
                               << "ﾊﾞｰｼﾞｮﾝ情報(&A)"
                               << "";
    }
    void shouldBuildTheMenuTree()
    {
        QFETCH(QString, name);
        QFETCH(QString, menu);
        QFETCH(QString, caption);
        QFETCH(QString, shortcut);
        Form1 w;
        auto *action = w.findChild<QAction *>(name);
        QVERIFY(action);
        QCOMPARE(action->text(), caption);
        QCOMPARE(action->shortcut(), QKeySequence(shortcut));
        auto *parent = w.findChild<QMenu *>(menu);
        QVERIFY(parent && parent->actions().contains(action));
    }

    void shouldOrderTheMenuBar()
    {
        Form1 w;
        QStringList titles;
        for (QAction *a : w.menuBar()->actions())
            titles << a->text();
        QCOMPARE(titles, QStringList({"ﾌｧｲﾙ(&F)", "表示(&V)", "編集(&E)", "ヘルプ(&H)"}));
        QCOMPARE(w.findChild<QMenu *>("menu_v_00")->title(), QStringLiteral("常に手前に表示(&T)"));
    }

    void shouldTabFromTheFirstBarThroughTheEditor()
    {
        Form1 w;
        w.showCentered();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("VScroll1"));
        QStringList visited;
        for (int i = 0; i < 6; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, QStringList({"VScroll2", "VScroll3", "Text1", "Command1", "VScroll1",
                                       "VScroll2"}));
    }

    void shouldEndAtOnceFromTheExitItem()
    {
        Form1 w;
        w.showCentered();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTimer::singleShot(0, w.control<QAction>("menu_f_00"), &QAction::trigger);
        QCOMPARE(QCoreApplication::exec(), 0);
        // Nothing was closed or unloaded on the way out.
        QVERIFY(w.isVisible());
    }
};

QTEST_MAIN(Form1Test)
#include "tst_form1.moc"
