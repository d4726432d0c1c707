#include "editor/hexcode.h"

#include <QTest>

class HexCodeTest : public QObject
{
    Q_OBJECT
private slots:
    void shouldGiveTwoUpperCaseDigitsForEveryComponent_data()
    {
        QTest::addColumn<int>("value");
        for (int v = 0; v <= 255; ++v)
            QTest::addRow("%d", v) << v;
    }
    void shouldGiveTwoUpperCaseDigitsForEveryComponent()
    {
        QFETCH(int, value);
        const QString part = HexCode::formatPart(value, HexCode::hexText(value));
        QCOMPARE(part, QString::asprintf("%02X", unsigned(value)));
    }

    void shouldWritePlainHexTextWithoutLeadingZeros_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << 0 << "0";
        QTest::newRow("nine") << 9 << "9";
        QTest::newRow("ten") << 10 << "A";
        QTest::newRow("fifteen") << 15 << "F";
        QTest::newRow("sixteen") << 16 << "10";
        QTest::newRow("31") << 31 << "1F";
        QTest::newRow("160") << 160 << "A0";
        QTest::newRow("171 upper case") << 171 << "AB";
        QTest::newRow("255") << 255 << "FF";
    }
    void shouldWritePlainHexTextWithoutLeadingZeros()
    {
        QFETCH(int, value);
        QFETCH(QString, text);
        QCOMPARE(HexCode::hexText(value), text);
    }
};

QTEST_GUILESS_MAIN(HexCodeTest)
#include "tst_hexcode.moc"
