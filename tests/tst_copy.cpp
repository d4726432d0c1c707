#include "app/form1.h"
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
private slots:
    void shouldCopyTheWholeBoxEveryWay_data()
    {
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("boxText"); // empty: the code the bars give
        QTest::newRow("copy button") << "button"
                                     << "";
        QTest::newRow("Edit menu") << "menu"
                                   << "";
        QTest::newRow("Ctrl+C on a scroll bar") << "VScroll2"
                                                << "";
        QTest::newRow("Ctrl+C in the code box, not its selection") << "Text1"
                                                                   << "";
        QTest::newRow("a box edited by hand, as it stands") << "button"
                                                            << " #ff00zz 赤 ";
    }
    void shouldCopyTheWholeBoxEveryWay()
    {
        QFETCH(QString, way);
        QFETCH(QString, boxText);
        Form1 w;
        w.control<ComponentScrollBar>("VScroll1")->assign(255);
        auto *box = w.control<QLineEdit>("Text1");
        if (!boxText.isEmpty())
            box->setText(boxText);
        box->setSelection(1, 2);
        w.showCentered();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QGuiApplication::clipboard()->setText(QStringLiteral("stale"));
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
        const QString expected = boxText.isEmpty() ? QStringLiteral("#FF0000") : boxText;
        QCOMPARE(QGuiApplication::clipboard()->text().toUtf8(), expected.toUtf8());
    }
};

QTEST_MAIN(CopyTest)
#include "tst_copy.moc"
