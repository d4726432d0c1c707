#include "about/frmabout.h"
#include "about/memoryregistry.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

using namespace Qt::StringLiterals;

// The About window as the user meets it: its layout, captions, keys and link,
// and its system information button over a registry held in memory.
class FrmAboutTest : public QObject
{
    Q_OBJECT

    static constexpr int absent = -1;
    QTemporaryDir m_dir; // holds MSINFO32.EXE; "none/" only a folder of that name
    QList<QUrl> m_opened;
    QStringList m_log;

    // Stands in for the desktop: a log of the programs started and messages
    // shown, so nothing starts and no message box waits for a click. Any start
    // succeeds but one of nothing or of a path below /missing.
    AboutPlatform platform(std::shared_ptr<Registry> registry = std::make_shared<MemoryRegistry>())
    {
        const auto start = [this](const QString &program) {
            m_log << program;
            return !program.isEmpty() && !program.startsWith(u"/missing/"_s);
        };
        return {registry, start, [this](QWidget *, const QString &text, const QString &caption) {
                    m_log << caption + u": "_s + text;
                }};
    }

public slots:
    void openUrl(const QUrl &url) { m_opened << url; }

private slots:
    void initTestCase()
    {
        // The link's address, or the whole caption should the prefix stay on.
        for (const char *scheme : {"https", "url"})
            QDesktopServices::setUrlHandler(QLatin1String(scheme), this, "openUrl");
        QCoreApplication::setApplicationName(u"Tinvue"_s); // as main() names it
        QVERIFY(QDir(m_dir.path()).mkpath(u"none/MSINFO32.EXE"_s));
        QVERIFY(QFile(m_dir.filePath(u"MSINFO32.EXE"_s)).open(QIODevice::WriteOnly));
    }
    void cleanupTestCase()
    {
        for (const char *scheme : {"https", "url"})
            QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
    }
    void cleanup() { m_log.clear(); }

