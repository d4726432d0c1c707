#include "about/frmabout.h"
#include "fakeaboutplatform.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// Finding and starting the system information tool from the registry, or the
// one message when it cannot be had.
class StartSysInfoTest : public QObject
{
    Q_OBJECT

    static constexpr const char *pathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
    static constexpr const char *folderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
    static constexpr const char *message = "Tinvue: 現時点ではｼｽﾃﾑ情報を使用できません";
    static constexpr int absent = -1;

private slots:
    void initTestCase()
    {
        // The message box's caption is the program's name, as main() sets it.
        QCoreApplication::setApplicationName(QStringLiteral("Tinvue"));
    }

    void shouldStartTheRecordedToolOrSayItIsUnavailable_data()
    {
        // "<folder>" stands for a temporary folder that holds MSINFO32.EXE when
        // toolInFolder is set. A type of -1: the value is not there.
        QTest::addColumn<int>("pathType");
        QTest::addColumn<QByteArray>("pathData");
        QTest::addColumn<int>("folderType");
        QTest::addColumn<QByteArray>("folderData");
        QTest::addColumn<bool>("toolInFolder");
        QTest::addColumn<bool>("startSucceeds");
        QTest::addColumn<QStringList>("started");
        QTest::addColumn<bool>("messageShown");
        QTest::addColumn<QStringList>("keysAsked");

        const QStringList pathOnly{pathKey};
        const QStringList both{pathKey, folderKey};
        const QByteArray folder("<folder>\0", 9);
        QTest::newRow("path as it stands, not checked, folder not asked")
            << 1 << QByteArray("/nowhere/sysinfo\0", 17) << 1 << folder << true << true
            << QStringList{"/nowhere/sysinfo"} << false << pathOnly;
        QTest::newRow("path without its terminating zero")
            << 1 << QByteArray("/nowhere/sysinfo") << absent << QByteArray() << false << true
            << QStringList{"/nowhere/sysinfo"} << false << pathOnly;
        QTest::newRow("path to a missing file: the start fails, the folder is not tried")
            << 1 << QByteArray("/nowhere/sysinfo\0", 17) << 1 << folder << true << false
            << QStringList{"/nowhere/sysinfo"} << true << pathOnly;
        QTest::newRow("folder holding the tool")
            << absent << QByteArray() << 1 << folder << true << true
            << QStringList{"<folder>/MSINFO32.EXE"} << false << both;
        QTest::newRow("folder without its terminating zero")
            << absent << QByteArray() << 1 << QByteArray("<folder>") << true << true
            << QStringList{"<folder>/MSINFO32.EXE"} << false << both;
        QTest::newRow("folder lacking the tool") << absent << QByteArray() << 1 << folder << false
                                                 << true << QStringList() << true << both;
        QTest::newRow("folder holding the tool that will not start")
            << absent << QByteArray() << 1 << folder << true << false
            << QStringList{"<folder>/MSINFO32.EXE"} << true << both;
        QTest::newRow("path too long for the buffer, then the folder")
            << 1 << QByteArray(1025, 'x') << 1 << folder << true << true
            << QStringList{"<folder>/MSINFO32.EXE"} << false << both;
        QTest::newRow("path of another type: an empty path is started")
            << 3 << QByteArray("\x01\x02", 2) << 1 << folder << true << false << QStringList{""}
            << true << pathOnly;
        QTest::newRow("path as a 32-bit number: some text is started")
            << 4 << QByteArray("\x07\x00\x00\x00", 4) << absent << QByteArray() << false << false
            << QStringList{"7"} << true << pathOnly;
        QTest::newRow("empty path: the message, the folder not tried")
            << 1 << QByteArray() << 1 << folder << true << true << QStringList() << true
            << pathOnly;
        QTest::newRow("empty folder") << absent << QByteArray() << 1 << QByteArray() << false
                                      << true << QStringList() << true << both;
        QTest::newRow("neither value") << absent << QByteArray() << absent << QByteArray() << false
                                       << true << QStringList() << true << both;
    }
    void shouldStartTheRecordedToolOrSayItIsUnavailable()
    {
        QFETCH(int, pathType);
        QFETCH(QByteArray, pathData);
        QFETCH(int, folderType);
        QFETCH(QByteArray, folderData);
        QFETCH(bool, toolInFolder);
        QFETCH(bool, startSucceeds);
        QFETCH(QStringList, started);
        QFETCH(bool, messageShown);
        QFETCH(QStringList, keysAsked);

        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        if (toolInFolder) {
            QFile tool(dir.filePath("MSINFO32.EXE"));
            QVERIFY(tool.open(QIODevice::WriteOnly));
        }
        folderData.replace("<folder>", QFile::encodeName(dir.path()));
        started.replaceInStrings("<folder>", dir.path());

        FakeAboutPlatform fake;
        fake.startSucceeds = startSucceeds;
        if (pathType != absent)
            fake.registry->setValue(pathKey, "PATH", quint32(pathType), pathData);
        if (folderType != absent)
            fake.registry->setValue(folderKey, "MSINFO", quint32(folderType), folderData);
        frmAbout about(nullptr, fake.platform());

        about.StartSysInfo();

        QCOMPARE(fake.started, started);
        QCOMPARE(fake.messages,
                 messageShown ? QStringList{QString::fromUtf8(message)} : QStringList());
        QCOMPARE(fake.registry->requestedKeys(), keysAsked);
        QCOMPARE(fake.registry->openKeyCount(), 0);
    }

    void shouldNotTakeAFolderForTheTool()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("MSINFO32.EXE"));
        FakeAboutPlatform fake;
        fake.registry->setValue(folderKey, "MSINFO", 1, QFile::encodeName(dir.path()));
        frmAbout about(nullptr, fake.platform());
        about.StartSysInfo();
        QCOMPARE(fake.started, QStringList());
        QCOMPARE(fake.messages, QStringList{QString::fromUtf8(message)});
    }

    void shouldKeepTheWindowOpenAfterStartingTheTool()
    {
        FakeAboutPlatform fake;
        fake.registry->setValue(pathKey, "PATH", 1, QByteArray("/usr/bin/kinfocenter"));
        frmAbout about(nullptr, fake.platform());
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        about.StartSysInfo();
        QCOMPARE(fake.started, QStringList{"/usr/bin/kinfocenter"});
        QVERIFY(about.isVisible());
    }
};

QTEST_MAIN(StartSysInfoTest)
#include "tst_startsysinfo.moc"
