#include "app/colorpanel.h"
#include "app/form1.h"
#include "editor/componentscrollbar.h"
#include "stock/colorstock.h"
#include "stock/stockstore.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

// Stands in for the settings file where a test must count or refuse accesses.
class MemoryStore : public StockStore
{
public:
    QMap<QString, QString> texts;
    QStringList refused;
    mutable int gets = 0;
    QStringList saves;

    QString text(const QString &key) const override
    {
        ++gets;
        return texts.value(key);
    }
    bool save(const QString &key, const QString &text) override
    {
        saves << key + '=' + text;
        if (refused.contains(key))
            return false;
        texts[key] = text;
        return true;
    }
};

class ColorStockTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_config;

    QString file() const { return m_config.filePath(QStringLiteral("Tinvue/Tinvue.conf")); }
    // Writes the file as a person or another running copy would. QSettings sees
    // a change by the file's size and time, so each write here gets a time of its
    // own, as such writes do, being far apart.
    void writeStore(const QByteArray &bytes)
    {
        static int writes = 0;
        QVERIFY(QDir().mkpath(m_config.filePath(QStringLiteral("Tinvue"))));
        QFile f(file());
        QVERIFY(f.open(QIODevice::WriteOnly));
        QCOMPARE(f.write(bytes), bytes.size());
        QVERIFY(f.flush());
        QVERIFY(f.setFileTime(QDateTime::currentDateTime().addSecs(++writes),
                              QFileDevice::FileModificationTime));
    }
    QList<QByteArray> storedLines() const
    {
        QFile f(file());
        return f.open(QIODevice::ReadOnly) ? f.readAll().split('\n') : QList<QByteArray>();
    }
    static QByteArray slotLines(int slot, const char *red, const char *green, const char *blue)
    {
        const QByteArray nn = QByteArray::number(slot).rightJustified(2, '0');
        return "ColorStock_" + nn + "R=" + red + "\nColorStock_" + nn + "G=" + green +
               "\nColorStock_" + nn + "B=" + blue + "\n";
    }

    static ColorPanel *swatch(Form1 &w, int slot)
    {
        return w.control<ColorPanel>(
            QByteArray("Label" + QByteArray::number(slot + 3)).constData());
    }
    static ComponentScrollBar *bar(Form1 &w, int n)
    {
        return w.control<ComponentScrollBar>(
            QByteArray("VScroll" + QByteArray::number(n)).constData());
    }
    static void setBars(Form1 &w, int red, int green, int blue)
    {
        QVERIFY(bar(w, 1)->assign(red));
        QVERIFY(bar(w, 2)->assign(green));
        QVERIFY(bar(w, 3)->assign(blue));
    }
    // Scroll bars, value labels, code and sample, to compare the whole editor at once.
    static QStringList editorState(Form1 &w)
    {
        QStringList state;
        for (int n = 1; n <= 3; ++n)
            state << QString::number(bar(w, n)->Value())
                  << w.control<QLabel>(QByteArray("Label" + QByteArray::number(n)).constData())
                         ->text();
        state << w.control<QLineEdit>("Text1")->text()
              << QString::number(w.control<ColorPanel>("Shape1")->BackColor());
        return state;
    }
    static quint32 sample(Form1 &w) { return w.control<ColorPanel>("Shape1")->BackColor(); }
    static void press(Form1 &w, int slot, Qt::MouseButton button,
                      Qt::KeyboardModifiers modifiers = {})
    {
        QTest::mousePress(swatch(w, slot), button, modifiers, QPoint(10, 10));
        QTest::mouseRelease(swatch(w, slot), button, modifiers, QPoint(10, 10));
    }
    // A second stock over the window's controls, on a store the test can inspect.
    static ColorStock *stockOn(Form1 &w, MemoryStore *store)
    {
        ColorStock::Controls controls{};
        for (int slot = 1; slot <= ColorStock::slotCount; ++slot)
            controls.swatches[slot - 1] = swatch(w, slot);
        for (int n = 1; n <= 3; ++n)
            controls.scrollBars[n - 1] = bar(w, n);
        controls.sample = w.control<ColorPanel>("Shape1");
        return new ColorStock(controls, std::unique_ptr<StockStore>(store), &w);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_config.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path()));
    }
    void cleanup() { QDir(m_config.filePath(QStringLiteral("Tinvue"))).removeRecursively(); }

    void shouldStartWithSixteenWhiteSwatchesOnAnEmptyStore()
    {
        Form1 w;
        for (int slot = 1; slot <= 16; ++slot)
            QCOMPARE(swatch(w, slot)->BackColor(), 16777215u);
        QVERIFY(!QFile::exists(file()));
    }

    void shouldStoreTheCurrentColorOnRightPressAndBringItBackOnLeftPress()
    {
        {
            Form1 w;
            w.showCentered();
            QVERIFY(QTest::qWaitForWindowExposed(&w));
            setBars(w, 10, 20, 30);
            press(w, 5, Qt::RightButton);
            QCOMPARE(swatch(w, 5)->BackColor(), 1971210u);
            const QList<QByteArray> lines = storedLines();
            QVERIFY(lines.contains("[Settings]"));
            QVERIFY(lines.contains("ColorStock_05R=10"));
            QVERIFY(lines.contains("ColorStock_05G=20"));
            QVERIFY(lines.contains("ColorStock_05B=30"));
            // A right press never loads: the scroll bars keep the color just stored.
            QCOMPARE(editorState(w),
                     QStringList({"10", "10", "20", "20", "30", "30", "#0A141E", "1971210"}));
        }
        Form1 w;
        QCOMPARE(swatch(w, 5)->BackColor(), 1971210u);
        for (int slot = 1; slot <= 16; ++slot)
            QCOMPARE(swatch(w, slot)->BackColor() == 16777215u, slot != 5);
        setBars(w, 200, 100, 50);
        QSignalSpy redChanges(bar(w, 1), &ComponentScrollBar::Change);
        press(w, 5, Qt::LeftButton);
        QCOMPARE(redChanges.count(), 1);
        QCOMPARE(editorState(w),
                 QStringList({"10", "10", "20", "20", "30", "30", "#0A141E", "1971210"}));
    }

    void shouldStoreAndReloadTheEndsOfTheRange_data()
    {
        QTest::addColumn<int>("green");
        QTest::addColumn<int>("blue");
        QTest::addColumn<quint32>("colorValue");
        QTest::addColumn<bool>("loads");
        QTest::newRow("black") << 0 << 0 << 0u << true;
        QTest::newRow("white empties the slot") << 255 << 255 << 16777215u << false;
        QTest::newRow("next to white") << 255 << 254 << 16711679u << true;
    }
    void shouldStoreAndReloadTheEndsOfTheRange()
    {
        QFETCH(int, green);
        QFETCH(int, blue);
        QFETCH(quint32, colorValue);
        QFETCH(bool, loads);
        const int red = green;
        {
            Form1 w;
            setBars(w, red, green, blue);
            press(w, 16, Qt::RightButton);
            QCOMPARE(swatch(w, 16)->BackColor(), colorValue);
        }
        const QList<QByteArray> lines = storedLines();
        QVERIFY(lines.contains("ColorStock_16R=" + QByteArray::number(red)));
        QVERIFY(lines.contains("ColorStock_16G=" + QByteArray::number(green)));
        QVERIFY(lines.contains("ColorStock_16B=" + QByteArray::number(blue)));
        Form1 w;
        QCOMPARE(swatch(w, 16)->BackColor(), colorValue);
        setBars(w, 1, 2, 3);
        press(w, 16, Qt::LeftButton);
        QCOMPARE(bar(w, 1)->Value(), loads ? red : 1);
        QCOMPARE(bar(w, 3)->Value(), loads ? blue : 3);
        QCOMPARE(sample(w), loads ? colorValue : 0x030201u);
    }

    void shouldPaintTheSwatchesFromTheStore_data()
    {
        QTest::addColumn<QByteArray>("store");
        QTest::addColumn<QList<quint32>>("colors"); // slot 1 first; white elsewhere
        const quint32 white = 16777215u;
        QTest::newRow("one slot") << "[Settings]\n" + slotLines(5, "10", "20", "30")
                                  << QList<quint32>{white, white, white, white, 1971210u};
        QTest::newRow("only two keys of a slot")
            << "[Settings]\nColorStock_03R=1\nColorStock_03B=1\n" + slotLines(4, "0", "0", "1")
            << QList<quint32>{white, white, white, 65536u};
        QTest::newRow("a component above 255 counts as 255")
            << "[Settings]\n" + slotLines(7, "300", "0", "0")
            << QList<quint32>{white, white, white, white, white, white, 255u};
        QTest::newRow("minus one")
            << "[Settings]\n" + slotLines(1, "-1", "0", "0") + slotLines(2, "1", "0", "0")
            << QList<quint32>{white, 1u};
        QTest::newRow("not a number")
            << "[Settings]\n" + slotLines(1, "0", "red", "0") << QList<quint32>{white};
        QTest::newRow("above 16 bits")
            << "[Settings]\n" + slotLines(1, "0", "0", "32768") << QList<quint32>{white};
        QByteArray all = "[Settings]\n";
        QList<quint32> colors;
        for (int slot = 1; slot <= 16; ++slot) {
            all +=
                slotLines(slot, slot == 9 ? "x" : QByteArray::number(slot).constData(), "0", "0");
            colors << (slot == 9 ? white : quint32(slot));
        }
        QTest::newRow("a failing slot between loading ones") << all << colors;
        QTest::newRow("lines that do not parse")
            << "[Settings\n" + slotLines(2, "1", "2", "3") + "junk\n[Other]\n=\n"
            << QList<quint32>{white, 197121u};
    }
    void shouldPaintTheSwatchesFromTheStore()
    {
        QFETCH(QByteArray, store);
        QFETCH(QList<quint32>, colors);
        writeStore(store);
        Form1 w;
        for (int slot = 1; slot <= 16; ++slot)
            QCOMPARE(swatch(w, slot)->BackColor(),
                     slot <= colors.size() ? colors[slot - 1] : 16777215u);
    }

    void shouldNotReadTheStoreOnLeftPressOfAWhiteSwatch()
    {
        Form1 w;
        auto *store = new MemoryStore;
        store->texts = {{"ColorStock_02R", "9"}, {"ColorStock_02G", "9"}, {"ColorStock_02B", "9"}};
        ColorStock *stock = stockOn(w, store);
        setBars(w, 1, 2, 3);
        const QStringList before = editorState(w);
        stock->Label_MouseDown(2, Qt::LeftButton);
        QCOMPARE(store->gets, 0);
        QCOMPARE(editorState(w), before);
    }

    void shouldDoNothingForTheMiddleButton()
    {
        Form1 w;
        auto *store = new MemoryStore;
        store->texts = {{"ColorStock_02R", "9"}, {"ColorStock_02G", "9"}, {"ColorStock_02B", "9"}};
        ColorStock *stock = stockOn(w, store);
        swatch(w, 2)->setBackColor(0x090909);
        setBars(w, 1, 2, 3);
        const QStringList before = editorState(w);
        stock->Label_MouseDown(2, Qt::MiddleButton);
        QCOMPARE(store->gets, 0);
        QVERIFY(store->saves.isEmpty());
        QCOMPARE(swatch(w, 2)->BackColor(), 0x090909u);
        QCOMPARE(editorState(w), before);
    }

    void shouldWriteEachComponentEvenWhenOneWriteFails()
    {
        Form1 w;
        auto *store = new MemoryStore;
        store->refused = {"ColorStock_06G"};
        ColorStock *stock = stockOn(w, store);
        setBars(w, 7, 8, 9);
        stock->Label_MouseDown(6, Qt::RightButton);
        QCOMPARE(store->saves,
                 QStringList({"ColorStock_06R=7", "ColorStock_06G=8", "ColorStock_06B=9"}));
        QCOMPARE(swatch(w, 6)->BackColor(), 0x090807u);
        // A right press does not read the store back.
        QCOMPARE(store->gets, 0);
    }

    void shouldKeepTheSwatchColorWhenNoBarChanges()
    {
        writeStore("[Settings]\n" + slotLines(5, "10", "20", "30"));
        Form1 w;
        setBars(w, 10, 20, 30);
        // The swatch may differ from the store, after another copy stored the slot.
        swatch(w, 5)->setBackColor(0x123456);
        QSignalSpy r(bar(w, 1), &ComponentScrollBar::Change),
            g(bar(w, 2), &ComponentScrollBar::Change), b(bar(w, 3), &ComponentScrollBar::Change);
        press(w, 5, Qt::LeftButton);
        QCOMPARE(r.count() + g.count() + b.count(), 0);
        QCOMPARE(editorState(w),
                 QStringList({"10", "10", "20", "20", "30", "30", "#0A141E", "1193046"}));
    }

    void shouldLoadEachComponentByItself_data()
    {
        QTest::addColumn<QByteArray>("red");
        QTest::addColumn<QStringList>("state");
        // The bars start at 1, 2, 3; the swatch was painted as red 255, green 20, blue 30.
        QTest::newRow("red above the bar's range")
            << QByteArray("300")
            << QStringList({"1", "1", "20", "20", "30", "30", "#01141E", "1971201"});
        QTest::newRow("red not a number")
            << QByteArray("ff")
            << QStringList({"1", "1", "20", "20", "30", "30", "#01141E", "1971201"});
        QTest::newRow("red 255") << QByteArray("255")
                                 << QStringList({"255", "255", "20", "20", "30", "30", "#FF141E",
                                                 "1971455"});
    }
    void shouldLoadEachComponentByItself()
    {
        QFETCH(QByteArray, red);
        QFETCH(QStringList, state);
        writeStore("[Settings]\n" + slotLines(5, "300", "20", "30"));
        Form1 w;
        QCOMPARE(swatch(w, 5)->BackColor(), 1971455u);
        writeStore("[Settings]\n" + slotLines(5, red.constData(), "20", "30"));
        setBars(w, 1, 2, 3);
        press(w, 5, Qt::LeftButton);
        QCOMPARE(editorState(w), state);
    }

    void shouldReadTheStoreAtTheMomentOfThePress()
    {
        writeStore("[Settings]\n" + slotLines(8, "10", "20", "30"));
        Form1 w;
        // Another running copy stores the slot anew.
        writeStore("[Settings]\n" + slotLines(8, "100", "110", "120"));
        press(w, 8, Qt::LeftButton);
        QCOMPARE(editorState(w),
                 QStringList({"100", "100", "110", "110", "120", "120", "#646E78", "7892580"}));
        QCOMPARE(swatch(w, 8)->BackColor(), 1971210u);

        // The keys are removed while the program runs: only the sample follows the swatch.
        writeStore("[Settings]\nColorStock_01R=1\n");
        press(w, 8, Qt::LeftButton);
        QCOMPARE(editorState(w),
                 QStringList({"100", "100", "110", "110", "120", "120", "#646E78", "1971210"}));
    }

    void shouldIgnoreModifierKeys_data()
    {
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::newRow("Shift") << Qt::KeyboardModifiers(Qt::ShiftModifier);
        QTest::newRow("Ctrl") << Qt::KeyboardModifiers(Qt::ControlModifier);
        QTest::newRow("Alt") << Qt::KeyboardModifiers(Qt::AltModifier);
        QTest::newRow("all three") << (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    }
    void shouldIgnoreModifierKeys()
    {
        QFETCH(Qt::KeyboardModifiers, modifiers);
        Form1 w;
        setBars(w, 40, 50, 60);
        press(w, 12, Qt::RightButton, modifiers);
        QCOMPARE(swatch(w, 12)->BackColor(), 0x3C3228u);
        QVERIFY(storedLines().contains("ColorStock_12G=50"));
        setBars(w, 0, 0, 0);
        press(w, 12, Qt::LeftButton, modifiers);
        QCOMPARE(editorState(w),
                 QStringList({"40", "40", "50", "50", "60", "60", "#28323C", "3945000"}));
    }

    void shouldReplaceAStoredSlot()
    {
        Form1 w;
        setBars(w, 1, 2, 3);
        press(w, 1, Qt::RightButton);
        setBars(w, 4, 5, 6);
        press(w, 1, Qt::RightButton);
        QCOMPARE(swatch(w, 1)->BackColor(), 0x060504u);
        const QList<QByteArray> lines = storedLines();
        QVERIFY(lines.contains("ColorStock_01R=4"));
        QVERIFY(!lines.contains("ColorStock_01R=1"));
        QCOMPARE(lines.count(), 5); // the group, three keys and the end of the last line
    }
};

QTEST_MAIN(ColorStockTest)
#include "tst_colorstock.moc"
