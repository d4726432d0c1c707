#include "editor/hexcode.h"

#include <QTest>

class HexCodeTest : public QObject
{
    Q_OBJECT
private slots:
    void shouldGiveTwoUpperCaseDigitsForEveryComponent()
    {
        for (int v = 0; v <= 255; ++v) {
            const QString plain = HexCode::hexText(v);
            QCOMPARE(plain, QString::number(v, 16).toUpper()); // no leading zeros yet
            QCOMPARE(HexCode::formatPart(v, plain), QString::asprintf("%02X", unsigned(v)));
        }
        QCOMPARE(HexCode::code(33023), QStringLiteral("#FF8000")); // red 255, green 128
        QCOMPARE(HexCode::code(0x0A141E), QStringLiteral("#1E140A"));
    }
};

QTEST_GUILESS_MAIN(HexCodeTest)
#include "tst_hexcode.moc"
