#include "app/iconset.h"

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
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        const QList<std::pair<QString, QList<QSize>>> sets{
            {"tinvue", {{16, 16}, {20, 20}, {24, 24}, {32, 32}, {40, 40}, {48, 48}, {64, 64}}},
            {"copy", {{16, 15}, {20, 19}, {24, 23}, {32, 30}}},
            {"about", {{16, 16}, {32, 32}, {64, 64}}}};
        for (const auto &[name, sizes] : sets)
            for (const QSize size : sizes)
                QTest::addRow("%s %dx%d", qPrintable(name), size.width(), size.height())
                    << name << size;
    }

    void shouldMatchTheDrawing()
    {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        const QIcon icon = IconSet::load(name.toUtf8().constData());
        QVERIFY(icon.availableSizes().contains(size));

        QSvgRenderer drawing(QStringLiteral(TINVUE_ICON_DIR "/%1.svg").arg(name));
        QVERIFY(drawing.isValid());
        QImage expected(size, QImage::Format_ARGB32_Premultiplied);
        expected.fill(Qt::transparent);
        QPainter painter(&expected);
        painter.setRenderHint(QPainter::Antialiasing);
        drawing.render(&painter);
        painter.end();

        const QImage carried =
            icon.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QCOMPARE(carried, expected);
    }
};

QTEST_MAIN(IconSetTest)
#include "tst_iconset.moc"
