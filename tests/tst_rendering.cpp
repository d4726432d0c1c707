#include "about/frmabout.h"
#include "app/form1.h"
#include "widgets/componentscrollbar.h"
#include "widgets/iconset.h"

#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QTest>

// Run once for each screen scale (QT_SCALE_FACTOR 1, 1.25, 1.5 and 2): the windows
// keep their proportions, every colored area and picture is painted where it
// belongs, the pictures are made for the density and no caption is cut.
class RenderingTest : public QObject
{
    Q_OBJECT

    qreal m_ratio = 0;
    QImage m_image; // the window as the screen shows it, in device pixels

    void render(QWidget &window)
    {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        m_ratio = window.devicePixelRatioF();
        QCOMPARE(m_ratio, qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble());
        m_image = window.grab().toImage();
        QCOMPARE(m_image.size(), (QSizeF(window.size()) * m_ratio).toSize());
        // Every caption fits its control (less a frame's or button's edges) and ends
        // inside the window.
        for (QWidget *c : window.findChildren<QWidget *>()) {
            const bool frame = qobject_cast<QGroupBox *>(c);
            const QString text = c->property(frame ? "title" : "text").toString().remove('&');
            const int room = c->width() - (qobject_cast<QLabel *>(c) ? 0 : 9);
            QVERIFY2(text.isEmpty() ||
                         (c->fontMetrics().horizontalAdvance(text) <= room &&
                          c->mapTo(&window, c->rect().topRight()).x() < window.width()),
                     qPrintable(c->objectName()));
        }
    }

private slots:
    void shouldRenderSharpAndWholeAtThisScale()
    {
        Form1 w;
        w.control<ComponentScrollBar>("VScroll1")->assign(255);
        w.control<ComponentScrollBar>("VScroll2")->assign(128);
        render(w);
        // name, logical point inside it (clear of borders and centred text), color
        const QList<std::tuple<QString, QPointF, QRgb>> areas{
            {"Shape1", {92, 90}, 0xFF8000}, {"Label1", {2, 8}, 0xFF8080},
            {"Label2", {2, 8}, 0x80FF80},   {"Label3", {2, 8}, 0x8080FF},
            {"Label4", {18, 10}, 0xFFFFFF}, {"Label19", {18, 10}, 0xFFFFFF}};
        for (const auto &[name, at, color] : areas) {
            const QPointF logical = QPointF(w.findChild<QWidget *>(name)->mapTo(&w, QPoint())) + at;
            QCOMPARE(m_image.pixel((logical * m_ratio + QPointF(0.5, 0.5)).toPoint()) & 0xFFFFFF,
                     color);
        }
        QMenuBar *bar = w.menuBar(); // every menu title in one row
        for (QAction *menu : bar->actions())
            QVERIFY2(bar->actionGeometry(menu).right() < bar->width(), qPrintable(menu->text()));
    }

    void aboutShouldRenderSharpAndWholeAtThisScale()
    {
        frmAbout about;
        render(about);
        // Placed as designed: pixels worked out by hand from the twips, 15 to a pixel.
        QCOMPARE(about.findChild<QWidget *>("cmdOK")->geometry(), QRect(200, 144, 92, 23));
        QCOMPARE(about.findChild<QWidget *>("Label2")->pos(), QPoint(148, 20));
        // The icon is drawn where the design puts it, pixel for pixel from the image
        // made for this density, not scaled from another one.
        const QImage icon = IconSet::load("tinvue").pixmap(QSize(32, 32), m_ratio).toImage();
        QCOMPARE(icon.size(), (QSizeF(32, 32) * m_ratio).toSize());
        const QPoint corner = (QPointF(104, 12) * m_ratio).toPoint();
        int opaque = 0;
        for (int y = 0; y < icon.height(); ++y)
            for (int x = 0; x < icon.width(); ++x)
                if (qAlpha(icon.pixel(x, y)) == 255) {
                    ++opaque;
                    QCOMPARE(m_image.pixel(corner + QPoint(x, y)), icon.pixel(x, y));
                }
        QVERIFY(opaque > icon.width() * icon.height() / 4);
    }
};

QTEST_MAIN(RenderingTest)
#include "tst_rendering.moc"
