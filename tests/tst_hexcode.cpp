#include "widgets/hexcode.h"

#include <QTest>

class HexCodeTest : public QObject
{
    Q_OBJECT
private slots:
    void shouldGiveTwoUpperCaseDigitsForEveryComponent()
    {
        for (int v = 0; v <= 255; ++v)
            QCOMPARE(HexCode::formatPart(v, HexCode::hexText(v)),
                     QString::asprintf("%02X", unsigned(v)));
    }
};

QTEST_MAIN(HexCodeTest)
#include "tst_hexcode.moc"
