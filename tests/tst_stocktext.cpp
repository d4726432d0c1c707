#include "stock/stocktext.h"

#include <QTest>

class StockTextTest : public QObject
{
    Q_OBJECT

private slots:
    void shouldReadPlainDecimalTextsOnly_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("value");
        QTest::newRow("zero") << "0" << true << 0;
        QTest::newRow("top of a component") << "255" << true << 255;
        QTest::newRow("above a component") << "300" << true << 300;
        QTest::newRow("top of 16 bits") << "32767" << true << 32767;
        QTest::newRow("minus one") << "-1" << true << -1;
        QTest::newRow("bottom of 16 bits") << "-32768" << true << -32768;
        QTest::newRow("minus zero") << "-0" << true << 0;
        QTest::newRow("leading zeros") << "007" << true << 7;
        QTest::newRow("above 16 bits") << "32768" << false << 0;
        QTest::newRow("below 16 bits") << "-32769" << false << 0;
        QTest::newRow("beyond 64 bits") << "99999999999999999999999" << false << 0;
        QTest::newRow("empty") << "" << false << 0;
        QTest::newRow("letters") << "abc" << false << 0;
        QTest::newRow("leading blank") << " 12" << false << 0;
        QTest::newRow("trailing blank") << "12 " << false << 0;
        QTest::newRow("plus sign") << "+12" << false << 0;
        QTest::newRow("fraction") << "12.5" << false << 0;
        QTest::newRow("digit grouping") << "1,000" << false << 0;
        QTest::newRow("C hexadecimal") << "0x1F" << false << 0;
        QTest::newRow("ampersand hexadecimal") << "&H1F" << false << 0;
        QTest::newRow("full-width digits") << "１２" << false << 0;
    }
    void shouldReadPlainDecimalTextsOnly()
    {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(int, value);
        const std::optional<int> read = StockText::toInteger(text);
        QCOMPARE(read.has_value(), ok);
        if (ok)
            QCOMPARE(*read, value);
    }
};

QTEST_GUILESS_MAIN(StockTextTest)
#include "tst_stocktext.moc"
