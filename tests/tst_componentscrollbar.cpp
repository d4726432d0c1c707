#include "widgets/componentscrollbar.h"

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
        QTest::newRow("Up key raises by one") << "Up" << 100 << 101;
        QTest::newRow("Down key lowers by one") << "Down" << 100 << 99;
        QTest::newRow("Up key stops at 255") << "Up" << 255 << 255;
        QTest::newRow("wheel away from the user raises") << "wheel" << 100 << 103;
        QTest::newRow("thumb dragged past the top: one change, on release") << "drag" << 0 << 255;
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
        if (action == "top arrow") {
            QTest::mouseClick(&bar, Qt::LeftButton, {}, centreOf(bar, QStyle::SC_ScrollBarSubLine));
        } else if (action == "drag") {
            const QPoint thumb = centreOf(bar, QStyle::SC_ScrollBarSlider);
            QTest::mousePress(&bar, Qt::LeftButton, {}, thumb);
            QTest::mouseMove(&bar, thumb - QPoint(0, 200));
            QCOMPARE(changes.count(), 0); // none while the thumb is held
            QTest::mouseRelease(&bar, Qt::LeftButton, {}, thumb - QPoint(0, 200));
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

    void shouldSignalOnlyRealChangesRefuseOutOfRangeAndShowScreenReadersTheComponent()
    {
        ComponentScrollBar bar;
        QSignalSpy changes(&bar, &ComponentScrollBar::Change);
        QVERIFY(bar.assign(77));
        QVERIFY(bar.assign(77));
        QVERIFY(!bar.assign(256));
        QVERIFY(!bar.assign(-1));
        QCOMPARE(bar.Value(), 77);
        QCOMPARE(changes.count(), 1);
        // A screen reader reads and sets the component, not the inner position.
        QAccessibleInterface *reader = QAccessible::queryAccessibleInterface(&bar);
        QCOMPARE(reader->text(QAccessible::Value), QStringLiteral("77"));
        QCOMPARE(reader->valueInterface()->currentValue().toInt(), 77);
        QCOMPARE(reader->valueInterface()->maximumValue().toInt(), 255);
        reader->valueInterface()->setCurrentValue(200);
        QCOMPARE(bar.Value(), 200);
    }
};

QTEST_MAIN(ComponentScrollBarTest)
#include "tst_componentscrollbar.moc"
