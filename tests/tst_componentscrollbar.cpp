#include "editor/componentscrollbar.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QSignalSpy>
#include <QStyleOptionSlider>
#include <QTest>
#include <QWheelEvent>

class ComponentScrollBarTest : public QObject
{
    Q_OBJECT

    static QPoint centreOf(ComponentScrollBar &bar, QStyle::SubControl part)
    {
        QStyleOptionSlider o;
        o.initFrom(&bar);
        o.orientation = Qt::Vertical;
        o.minimum = bar.minimum();
        o.maximum = bar.maximum();
        o.sliderPosition = o.sliderValue = bar.sliderPosition();
        o.pageStep = bar.pageStep();
        return bar.style()->subControlRect(QStyle::CC_ScrollBar, &o, part, &bar).center();
    }

private slots:
    void shouldMoveTheWayTheUserPoints_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("expected");
        QTest::newRow("top arrow raises by one") << "top arrow" << 100 << 101;
        QTest::newRow("bottom arrow lowers by one") << "bottom arrow" << 100 << 99;
        QTest::newRow("track above the thumb raises by ten") << "track above" << 100 << 110;
        QTest::newRow("Up key raises") << "Up" << 100 << 101;
        QTest::newRow("Page Up raises by ten") << "PgUp" << 100 << 110;
        QTest::newRow("Up key stops at 255") << "Up" << 255 << 255;
        QTest::newRow("wheel away from the user raises") << "wheel" << 100 << 103;
    }
    void shouldMoveTheWayTheUserPoints()
    {
        QFETCH(QString, action);
        QFETCH(int, start);
        QFETCH(int, expected);
        ComponentScrollBar bar;
        bar.resize(33, 113);
        QVERIFY(bar.assign(start));
        bar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bar));
        QSignalSpy changes(&bar, &ComponentScrollBar::Change);
        const QMap<QString, QStyle::SubControl> parts{{"top arrow", QStyle::SC_ScrollBarSubLine},
                                                      {"bottom arrow", QStyle::SC_ScrollBarAddLine},
                                                      {"track above", QStyle::SC_ScrollBarSubPage}};
        if (parts.contains(action)) {
            QTest::mouseClick(&bar, Qt::LeftButton, {}, centreOf(bar, parts[action]));
        } else if (action == "wheel") {
            const QPointF at(16, 56);
            QWheelEvent wheel(at, bar.mapToGlobal(at), {}, {0, 120}, Qt::NoButton, Qt::NoModifier,
                              Qt::NoScrollPhase, false);
            QCoreApplication::sendEvent(&bar, &wheel);
        } else {
            QTest::keyClick(&bar, QKeySequence(action)[0].key());
        }
        QCOMPARE(bar.Value(), expected);
        QCOMPARE(changes.count(), expected == start ? 0 : 1);
    }

    void shouldSignalOnlyRealChangesAndRefuseOutOfRange()
    {
        ComponentScrollBar bar;
        QCOMPARE(bar.sliderPosition(), bar.maximum()); // 0 with the thumb at the bottom
        QSignalSpy changes(&bar, &ComponentScrollBar::Change);
        QVERIFY(bar.assign(0));
        QVERIFY(bar.assign(77));
        QVERIFY(bar.assign(77));
        QVERIFY(!bar.assign(256));
        QVERIFY(!bar.assign(-1));
        QCOMPARE(bar.Value(), 77);
        QCOMPARE(changes.count(), 1);
    }

    void shouldSignalOnceWhenADraggedThumbIsReleased()
    {
        ComponentScrollBar bar;
        bar.resize(33, 113);
        bar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bar));
        QSignalSpy changes(&bar, &ComponentScrollBar::Change);
        const QPoint thumb = centreOf(bar, QStyle::SC_ScrollBarSlider);
        QTest::mousePress(&bar, Qt::LeftButton, {}, thumb);
        for (int dy = 5; dy <= 40; dy += 5) {
            const QPointF to(thumb.x(), thumb.y() - dy);
            QMouseEvent move(QEvent::MouseMove, to, bar.mapToGlobal(to), Qt::NoButton,
                             Qt::LeftButton, {});
            QCoreApplication::sendEvent(&bar, &move);
        }
        QCOMPARE(bar.Value(), 0);
        QCOMPARE(changes.count(), 0);
        QTest::mouseRelease(&bar, Qt::LeftButton, {}, thumb - QPoint(0, 40));
        QCOMPARE(changes.count(), 1);
        QVERIFY(bar.Value() > 0);
    }

    void shouldTellScreenReadersTheComponentNotTheInnerPosition()
    {
        ComponentScrollBar bar;
        QVERIFY(bar.assign(128));
        QAccessibleValueInterface *value =
            QAccessible::queryAccessibleInterface(&bar)->valueInterface();
        QCOMPARE(value->currentValue().toInt(), 128);
        QCOMPARE(value->maximumValue().toInt(), 255);
        value->setCurrentValue(200);
        QCOMPARE(bar.Value(), 200);
    }
};

QTEST_MAIN(ComponentScrollBarTest)
#include "tst_componentscrollbar.moc"
