#include "app/colorpanel.h"
#include "app/form1.h"
#include "editor/componentscrollbar.h"

#include <QGroupBox>
#include <QMenuBar>
#include <QTest>
#include <QToolButton>

// Run once for each screen scale (QT_SCALE_FACTOR 1, 1.25, 1.5 and 2): the window
// keeps its proportions and every colored area is painted where it belongs.
class RenderingTest : public QObject
{
    Q_OBJECT

    static QPoint devicePoint(QWidget *window, QWidget *child, QPointF at, qreal ratio)
    {
        const QPointF logical = QPointF(child->mapTo(window, QPoint(0, 0))) + at;
        return (logical * ratio).toPoint();
    }

    static QRgb colorAt(const QImage &image, QWidget *window, QWidget *child, qreal ratio)
    {
        // A few pixels in from the top-left corner, clear of borders and centred text.
        return image.pixel(
                   devicePoint(window, child, QPointF(4, child->height() / 2.0 + 0.5), ratio)) &
               0xFFFFFF;
    }

private slots:
    void shouldPaintEveryAreaAtItsScaledPlace()
    {
        Form1 w;
        w.control<ComponentScrollBar>("VScroll1")->assign(255);
        w.control<ComponentScrollBar>("VScroll2")->assign(128);
        w.showCentered();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const qreal ratio = w.devicePixelRatioF();
        QCOMPARE(ratio, qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble());

        const QImage image = w.grab().toImage();
        QCOMPARE(image.size(), (QSizeF(w.size()) * ratio).toSize());

        auto *sample = w.control<QWidget>("Shape1");
        const QPoint centre =
            devicePoint(&w, sample, QPointF(sample->width(), sample->height()) / 2, ratio);
        QCOMPARE(image.pixel(centre) & 0xFFFFFF, 0xFF8000u);
        QCOMPARE(colorAt(image, &w, w.control<QWidget>("Label1"), ratio), 0xFF8080u);
        QCOMPARE(colorAt(image, &w, w.control<QWidget>("Label2"), ratio), 0x80FF80u);
        QCOMPARE(colorAt(image, &w, w.control<QWidget>("Label3"), ratio), 0x8080FFu);
        for (int n = 4; n <= 19; ++n) {
            auto *swatch = w.findChild<ColorPanel *>(QStringLiteral("Label%1").arg(n));
            QCOMPARE(image.pixel(devicePoint(&w, swatch, QPointF(18.5, 10.5), ratio)) & 0xFFFFFF,
                     0xFFFFFFu);
        }
    }

    void shouldCarryPicturesForTheScreenDensity()
    {
        Form1 w;
        w.showCentered();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const qreal ratio = w.devicePixelRatioF();
        // A picture made for this density is drawn as it is, not scaled from another size.
        const QSize copyPicture = (QSizeF(16, 15) * ratio).toSize();
        QVERIFY2(w.control<QToolButton>("Command1")->icon().availableSizes().contains(copyPicture),
                 qPrintable(QStringLiteral("no %1x%2 copy picture")
                                .arg(copyPicture.width())
                                .arg(copyPicture.height())));
        const QSize windowIcon = (QSizeF(16, 16) * ratio).toSize();
        QVERIFY(w.windowIcon().availableSizes().contains(windowIcon));
    }

    void shouldShowWholeCaptions()
    {
        Form1 w;
        w.showCentered();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        for (QGroupBox *frame : w.findChildren<QGroupBox *>()) {
            const int needed = frame->fontMetrics().horizontalAdvance(frame->title());
            QVERIFY2(needed < frame->width() - 8, qPrintable(frame->objectName()));
        }
        QMenuBar *bar = w.menuBar();
        int right = 0;
        for (QAction *menu : bar->actions()) {
            const QRect place = bar->actionGeometry(menu);
            QVERIFY2(place.width() >=
                         bar->fontMetrics().horizontalAdvance(menu->text().remove('&')),
                     qPrintable(menu->text()));
            right = qMax(right, place.right());
        }
        QVERIFY(right < bar->width());
        QCOMPARE(bar->height(), bar->sizeHint().height());
    }
};

QTEST_MAIN(RenderingTest)
#include "tst_rendering.moc"
