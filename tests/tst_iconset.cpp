#include "widgets/iconset.h"

#include <QPainter>
#include <QSvgRenderer>
#include <QTest>

// The pictures the program carries are its SVG drawings, pixel for pixel, at
// every size the build renders.
class IconSetTest : public QObject
{
    Q_OBJECT
private slots:
    void shouldMatchTheDrawing_data()
    {
        QTest::addColumn<QList<QSize>>("sizes");
        QTest::newRow("tinvue") << QList<QSize>{{16, 16}, {20, 20}, {24, 24}, {32, 32},
                                                {40, 40}, {48, 48}, {64, 64}};
        QTest::newRow("copy") << QList<QSize>{{16, 15}, {20, 19}, {24, 23}, {32, 30}};
        QTest::newRow("about") << QList<QSize>{{16, 16}, {32, 32}, {64, 64}};
    }

    void shouldMatchTheDrawing()
    {
        QFETCH(QList<QSize>, sizes);
        const QIcon icon = IconSet::load(QTest::currentDataTag());
        QSvgRenderer drawing(
            QStringLiteral(TINVUE_ICON_DIR "/%1.svg").arg(QTest::currentDataTag()));
        for (const QSize size : sizes) {
            QVERIFY2(icon.availableSizes().contains(size), QTest::toString(size));
            QImage expected(size, QImage::Format_ARGB32_Premultiplied);
            expected.fill(Qt::transparent);
            QPainter painter(&expected);
            painter.setRenderHint(QPainter::Antialiasing);
            drawing.render(&painter);
            painter.end();
            const QImage carried =
                icon.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
            QVERIFY2(carried == expected, QTest::toString(size));
        }
    }
};

QTEST_MAIN(IconSetTest)
#include "tst_iconset.moc"