    void shouldPlaceAndNameControlsAsDesigned_data()
    {
        // Rows named for the control. Pixels worked out by hand from the designed
        // twips (15 to a pixel); labels size to their text, so only their corner.
        QTest::addColumn<QRect>("rect");
        QTest::addColumn<QString>("text");
        QTest::newRow("cmdOK") << QRect(200, 144, 92, 23) << "OK";
        QTest::newRow("cmdSysInfo") << QRect(88, 144, 92, 23) << "ｼｽﾃﾑ情報(&S)...";
        QTest::newRow("picIcon") << QRect(104, 12, 32, 32) << "";
        QTest::newRow("Label1") << QRect(52, 108, 0, 0) << "URL:https://tinvue.example.org/";
        QTest::newRow("Label2") << QRect(148, 20, 0, 0) << "Tinvue Ver 2.02";
        QTest::newRow("Label3") << QRect(72, 56, 0, 0) << "(C) 2000-2026 Tinvue Project";
        QTest::newRow("Label4") << QRect(52, 88, 0, 0) << "E-Mail : tinvue@example.org";
    }
    void shouldPlaceAndNameControlsAsDesigned()
    {
        QFETCH(QRect, rect);
        QFETCH(QString, text);
        frmAbout about(nullptr, platform());
        const auto *w = about.findChild<QWidget *>(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(w);
        QCOMPARE(rect.isEmpty() ? QRect(w->pos(), rect.size()) : w->geometry(), rect);
        QCOMPARE(w->property("text").toString(), text);
    }

    void shouldCloseOnTheKeysWithTheFocusOnOk_data()
    {
        QTest::addColumn<Qt::Key>("key");
        QTest::newRow("Enter") << Qt::Key_Return;
        QTest::newRow("Esc") << Qt::Key_Escape;
    }
    void shouldCloseOnTheKeysWithTheFocusOnOk()
    {
        QFETCH(Qt::Key, key);
        frmAbout about(nullptr, platform());
        about.show();
        QVERIFY(QTest::qWaitForWindowActive(&about));
        QCOMPARE(about.windowTitle(), u"ﾊﾞｰｼﾞｮﾝ情報"_s);
        QCOMPARE(QApplication::focusWidget(), about.findChild<QWidget *>(u"cmdOK"_s));
        QTest::keyClick(QApplication::focusWidget(), key);
        QVERIFY(!about.isVisible());
        // Esc clicks OK rather than cancelling.
        QCOMPARE(about.result(), int(QDialog::Accepted));
    }

    void shouldOpenTheAddressWithoutItsPrefix()
    {
        frmAbout about(nullptr, platform());
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        auto *link = about.findChild<QWidget *>(u"Label1"_s);
        QCOMPARE(link->toolTip(), u"サポートＨＰへ接続"_s);
        QTest::mouseClick(link, Qt::LeftButton, Qt::NoModifier, QPoint(20, link->height() / 2));
        QCOMPARE(m_opened, QList<QUrl>{QUrl(u"https://tinvue.example.org/"_s)});
        QVERIFY(about.isVisible());
    }

    void shouldStartTheRecordedToolOrSayItIsUnavailable_data()
    {
        // The "PATH" value's type (1 text, 3 binary, 4 32-bit number) and data,
        // the "MSINFO" folder (empty: not recorded); the programs started and
        // messages shown, in order, and how many of the two keys were asked for.
        QTest::addColumn<int>("pathType");
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<QByteArray>("folder");
        QTest::addColumn<QStringList>("happened");
        QTest::addColumn<int>("keysAsked");
        const QByteArray tool = QFile::encodeName(m_dir.path());
        const QByteArray none = QFile::encodeName(m_dir.filePath(u"none"_s));
        const QString inTool = m_dir.filePath(u"MSINFO32.EXE"_s);
        const QString message = u"Tinvue: 現時点ではｼｽﾃﾑ情報を使用できません"_s;
        const QByteArray big(1025, 'x'), empty;
        QTest::newRow("path as it stands, unchecked")
            << 1 << "/x/tool\0"_ba << tool << QStringList{"/x/tool"} << 1;
        QTest::newRow("path without its zero byte")
            << 1 << "/x/tool"_ba << empty << QStringList{"/x/tool"} << 1;
        QTest::newRow("path to a missing file")
            << 1 << "/missing/tool\0"_ba << tool << QStringList{"/missing/tool", message} << 1;
        QTest::newRow("path over 1024 bytes")
            << 1 << big << tool + '\0' << QStringList{inTool} << 2;
        QTest::newRow("path of another type")
            << 3 << "\1\2"_ba << tool << QStringList{"", message} << 1;
        QTest::newRow("path as a 32-bit number")
            << 4 << "\2\1\0\0"_ba << empty << QStringList{"258"} << 1;
        QTest::newRow("empty path") << 1 << empty << tool << QStringList{message} << 1;
        QTest::newRow("folder with the tool")
            << absent << empty << tool << QStringList{inTool} << 2;
        QTest::newRow("folder without it") << absent << empty << none << QStringList{message} << 2;
    }
    void shouldStartTheRecordedToolOrSayItIsUnavailable()
    {
        QFETCH(int, pathType);
        QFETCH(QByteArray, path);
        QFETCH(QByteArray, folder);
        QFETCH(QStringList, happened);
        QFETCH(int, keysAsked);
        auto registry = std::make_shared<MemoryRegistry>();
        if (pathType != absent)
            registry->setValue(u"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"_s, u"PATH"_s,
                               quint32(pathType), path);
        if (!folder.isEmpty())
            registry->setValue(u"SOFTWARE\\Microsoft\\Shared Tools Location"_s, u"MSINFO"_s,
                               Registry::String, folder);
        frmAbout(nullptr, platform(registry)).StartSysInfo();
        QCOMPARE(m_log, happened);
        QCOMPARE(registry->requestedKeys().size(), keysAsked);
        QCOMPARE(registry->openKeyCount(), 0);
    }

    void shouldFindTheDesktopsProgramInThisOrder_data()
    {
        QTest::addColumn<QStringList>("programs"); // in the one folder on PATH
        QTest::addColumn<QString>("found");
        QTest::newRow("kinfocenter first")
            << QStringList{"hardinfo", "hardinfo2", "kinfocenter"} << "kinfocenter";
        QTest::newRow("then hardinfo2") << QStringList{"hardinfo", "hardinfo2"} << "hardinfo2";
        QTest::newRow("then hardinfo") << QStringList{"sysinfo", "hardinfo"} << "hardinfo";
        QTest::newRow("none") << QStringList{"sysinfo"} << "";
    }
    void shouldFindTheDesktopsProgramInThisOrder()
    {
        QFETCH(QStringList, programs);
        QFETCH(QString, found);
        QTemporaryDir dir;
        for (const QString &program : programs) {
            QFile file(dir.filePath(program));
            QVERIFY(file.open(QIODevice::WriteOnly));
            QVERIFY(file.setPermissions(QFile::ReadOwner | QFile::ExeOwner));
        }
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(dir.path()));
        const QString program = AboutPlatform::systemInformationProgram();
        qputenv("PATH", path);
        QCOMPARE(program, found.isEmpty() ? found : dir.filePath(found));
    }

    void shouldReportAToolThatCannotStart()
    {
        QVERIFY(!AboutPlatform::desktop().startProgram(u"/nowhere/sysinfo"_s));
    }
};

QTEST_MAIN(FrmAboutTest)
#include "tst_frmabout.moc"
