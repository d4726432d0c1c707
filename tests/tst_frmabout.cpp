#include "about/frmabout.h"
#include "about/memoryregistry.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// The About window's system information button over a registry held in memory.
// Its layout is checked at each screen scale (tst_rendering), its keys and link
// end to end (e2e/cases/about.sh).
class FrmAboutTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir; // holds MSINFO32.EXE; "none/" only a folder of that name

private slots:
    void initTestCase()
    {
        QCoreApplication::setApplicationName(u"Tinvue"_s); // as main() names it
        QVERIFY(QDir(m_dir.path()).mkpath(u"none/MSINFO32.EXE"_s));
        QVERIFY(QFile(m_dir.filePath(u"MSINFO32.EXE"_s)).open(QIODevice::WriteOnly));
    }

    void shouldStartTheRecordedToolOrSayItIsUnavailable_data()
    {
        // The "PATH" value's type (1 text, 3 binary, 4 32-bit number; 0 not recorded) and data,
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
        QTest::newRow("folder with the tool") << 0 << empty << tool << QStringList{inTool} << 2;
        QTest::newRow("folder without it") << 0 << empty << none << QStringList{message} << 2;
    }
    void shouldStartTheRecordedToolOrSayItIsUnavailable()
    {
        QFETCH(int, pathType);
        QFETCH(QByteArray, path);
        QFETCH(QByteArray, folder);
        auto registry = std::make_shared<MemoryRegistry>();
        if (pathType != 0)
            registry->setValue(u"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"_s, u"PATH"_s,
                               quint32(pathType), path);
        if (!folder.isEmpty())
            registry->setValue(u"SOFTWARE\\Microsoft\\Shared Tools Location"_s, u"MSINFO"_s,
                               Registry::String, folder);
        // The desktop's stand-ins log the programs started and the messages shown, so
        // nothing starts and no message box waits for a click. Any start succeeds but
        // one of nothing or of a path below /missing.
        QStringList happened;
        const auto start = [&](const QString &program) {
            happened << program;
            return !program.isEmpty() && !program.startsWith(u"/missing/"_s);
        };
        const auto show = [&](QWidget *, const QString &text, const QString &caption) {
            happened << caption + u": "_s + text;
        };
        frmAbout(nullptr, {registry, start, show}).StartSysInfo();
        QTEST(happened, "happened");
        QTEST(int(registry->requestedKeys().size()), "keysAsked");
        QCOMPARE(registry->openKeyCount(), 0);
    }

    void shouldStartTheDesktopsProgramWithItsArguments_data()
    {
        // XDG_CURRENT_DESKTOP, the programs on PATH ("!" before a name: one that
        // cannot start) and the program started with the arguments it received, or
        // empty for the message that none is available.
        QTest::addColumn<QString>("desktop");
        QTest::addColumn<QStringList>("onPath");
        QTest::addColumn<QString>("started");
        const QStringList all{"gnome-control-center",
                              "mate-system-monitor",
                              "cinnamon-settings",
                              "xfce4-about",
                              "kinfocenter",
                              "hardinfo",
                              "hardinfo2"};
        QTest::newRow("GNOME") << u"GNOME"_s << all << u"gnome-control-center info-overview"_s;
        QTest::newRow("Unity") << u"Unity"_s << all << u"gnome-control-center info-overview"_s;
        QTest::newRow("first known of a list")
            << u"ubuntu:GNOME"_s << all << u"gnome-control-center info-overview"_s;
        QTest::newRow("KDE") << u"KDE"_s << all << u"kinfocenter"_s;
        QTest::newRow("XFCE in any case") << u"xfce"_s << all << u"xfce4-about"_s;
        QTest::newRow("Cinnamon") << u"X-Cinnamon"_s << all << u"cinnamon-settings info"_s;
        QTest::newRow("MATE") << u"MATE"_s << all << u"mate-system-monitor --show-system-tab"_s;
        QTest::newRow("LXQt") << u"LXQt"_s << all << u"hardinfo2"_s;
        QTest::newRow("LXQt, older hardinfo")
            << u"LXQt"_s << QStringList{"kinfocenter", "hardinfo"} << u"hardinfo"_s;
        QTest::newRow("no desktop") << QString() << all << u"hardinfo2"_s;
        QTest::newRow("others in order")
            << u"KDE"_s
            << QStringList{"gnome-control-center", "mate-system-monitor", "cinnamon-settings",
                           "xfce4-about"}
            << u"xfce4-about"_s;
        QTest::newRow("none on PATH") << u"GNOME"_s << QStringList() << QString();
        QTest::newRow("cannot start") << u"KDE"_s << QStringList{"!kinfocenter"} << QString();
    }
    void shouldStartTheDesktopsProgramWithItsArguments()
    {
        QFETCH(QString, desktop);
        QFETCH(QStringList, onPath);
        QFETCH(QString, started);
        // Stand-ins that write their names and arguments to "started".
        QTemporaryDir dir;
        for (const QString &program : onPath) {
            QFile file(dir.filePath(QString(program).remove(u'!')));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(program.startsWith(u'!')
                           ? "#!/nowhere\n"
                           : "#!/bin/sh\necho ${0##*/} \"$@\" >${0%/*}/started\n");
            QVERIFY(file.setPermissions(QFile::ReadOwner | QFile::ExeOwner));
        }
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(dir.path()));
        qputenv("XDG_CURRENT_DESKTOP", desktop.toUtf8());
        AboutPlatform platform = AboutPlatform::desktop();
        qputenv("PATH", path);
        QString shown;
        platform.showMessage = [&](QWidget *, const QString &text, const QString &) {
            shown = text;
        };
        QFile log(dir.filePath(u"started"_s));
        QVERIFY(log.open(QIODevice::ReadWrite));
        frmAbout(nullptr, platform).StartSysInfo();
        QTRY_VERIFY(started.isEmpty() || log.size() > 0);
        QCOMPARE(QString::fromUtf8(log.readAll()).trimmed(), started);
        QCOMPARE(shown.isEmpty(), !started.isEmpty());
    }
};

QTEST_MAIN(FrmAboutTest)
#include "tst_frmabout.moc"
