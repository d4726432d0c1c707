#include "stock/settingsstockstore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

class SettingsStockStoreTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_config;

    QString folder() const { return m_config.filePath(QStringLiteral("Tinvue")); }
    QString file() const { return folder() + QStringLiteral("/Tinvue.conf"); }

    void write(const QByteArray &bytes)
    {
        QVERIFY(QDir().mkpath(folder()));
        QFile f(file());
        QVERIFY(f.open(QIODevice::WriteOnly));
        QCOMPARE(f.write(bytes), bytes.size());
    }
    QByteArray bytesOnDisk() const
    {
        QFile f(file());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QList<QByteArray> linesOnDisk() const { return bytesOnDisk().split('\n'); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_config.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path()));
    }
    void cleanup() { QDir(folder()).removeRecursively(); }

    void shouldWriteDecimalTextsToTheSettingsGroupOfTheUserFile()
    {
        SettingsStockStore store;
        QCOMPARE(store.fileName(), m_config.path() + "/Tinvue/Tinvue.conf");
        QVERIFY(store.save("ColorStock_05R", "10"));
        QVERIFY(store.save("ColorStock_16B", "255"));
        QCOMPARE(bytesOnDisk(), QByteArray("[Settings]\nColorStock_05R=10\nColorStock_16B=255\n"));
        QCOMPARE(store.text("ColorStock_05R"), QStringLiteral("10"));
    }

    void shouldReadMissingKeysAndFilesAsEmptyText()
    {
        SettingsStockStore store;
        QCOMPARE(store.text("ColorStock_01R"), QString());
        QVERIFY(!QFileInfo::exists(folder()));
        write("[Other]\nColorStock_01R=9\n[Settings]\nColorStock_01G=8\n");
        QCOMPARE(store.text("ColorStock_01R"), QString());
        QCOMPARE(store.text("ColorStock_01G"), QStringLiteral("8"));
    }

    void shouldKeepEveryOtherKeyOfAFileItCanRead_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArrayList>("kept");
        QTest::newRow("other groups")
            << QByteArray("[General]\nwidth=3\n[Other]\nkeep=yes\n[Settings]\n"
                          "ColorStock_01R=7\nNote=hello\n")
            << QByteArrayList{"width=3", "[Other]", "keep=yes", "ColorStock_01R=7", "Note=hello"};
        QTest::newRow("UTF-8 text after a byte order mark")
            << QByteArray("\xEF\xBB\xBF[Settings]\nMemo=赤\n") << QByteArrayList{"Memo=赤"};
        QTest::newRow("the later of two equal keys")
            << QByteArray("[Settings]\nColorStock_01R=7\nColorStock_01R=8\n")
            << QByteArrayList{"ColorStock_01R=8"};
    }
    void shouldKeepEveryOtherKeyOfAFileItCanRead()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArrayList, kept);
        write(before);
        SettingsStockStore store;
        QVERIFY(store.save("ColorStock_05R", "10"));
        const QList<QByteArray> lines = linesOnDisk();
        QVERIFY(lines.contains("ColorStock_05R=10"));
        for (const QByteArray &line : kept)
            QVERIFY2(lines.contains(line), line.constData());
    }

    void shouldLeaveAFileItCannotRewriteUntouched_data()
    {
        QTest::addColumn<QByteArray>("damaged");
        QTest::addColumn<QString>("red01");
        QTest::newRow("a line without an equals sign")
            << QByteArray("[Settings]\nColorStock_01R=7\nnot a setting\n[Other]\nkeep=1\n") << "7";
        QTest::newRow("a comment after a hash")
            << QByteArray("# my colors\n[Settings]\nColorStock_01R=7\n") << "7";
        QTest::newRow("a group without its closing bracket")
            << QByteArray("[Other\nkeep=1\n[Settings]\nColorStock_01R=7\n") << "7";
        QTest::newRow("a Shift-JIS value")
            << QByteArray("[Settings]\nColorStock_01R=7\n[Memo]\nname=\x90\xd4\n") << "7";
        QTest::newRow("a Latin-1 value")
            << QByteArray("[Settings]\nColorStock_01R=7\nname=caf\xe9\n") << "7";
        QTest::newRow("a NUL byte")
            << QByteArray("[Settings]\nColorStock_01R=7\nnote=a\0b\n", 38) << "7";
        QByteArray utf16("\xFF\xFE");
        for (QChar c : QStringLiteral("[Settings]\r\nColorStock_01R=7\r\n"))
            utf16 += char(c.unicode()) + QByteArray(1, '\0');
        QTest::newRow("UTF-16") << utf16 << "";
        QByteArray garbage;
        quint32 seed = 12345;
        for (int i = 0; i < 4096; ++i) {
            seed = seed * 1103515245u + 12345u;
            garbage += char(seed >> 24);
        }
        QTest::newRow("binary garbage") << garbage << "";
    }
    void shouldLeaveAFileItCannotRewriteUntouched()
    {
        QFETCH(QByteArray, damaged);
        QFETCH(QString, red01);
        write(damaged);
        SettingsStockStore store;
        // Reading first: QSettings then already holds the file parsed in its cache.
        QCOMPARE(store.text("ColorStock_01R"), red01);
        QVERIFY(!store.save("ColorStock_05R", "10"));
        QCOMPARE(bytesOnDisk(), damaged);
        QCOMPARE(store.text("ColorStock_05R"), QString());
    }

    void shouldNeitherReadNorWriteSomethingThatIsNotAFile()
    {
        SettingsStockStore store;
        QVERIFY(QDir().mkpath(file()));
        QCOMPARE(store.text("ColorStock_01R"), QString());
        QVERIFY(!store.save("ColorStock_01R", "10"));
        QVERIFY(QFileInfo(file()).isDir());
        QVERIFY(QDir(file()).removeRecursively());

        // Opening a pipe for reading would wait until something writes to it.
        QCOMPARE(::mkfifo(QFile::encodeName(file()).constData(), 0600), 0);
        QCOMPARE(store.text("ColorStock_01R"), QString());
        QVERIFY(!store.save("ColorStock_01R", "10"));
        QVERIFY(!QFileInfo(file()).isFile());
    }

    void shouldForgetAValueItCouldNotStore()
    {
        SettingsStockStore store;
        // A plain file where the folder should be: the folder cannot be made.
        QFile blocker(folder());
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QVERIFY(!store.save("ColorStock_05R", "10"));
        QVERIFY(blocker.remove());
        QCOMPARE(store.text("ColorStock_05R"), QString());
        QVERIFY(store.save("ColorStock_06R", "20"));
        QCOMPARE(bytesOnDisk(), QByteArray("[Settings]\nColorStock_06R=20\n"));
    }
};

QTEST_GUILESS_MAIN(SettingsStockStoreTest)
#include "tst_settingsstockstore.moc"
