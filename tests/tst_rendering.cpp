// SPDX-License-Identifier: MIT
#include "about/frmabout.h"
#include "app/form1.h"
#include "widgets/componentscrollbar.h"
#include "widgets/contrast.h"
#include "widgets/framebox.h"
#include "widgets/iconset.h"

#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QSvgRenderer>
#include <QTest>

// Run once for each screen scale (QT_SCALE_FACTOR 1, 1.25, 1.5 and 2), on a dark
// desktop palette: the windows keep their proportions, every colored area, line
// and picture is painted where it belongs, the pictures are made for the density,
// no caption is cut, and every text reads.
class RenderingTest : public QObject
{
    Q_OBJECT

    qreal m_ratio = 0;
    QImage m_image; // the window as the screen shows it, in device pixels

    void render(QWidget &window)
    {
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        m_ratio = window.devicePixelRatioF();
        QCOMPARE(m_ratio, qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble());
        m_image = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
        m_image.setDevicePixelRatio(1);
        QCOMPARE(m_image.size(), (QSizeF(window.size()) * m_ratio).toSize());
        for (QWidget *c : window.findChildren<QWidget *>()) {
            // Every caption fits its control (less a frame's or button's edges) and
            // ends inside the window.
            const QString text = c->property("text").toString().remove('&');
            const int room = c->width() - (qobject_cast<QLabel *>(c) ? 0 : 12);
            QVERIFY2(text.isEmpty() ||
                         (c->fontMetrics().horizontalAdvance(text) <= room &&
                          c->mapTo(&window, c->rect().topRight()).x() < window.width()),
                     qPrintable(c->objectName()));
            // Every text reads at WCAG's 4.5:1 against what is painted behind it.
            QList<QRect> texts;
            // Clear of a label's border and of the label above, whose descenders
            // reach into it, and of a button's edges.
            const QMargins inset =
                qobject_cast<QLabel *>(c) ? QMargins(1, 3, 1, 3) : QMargins(4, 4, 4, 4);
            if (auto *bar = qobject_cast<QMenuBar *>(c))
                for (QAction *menu : bar->actions())
                    texts << bar->actionGeometry(menu);
            else if (qobject_cast<FrameBox *>(c))
                texts << QRect(8, 0, c->fontMetrics().horizontalAdvance(text),
                               c->fontMetrics().height());
            else if (!text.isEmpty())
                texts << c->rect().marginsRemoved(inset);
            for (const QRect &area : texts) // the menu titles in one row, too
                QVERIFY2(c->rect().contains(area) && contrast(pixels(c, area)) >= 4.5,
                         qPrintable(c->objectName()));
        }
    }
    // The device pixels that show a logical rectangle of w.
    QRect device(QWidget *w, const QRect &r) const
    {
        const QPointF topLeft = QPointF(w->mapTo(w->window(), r.topLeft())) * m_ratio;
        return QRectF(topLeft, QSizeF(r.size()) * m_ratio).toAlignedRect();
    }
    QImage pixels(QWidget *w, const QRect &r) const { return m_image.copy(device(w, r)); }
    // An icon's SVG drawing rendered for a logical size at this scale.
    QImage drawing(const char *name, QSize size) const
    {
        QImage image((QSizeF(size) * m_ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        QSvgRenderer(QStringLiteral(TINVUE_ICON_DIR "/%1.svg").arg(name)).render(&painter);
        return image;
    }
    // The centre of logical pixel (x, y) of w, as RRGGBB.
    QRgb at(QWidget *w, int x, int y) const
    {
        const QPointF p =
            (QPointF(w->mapTo(w->window(), QPoint(x, y))) + QPointF(.5, .5)) * m_ratio;
        return m_image.pixel(int(p.x()), int(p.y())) & 0xFFFFFF;
    }
    // WCAG's contrast ratio between the color at an area's corner, its background,
    // and the pixel that stands out most from it, its text.
    static double contrast(const QImage &area)
    {
        double best = 1;
        for (int y = 0; y < area.height(); ++y)
            for (int x = 0; x < area.width(); ++x)
                best = std::max(best, Contrast::ratio(area.pixel(0, 0), area.pixel(x, y)));
        return best;
    }

private slots:
    void initTestCase() { QApplication::setPalette(QPalette(QColor(48, 48, 48))); } // light text

    void shouldRenderSharpAndWholeAtThisScale()
    {
        Form1 w;
        w.control<ComponentScrollBar>("VScroll1")->assign(128);
        w.control<ComponentScrollBar>("VScroll2")->assign(128);
        w.showCentered(); // the focus on the red bar
        render(w);
        // name, logical point inside it (clear of borders and centred text), color
        const QList<std::tuple<QString, QPoint, QRgb>> areas{
            {"Shape1", {92, 90}, 0x808000}, {"Label1", {2, 8}, 0xFF8080},
            {"Label2", {2, 8}, 0x80FF80},   {"Label3", {2, 8}, 0x8080FF},
            {"Label4", {18, 10}, 0xFFFFFF}, {"Label19", {18, 10}, 0xFFFFFF}};
        for (const auto &[name, p, color] : areas)
            QCOMPARE(at(w.findChild<QWidget *>(name), p.x(), p.y()), color);
        // The four frames are etched, grey over white, along their sides; the top line
        // runs through the middle of the caption, which interrupts it near the left,
        // and everything inside sits below it.
        for (FrameBox *f : w.findChildren<FrameBox *>()) {
            const int line = f->fontMetrics().height() / 2, x = f->width() - 6;
            const int y = f->height() / 2, w = f->width(), h = f->height();
            QCOMPARE(
                QList<QRgb>({at(f, x, line), at(f, x, line + 1), at(f, 0, y), at(f, 1, y),
                             at(f, 9, h - 2), at(f, 9, h - 1), at(f, w - 2, y), at(f, w - 1, y),
                             at(f, 6, line)}),
                QList<QRgb>({0x808080, 0xFFFFFF, 0x808080, 0xFFFFFF, 0x808080, 0xFFFFFF, 0x808080,
                             0xFFFFFF, f->palette().window().color().rgb() & 0xFFFFFF}));
            for (QWidget *c : f->findChildren<QWidget *>())
                QVERIFY2(c->y() > line + 1, qPrintable(c->objectName()));
        }
        // The focused red bar looks like the green one at the same value but for a
        // mark inside its thumb.
        auto *red = w.control<ComponentScrollBar>("VScroll1");
        QWidget *green = w.control<QWidget>("VScroll2");
        const QRect thumb = red->thumbRect().adjusted(2, 2, -2, -2);
        QVERIFY(pixels(red, thumb) != pixels(green, thumb));
        QPainter(&m_image).drawImage(device(red, thumb).topLeft(), pixels(green, thumb));
        QCOMPARE(pixels(red, red->rect()), pixels(green, red->rect()));
        // The blue bar, left at 0, shows its own look, not a copy of theirs.
        QVERIFY(pixels(w.control<QWidget>("VScroll3"), red->rect()) != pixels(green, red->rect()));
    }

    void aboutShouldRenderSharpAndWholeAtThisScale()
    {
        frmAbout about;
        render(about);
        // Placed as designed: pixels worked out by hand from the twips, 15 to a pixel.
        QCOMPARE(about.findChild<QWidget *>("cmdOK")->geometry(), QRect(200, 144, 92, 23));
        QCOMPARE(about.findChild<QWidget *>("Label2")->pos(), QPoint(148, 20));
        // The About window shows its picture where the design puts it, as its
        // drawing made for this density, not scaled from another one.
        QImage expected(drawing("tinvue", {32, 32}).size(), QImage::Format_RGB32);
        expected.fill(about.palette().window().color());
        QPainter(&expected).drawImage(0, 0, drawing("tinvue", {32, 32}));
        QCOMPARE(pixels(&about, QRect(104, 12, 32, 32)), expected);
        // The link keeps its blue, lighter here and pure on the usual light palette.
        QCOMPARE(about.findChild<QLabel *>("Label1")->palette().windowText().color().blue(), 255);
        QApplication::setPalette(QPalette(QColor(239, 239, 239)));
        QCOMPARE(frmAbout().findChild<QLabel *>("Label1")->palette().windowText().color(),
                 QColor(Qt::blue));
        // A window built on it keeps the text on its colors black when the desktop turns dark.
        Form1 w;
        QApplication::setPalette(QPalette(QColor(48, 48, 48)));
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.control<QLabel>("Label1")->palette().windowText().color(), QColor(Qt::black));
    }
};

QTEST_MAIN(RenderingTest)
#include "tst_rendering.moc"
