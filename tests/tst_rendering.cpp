#include "app/colorpanel.h"
#include "app/form1.h"
#include "editor/componentscrollbar.h"

#include <QGroupBox>
#include <QMenuBar>
#include <QTest>
#include <QToolButton>

// Run once for each screen scale (QT_SCALE_FACTOR 1, 1.25, 1.5 and 2): the window
// keeps its proportions, every colored area is painted where it belongs, the
// pictures are made for the density and no caption is cut.
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
};

QTEST_MAIN(RenderingTest)
#include "tst_rendering.moc"
