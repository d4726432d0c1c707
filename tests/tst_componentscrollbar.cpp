#include "editor/componentscrollbar.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <QWheelEvent>

class ComponentScrollBarTest : public QObject
{
    Q_OBJECT

    static QPoint subControlCentre(ComponentScrollBar &bar, QStyle::SubControl sc)
    {
        QStyleOptionSlider option;
        option.initFrom(&bar);
        option.orientation = Qt::Vertical;
        option.minimum = bar.minimum();
        option.maximum = bar.maximum();
        option.sliderPosition = bar.sliderPosition();
        option.sliderValue = bar.value();
        option.singleStep = bar.singleStep();
        option.pageStep = bar.pageStep();
        option.upsideDown = bar.invertedAppearance();
        return bar.style()->subControlRect(QStyle::CC_ScrollBar, &option, sc, &bar).center();
    }

    static void wheel(ComponentScrollBar &bar, int angle)
    {
        const QPointF pos(bar.width() / 2.0, bar.height() / 2.0);
        QWheelEvent event(pos, bar.mapToGlobal(pos), QPoint(), QPoint(0, angle), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(&bar, &event);
    }

private slots:
    void shouldStartAtZeroWithTheThumbAtTheBottom()
    {
        ComponentScrollBar bar;
        QCOMPARE(bar.Value(), 0);
        QCOMPARE(bar.sliderPosition(), bar.maximum());
    }

    void shouldMoveTheWayTheUserPoints_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("expected");
        QTest::newRow("top arrow raises by one") << "top arrow" << 100 << 101;
        QTest::newRow("bottom arrow lowers by one") << "bottom arrow" << 100 << 99;
        QTest::newRow("track above the thumb raises by ten") << "track above" << 100 << 110;
        QTest::newRow("track below the thumb lowers by ten") << "track below" << 100 << 90;
        QTest::newRow("Up key raises") << "Up" << 100 << 101;
        QTest::newRow("Down key lowers") << "Down" << 100 << 99;
        QTest::newRow("Page Up raises by ten") << "PgUp" << 100 << 110;
        QTest::newRow("Page Down lowers by ten") << "PgDown" << 100 << 90;
        QTest::newRow("Home goes to the top end") << "Home" << 100 << 255;
        QTest::newRow("End goes to the bottom end") << "End" << 100 << 0;
        QTest::newRow("Up key stops at 255") << "Up" << 255 << 255;
        QTest::newRow("Down key stops at 0") << "Down" << 0 << 0;
        QTest::newRow("top arrow stops at 255") << "top arrow" << 255 << 255;
        QTest::newRow("wheel away from the user raises") << "wheel up" << 100 << 103;
        QTest::newRow("wheel towards the user lowers") << "wheel down" << 100 << 97;
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

        if (action == "top arrow")
            QTest::mouseClick(&bar, Qt::LeftButton, {},
                              subControlCentre(bar, QStyle::SC_ScrollBarSubLine));
        else if (action == "bottom arrow")
            QTest::mouseClick(&bar, Qt::LeftButton, {},
                              subControlCentre(bar, QStyle::SC_ScrollBarAddLine));
        else if (action == "track above")
            QTest::mouseClick(&bar, Qt::LeftButton, {},
                              subControlCentre(bar, QStyle::SC_ScrollBarSubPage));
        else if (action == "track below")
            QTest::mouseClick(&bar, Qt::LeftButton, {},
                              subControlCentre(bar, QStyle::SC_ScrollBarAddPage));
        else if (action == "wheel up")
            wheel(bar, 120);
        else if (action == "wheel down")
            wheel(bar, -120);
        else
            QTest::keyClick(&bar, QKeySequence(action)[0].key());

        QCOMPARE(bar.Value(), expected);
        QCOMPARE(changes.count(), expected == start ? 0 : 1);
    }

    void shouldRefuseValuesOutsideTheRange_data()
    {
        QTest::addColumn<int>("value");
        QTest::newRow("256") << 256;
        QTest::newRow("-1") << -1;
        QTest::newRow("32767") << 32767;
        QTest::newRow("-32768") << -32768;
    }
    void shouldRefuseValuesOutsideTheRange()
    {
        QFETCH(int, value);
        ComponentScrollBar bar;
        QVERIFY(bar.assign(77));
        QSignalSpy changes(&bar, &ComponentScrollBar::Change);
        QVERIFY(!bar.assign(value));
        QCOMPARE(bar.Value(), 77);
        QCOMPARE(changes.count(), 0);
    }

    void shouldSignalOnlyRealChanges()
    {
        ComponentScrollBar bar;
        QSignalSpy changes(&bar, &ComponentScrollBar::Change);
        QVERIFY(bar.assign(0));
        QCOMPARE(changes.count(), 0);
        QVERIFY(bar.assign(255));
        QVERIFY(bar.assign(255));
        QCOMPARE(changes.count(), 1);
        QCOMPARE(bar.Value(), 255);
    }

    void shouldSignalOnceWhenADraggedThumbIsReleased()
    {
        ComponentScrollBar bar;
        bar.resize(33, 113);
        bar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bar));
        QSignalSpy changes(&bar, &ComponentScrollBar::Change);
        const QPoint thumb = subControlCentre(bar, QStyle::SC_ScrollBarSlider);
        QTest::mousePress(&bar, Qt::LeftButton, {}, thumb);
        for (int y = thumb.y() - 5; y >= thumb.y() - 40; y -= 5) {
            QMouseEvent move(QEvent::MouseMove, QPointF(thumb.x(), y),
                             bar.mapToGlobal(QPointF(thumb.x(), y)), Qt::NoButton, Qt::LeftButton,
                             Qt::NoModifier);
            QCoreApplication::sendEvent(&bar, &move);
        }
        QVERIFY(bar.sliderPosition() < 0);
        QCOMPARE(bar.Value(), 0);
        QCOMPARE(changes.count(), 0);
        QTest::mouseRelease(&bar, Qt::LeftButton, {}, QPoint(thumb.x(), thumb.y() - 40));
        QCOMPARE(changes.count(), 1);
        QCOMPARE(bar.Value(), -bar.sliderPosition());
        QVERIFY(bar.Value() > 0);
    }

    void shouldTellScreenReadersTheComponentNotTheInnerPosition()
    {
        ComponentScrollBar bar;
        QVERIFY(bar.assign(128));
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(&bar);
        QVERIFY(iface && iface->valueInterface());
        QCOMPARE(iface->valueInterface()->currentValue().toInt(), 128);
        QCOMPARE(iface->valueInterface()->minimumValue().toInt(), 0);
        QCOMPARE(iface->valueInterface()->maximumValue().toInt(), 255);
        QCOMPARE(iface->text(QAccessible::Value), QStringLiteral("128"));

        QSignalSpy changes(&bar, &ComponentScrollBar::Change);
        iface->valueInterface()->setCurrentValue(200);
        QCOMPARE(bar.Value(), 200);
        QCOMPARE(changes.count(), 1);
        iface->valueInterface()->setCurrentValue(300);
        QCOMPARE(bar.Value(), 200);
    }
};

QTEST_MAIN(ComponentScrollBarTest)
#include "tst_componentscrollbar.moc"
