// SPDX-License-Identifier: MIT
#include "about/frmabout.h"
#include "about/memoryregistry.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// The About window's system information button over a registry held in memory.
// Its layout is checked at each screen scale (tst_rendering); its keys, link and
// the program and message of this desktop end to end (e2e/cases/about.sh).
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
        // The folder as recorded, and the file name after the system's separator.
        const QString inTool = m_dir.path() + QDir::separator() + u"MSINFO32.EXE"_s;
        const QString message = u"Tinvue: 現時点ではｼｽﾃﾑ情報を使用できません"_s;
        const QByteArray big(1025, 'x'), empty;
        // clang-format off
        QTest::newRow("path, unchecked")   << 1 << "/x/tool\0"_ba << tool << QStringList{"/x/tool"} << 1;
        QTest::newRow("without zero byte") << 1 << "/x/tool"_ba << empty << QStringList{"/x/tool"} << 1;
        QTest::newRow("missing file")      << 1 << "/missing/tool\0"_ba << tool << QStringList{"/missing/tool", message} << 1;
        QTest::newRow("over 1024 bytes")   << 1 << big << tool + '\0' << QStringList{inTool} << 2;
        QTest::newRow("another type")      << 3 << "\1\2"_ba << tool << QStringList{"", message} << 1;
        QTest::newRow("32-bit number")     << 4 << "\2\1\0\0"_ba << empty << QStringList{"258"} << 1;
        QTest::newRow("empty path")        << 1 << empty << tool << QStringList{message} << 1;
        QTest::newRow("folder with it")    << 0 << empty << tool << QStringList{inTool} << 2;
        QTest::newRow("folder without it") << 0 << empty << none << QStringList{message} << 2;
        // clang-format on
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
};

QTEST_MAIN(FrmAboutTest)
#include "tst_frmabout.moc"
