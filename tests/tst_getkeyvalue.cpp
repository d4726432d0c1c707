#include "about/frmabout.h"
#include "fakeaboutplatform.h"

#include <QTest>

#include <stdexcept>

// Reading one registry value as text, against a registry in memory.
class GetKeyValueTest : public QObject
{
    Q_OBJECT

    static constexpr Registry::Key localMachine = 0x80000002;
    static constexpr const char *key = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";

private slots:
    void shouldReadTheValueAsText_data()
    {
        QTest::addColumn<quint32>("type");
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<bool>("result");
        QTest::addColumn<QString>("text");
        const QByteArray path("C:\\Program Files\\Tools\\msinfo32.exe");
        QTest::newRow("string with its terminating zero")
            << 1u << path + '\0' << true << QString::fromLatin1(path);
        QTest::newRow("string without it") << 1u << path << true << QString::fromLatin1(path);
        QTest::newRow("only one zero byte is dropped")
            << 1u << QByteArray("ab\0\0", 4) << true << QString::fromLatin1("ab\0", 3);
        QTest::newRow("string in the system encoding")
            << 1u << QByteArray("/opt/ツール/info") + '\0' << true
            << QStringLiteral("/opt/ツール/info");
        QTest::newRow("string of one zero byte") << 1u << QByteArray(1, '\0') << true << QString();
        QTest::newRow("string filling the buffer")
            << 1u << QByteArray(1024, 'x') << true << QString(1024, QLatin1Char('x'));
        QTest::newRow("string one byte too long for the buffer")
            << 1u << QByteArray(1025, 'x') << false << QString();
        QTest::newRow("32-bit number 258")
            << 4u << QByteArray("\x02\x01\x00\x00", 4) << true << QStringLiteral("258");
        QTest::newRow("32-bit number, all ones")
            << 4u << QByteArray("\xFF\xFF\xFF\xFF", 4) << true << QStringLiteral("4294967295");
        QTest::newRow("32-bit number zero")
            << 4u << QByteArray(4, '\0') << true << QStringLiteral("0");
        QTest::newRow("binary keeps the text it had")
            << 3u << QByteArray("abc") << true << QStringLiteral("before");
        QTest::newRow("expandable string keeps the text it had")
            << 2u << QByteArray("%SystemRoot%\0", 13) << true << QStringLiteral("before");
    }
    void shouldReadTheValueAsText()
    {
        QFETCH(quint32, type);
        QFETCH(QByteArray, data);
        QFETCH(bool, result);
        QFETCH(QString, text);
        FakeAboutPlatform fake;
        fake.registry->setValue(key, "PATH", type, data);
        frmAbout about(nullptr, fake.platform());
        QString value = QStringLiteral("before");
        QCOMPARE(about.GetKeyValue(localMachine, key, "PATH", value), result);
        QCOMPARE(value, text);
        QCOMPARE(fake.registry->openKeyCount(), 0);
    }

    void shouldEmptyTheTextWhenNothingCanBeRead_data()
    {
        QTest::addColumn<quint64>("root");
        QTest::addColumn<QString>("keyName");
        QTest::addColumn<QString>("valueName");
        QTest::newRow("missing key") << quint64(localMachine) << "SOFTWARE\\Nowhere"
                                     << "PATH";
        QTest::newRow("root that is not open") << quint64(0x80000001) << key << "PATH";
        QTest::newRow("missing value") << quint64(localMachine) << key << "MSINFO";
    }
    void shouldEmptyTheTextWhenNothingCanBeRead()
    {
        QFETCH(quint64, root);
        QFETCH(QString, keyName);
        QFETCH(QString, valueName);
        FakeAboutPlatform fake;
        fake.registry->setValue(key, "PATH", 1, QByteArray("/usr/bin/kinfocenter"));
        frmAbout about(nullptr, fake.platform());
        QString value = QStringLiteral("before");
        QVERIFY(!about.GetKeyValue(Registry::Key(root), keyName, valueName, value));
        QCOMPARE(value, QString());
        QCOMPARE(fake.registry->openKeyCount(), 0);
    }

    void shouldFindKeysAndValuesWhateverTheirCase()
    {
        FakeAboutPlatform fake;
        fake.registry->setValue(key, "PATH", 1, QByteArray("/usr/bin/kinfocenter"));
        frmAbout about(nullptr, fake.platform());
        QString value;
        QVERIFY(about.GetKeyValue(localMachine, "software\\microsoft\\shared tools\\msinfo", "Path",
                                  value));
        QCOMPARE(value, QStringLiteral("/usr/bin/kinfocenter"));
    }

    void shouldRaiseAnErrorForEmptyDataAfterClosingTheKey()
    {
        FakeAboutPlatform fake;
        fake.registry->setValue(key, "PATH", 1, QByteArray());
        frmAbout about(nullptr, fake.platform());
        QString value = QStringLiteral("before");
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument,
                                 about.GetKeyValue(localMachine, key, "PATH", value));
        QCOMPARE(value, QStringLiteral("before"));
        QCOMPARE(fake.registry->openKeyCount(), 0);
    }
};

QTEST_MAIN(GetKeyValueTest)
#include "tst_getkeyvalue.moc"
