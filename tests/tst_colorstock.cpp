#include "app/form1.h"
#include "stock/colorstock.h"
#include "widgets/colorpanel.h"
#include "widgets/componentscrollbar.h"

#include <QAccessible>
#include <QDateTime>
#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using Colors = QMap<int, quint32>; // slot -> color value; every other slot white

// The stock of a real window on the real settings file in a folder of its own.
class ColorStockTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_config;

    QString file() const { return m_config.filePath(QStringLiteral("Tinvue/Tinvue.conf")); }
    QByteArray stored() const
    {
        QFile f(file());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // Writes the keys as a person or another running copy would; nothing for no keys.
    // QSettings sees a change by size and time, so each write gets a time of its own.
    void writeStore(const QByteArray &keys)
    {
        static int writes = 0;
        QFile f(file());
        if (!keys.isEmpty())
            QVERIFY(QDir(m_config.path()).mkpath("Tinvue") && f.open(QIODevice::WriteOnly) &&
                    f.write("[Settings]\n" + keys) > 0 && f.flush() &&
                    f.setFileTime(QDateTime::currentDateTime().addSecs(++writes),
                                  QFile::FileModificationTime));
    }
    // "ColorStock_05R=10" and so on for nn "05" and rgb "10 20 30".
    static QByteArray keys(const QByteArray &nn, const QByteArray &rgb)
    {
        const QByteArrayList v = rgb.split(' ');
        return "ColorStock_" + nn + "R=" + v[0] + "\nColorStock_" + nn + "G=" + v[1] +
               "\nColorStock_" + nn + "B=" + v[2] + '\n';
    }
    static ColorPanel *swatch(Form1 &w, int slot)
    {
        return w.control<ColorPanel>(("Label" + QByteArray::number(slot + 3)).constData());
    }
    // A swatch's color and what it says: screen-reader name and description / tooltip.
    static std::pair<quint32, QString> shown(Form1 &w, int slot)
    {
        QAccessibleInterface *reader = QAccessible::queryAccessibleInterface(swatch(w, slot));
        return {swatch(w, slot)->BackColor(), reader->text(QAccessible::Name) + ", " +
                                                  reader->text(QAccessible::Description) + " / " +
                                                  swatch(w, slot)->toolTip()};
    }
    static void setBars(Form1 &w, const QByteArray &rgb)
    {
        for (int n = 1; n <= 3; ++n)
            QVERIFY(w.control<ComponentScrollBar>(("VScroll" + QByteArray::number(n)).constData())
                        ->assign(rgb.split(' ')[n - 1].toInt()));
    }
    static void press(Form1 &w, int slot, Qt::MouseButton button)
    {
        QTest::mouseClick(swatch(w, slot), button, {}, QPoint(10, 10));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_config.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path()));
    }
    void cleanup() { QDir(m_config.filePath(QStringLiteral("Tinvue"))).removeRecursively(); }

    void shouldPaintTheSwatchesWhoseThreeKeysReadAsComponents_data()
    {
        QTest::addColumn<QByteArray>("store");
        QTest::addColumn<Colors>("colors");
        QTest::newRow("no file: sixteen white swatches") << QByteArray() << Colors{};
        QTest::newRow("only two keys of a slot")
            << "ColorStock_03R=1\nColorStock_03B=1\n" + keys("04", "0 0 1") << Colors{{4, 65536}};
        QTest::newRow("300 counts as 255, leading zeros")
            << keys("07", "300 007 0") << Colors{{7, 255 + 7 * 256}};
        // Each wrong text stands where taking it would not read back as white (-1 in red would).
        QTest::newRow("minus one, above 16 bits, a word, a plus sign, a full-width digit")
            << keys("01", "0 0 -1") + keys("02", "0 0 32768") + keys("03", "0 red 0") +
                   keys("04", "0 +1 0") + keys("05", "0 １ 0")
            << Colors{};
        QTest::newRow("a failing slot between loading ones")
            << keys("01", "1 0 0") + keys("02", "x 0 0") + keys("16", "0 0 1")
            << Colors{{1, 1}, {16, 65536}};
    }
    void shouldPaintTheSwatchesWhoseThreeKeysReadAsComponents()
    {
        QFETCH(QByteArray, store);
        QFETCH(Colors, colors);
        writeStore(store);
        Form1 w;
        for (int slot = 1; slot <= 16; ++slot)
            QCOMPARE(swatch(w, slot)->BackColor(), colors.value(slot, 0xFFFFFF));
    }

    // QSettings rewrites the whole file from what it understood of it. A store that
    // fails marks its swatch until that slot is stored, and is told once a run.
    void shouldStoreOnRightPressWithoutCostingOtherKeys_data()
    {
        QTest::addColumn<QByteArray>("before"); // "fault": a file where the folder should be
        QTest::addColumn<QByteArray>("rgb");
        QTest::addColumn<quint32>("color");
        QTest::addColumn<QString>("said");
        QTest::newRow("10, 20, 30 beside other keys and groups")
            << QByteArray("Note=hello\n[Other]\nkeep=1\n") << QByteArray("10 20 30") << 1971210u
            << "#0A141E";
        QTest::newRow("black, no file yet")
            << QByteArray() << QByteArray("0 0 0") << 0u << "#000000";
        QTest::newRow("white, which is an empty slot")
            << QByteArray() << QByteArray("255 255 255") << 16777215u << "空";
        QTest::newRow("failing, then stored again")
            << QByteArray("fault") << QByteArray("10 20 30") << 1971210u << "#0A141E";
    }
    void shouldStoreOnRightPressWithoutCostingOtherKeys()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, rgb);
        QFETCH(quint32, color);
        QFETCH(QString, said);
        const bool fault = before == "fault";
        QFile blocker(m_config.filePath(QStringLiteral("Tinvue")));
        if (fault)
            QVERIFY(blocker.open(QIODevice::WriteOnly));
        else
            writeStore(before);
        const QByteArrayList old = stored().split('\n');
        {
            Form1 w;
            auto *stock = w.findChild<ColorStock *>();
            QObject::disconnect(stock, &ColorStock::storeFailed, &w, nullptr); // no modal box
            QSignalSpy told(stock, &ColorStock::storeFailed);
            setBars(w, rgb);
            press(w, 5, Qt::RightButton);
            press(w, 6, Qt::RightButton);
            const QString unsaved = said + "（未保存）";
            QCOMPARE(shown(w, 5),
                     std::pair(color, "ストック 05, " +
                                          (fault ? unsaved + " / " + unsaved : said + " / ")));
            QCOMPARE(told.count(), int(fault));
            if (fault) {
                QVERIFY(told[0][0].toString().contains(file()));
                QVERIFY(blocker.remove());
                press(w, 5, Qt::RightButton);
                QCOMPARE(shown(w, 5), std::pair(color, "ストック 05, " + said + " / "));
                QCOMPARE(told.count(), 1);
            }
            QCOMPARE(shown(w, 1), std::pair(0xFFFFFFu, QStringLiteral("ストック 01, 空 / ")));
            // On disk as soon as the press returns.
            const QByteArrayList now = stored().split('\n');
            for (const QByteArray &line : old + ("[Settings]\n" + keys("05", rgb)).split('\n'))
                QVERIFY2(now.contains(line), line.constData());
        }
        Form1 w; // Label8 shows slot 05
        QCOMPARE(shown(w, 5), std::pair(color, "ストック 05, " + said + " / "));
    }

    void shouldLoadTheStoredComponentsOnLeftPress_data()
    {
        QTest::addColumn<QByteArray>("atStart");
        QTest::addColumn<QByteArray>("atPress"); // stored by another copy; empty: unchanged
        QTest::addColumn<Qt::MouseButton>("button");
        // The editor recomputes the sample whenever a bar changes, so the sample also
        // tells whether a bar changed.
        QTest::addColumn<quint32>("sample");
        // The bars stand at 10, 20, 30 (color 1971210) before each press on slot 05.
        const QByteArray slot5 = keys("05", "40 50 60"); // color 3945000
        QTest::newRow("white slot: the store is not read")
            << QByteArray() << slot5 << Qt::LeftButton << 1971210u;
        QTest::newRow("middle button") << slot5 << QByteArray() << Qt::MiddleButton << 1971210u;
        QTest::newRow("equal values: no change runs, the sample takes the swatch color")
            << keys("05", "1 2 3") << keys("05", "10 20 30") << Qt::LeftButton << 197121u;
        QTest::newRow("300 in red: green and blue load, red stays 10")
            << keys("05", "300 50 60") << QByteArray() << Qt::LeftButton << 3944970u;
        QTest::newRow("keys removed while running: the sample takes the swatch color")
            << slot5 << QByteArray("ColorStock_01R=1\n") << Qt::LeftButton << 3945000u;
    }
    void shouldLoadTheStoredComponentsOnLeftPress()
    {
        QFETCH(QByteArray, atStart);
        QFETCH(QByteArray, atPress);
        QFETCH(Qt::MouseButton, button);
        writeStore(atStart);
        Form1 w;
        writeStore(atPress);
        setBars(w, "10 20 30");
        const QByteArray before = stored();
        press(w, 5, button);
        QTEST(w.control<ColorPanel>("Shape1")->BackColor(), "sample");
        QCOMPARE(stored(), before); // only a right press writes
    }
};

QTEST_MAIN(ColorStockTest)
#include "tst_colorstock.moc"
