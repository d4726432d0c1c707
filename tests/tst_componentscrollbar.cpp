// SPDX-License-Identifier: MIT
#include "widgets/componentscrollbar.h"

#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

class ComponentScrollBarTest : public QObject
{
    Q_OBJECT
private slots:
    void shouldMoveTheWayTheUserPoints_data()
    {
        QTest::addColumn<QString>("action"); // a number: assigned from code
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("expected");
        QTest::newRow("top arrow raises by one") << "top arrow" << 100 << 101;
        QTest::newRow("Up key stops at 255") << "Up" << 255 << 255;
        QTest::newRow("wheel away from the user raises") << "wheel" << 100 << 103;
        QTest::newRow("thumb dragged past the top: one change, on release") << "drag" << 0 << 255;
        QTest::newRow("256 refused") << "256" << 7 << 7;
        QTest::newRow("-1 refused") << "-1" << 7 << 7;
        QTest::newRow("the value held: no change") << "7" << 7 << 7;
    }
    void shouldMoveTheWayTheUserPoints()
    {
        QFETCH(QString, action);
        QFETCH(int, start);
        QFETCH(int, expected);
        ComponentScrollBar bar;
        QVERIFY(bar.assign(start));
        bar.resize(33, 113); // as designed, for the style to lay out its parts
        bar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bar));
        QSignalSpy changes(&bar, &ComponentScrollBar::Change);
        const QPoint thumb = bar.thumbRect().center(), above = thumb - QPoint(0, 200);
        bool assigned = false;
        const int component = action.toInt(&assigned);
        if (assigned) {
            QCOMPARE(bar.assign(component), component == expected);
        } else if (action == "top arrow") {
            QTest::mouseClick(&bar, Qt::LeftButton, {}, QPoint(16, 4));
        } else if (action == "drag") {
            QTest::mousePress(&bar, Qt::LeftButton, {}, thumb);
            QTest::mouseMove(&bar, above);
            QCOMPARE(changes.count(), 0); // none while the thumb is held
            QTest::mouseRelease(&bar, Qt::LeftButton, {}, above);
        } else if (action == "wheel") {
            QWheelEvent wheel(thumb, bar.mapToGlobal(thumb), {}, {0, 120}, Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QCoreApplication::sendEvent(&bar, &wheel);
        } else {
            QTest::keyClick(&bar, QKeySequence(action)[0].key());
        }
        QCOMPARE(bar.Value(), expected);
        QCOMPARE(changes.count(), expected == start ? 0 : 1);
    }
};

QTEST_MAIN(ComponentScrollBarTest)
#include "tst_componentscrollbar.moc"
