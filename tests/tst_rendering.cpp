#include "about/frmabout.h"
#include "app/colorpanel.h"
#include "app/form1.h"
#include "app/iconset.h"
#include "editor/componentscrollbar.h"

#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

// Run once for each screen scale (QT_SCALE_FACTOR 1, 1.25, 1.5 and 2): the windows
// keep their proportions, every colored area and picture is painted where it
// belongs, the pictures are made for the density and no caption is cut.
class RenderingTest : public QObject
{
    Q_OBJECT
private slots:
    void shouldRenderSharpAndWholeAtThisScale()
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

        // name, logical point inside it (clear of borders and centred text), color
        const QList<std::tuple<QString, QPointF, QRgb>> areas{
            {"Shape1", {92, 90}, 0xFF8000}, {"Label1", {2, 8}, 0xFF8080},
            {"Label2", {2, 8}, 0x80FF80},   {"Label3", {2, 8}, 0x8080FF},
            {"Label4", {18, 10}, 0xFFFFFF}, {"Label19", {18, 10}, 0xFFFFFF}};
        for (const auto &[name, at, color] : areas) {
            const QPointF logical = QPointF(w.findChild<QWidget *>(name)->mapTo(&w, QPoint())) + at;
            QCOMPARE(image.pixel((logical * ratio + QPointF(0.5, 0.5)).toPoint()) & 0xFFFFFF,
                     color);
        }

        const auto hasSize = [ratio](const QIcon &icon, QSize logical) {
            return icon.availableSizes().contains((QSizeF(logical) * ratio).toSize());
        };
        QVERIFY(hasSize(w.control<QToolButton>("Command1")->icon(), {16, 15}));
        QVERIFY(hasSize(w.windowIcon(), {16, 16}));

        for (QGroupBox *frame : w.findChildren<QGroupBox *>())
            QVERIFY2(frame->fontMetrics().horizontalAdvance(frame->title()) < frame->width() - 8,
                     qPrintable(frame->objectName()));
        QMenuBar *bar = w.menuBar();
        for (QAction *menu : bar->actions()) {
            const int needed = bar->fontMetrics().horizontalAdvance(menu->text().remove('&'));
            QVERIFY2(bar->actionGeometry(menu).width() >= needed, qPrintable(menu->text()));
            QVERIFY(bar->actionGeometry(menu).right() < bar->width());
        }
    }

    void aboutShouldRenderSharpAndWholeAtThisScale()
    {
        frmAbout about;
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        const qreal ratio = about.devicePixelRatioF();
        QCOMPARE(about.size(), QSize(379, 172));
        const QImage image = about.grab().toImage();
        QCOMPARE(image.size(), (QSizeF(about.size()) * ratio).toSize());

        // The icon is drawn pixel for pixel from the image made for this density,
        // not scaled from another one.
        const QSize device = (QSizeF(32, 32) * ratio).toSize();
        const QImage icon = IconSet::load("tinvue").pixmap(QSize(32, 32), ratio).toImage();
        QCOMPARE(icon.size(), device);
        const QPoint corner =
            (QPointF(about.findChild<QWidget *>("picIcon")->pos()) * ratio).toPoint();
        int opaque = 0;
        for (int y = 0; y < device.height(); ++y)
            for (int x = 0; x < device.width(); ++x)
                if (qAlpha(icon.pixel(x, y)) == 255) {
                    ++opaque;
                    QCOMPARE(image.pixel(corner + QPoint(x, y)), icon.pixel(x, y));
                }
        QVERIFY(opaque > device.width() * device.height() / 4);

        for (QLabel *label : about.findChildren<QLabel *>()) {
            if (label->text().isEmpty())
                continue;
            QVERIFY2(label->width() >= label->fontMetrics().horizontalAdvance(label->text()),
                     qPrintable(label->objectName()));
            QVERIFY2(label->geometry().right() < about.width(), qPrintable(label->objectName()));
        }
        for (QPushButton *button : about.findChildren<QPushButton *>())
            QVERIFY2(button->fontMetrics().horizontalAdvance(button->text().remove('&')) <
                         button->width() - 8,
                     qPrintable(button->objectName()));
    }
};

QTEST_MAIN(RenderingTest)
#include "tst_rendering.moc"
