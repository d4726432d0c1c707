#include "about/aboutplatform.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

// The desktop's own services under the About window: the registry answered from
// PATH, starting a program and the message box.
class AboutPlatformTest : public QObject
{
    Q_OBJECT

    QByteArray m_path;

    static void makeProgram(const QString &path, const QByteArray &script = "#!/bin/sh\n")
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(script);
        file.close();
        QVERIFY(file.setPermissions(file.permissions() | QFile::ExeOwner));
    }

    // Reads the tool's path as the About window does, with its terminating zero.
    static long readToolPath(Registry &registry, QByteArray *data)
    {
        Registry::Key key = 0;
        const long opened = registry.RegOpenKeyEx(
            0x80000002, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", 0, 0x2003F, &key);
        if (opened != 0)
            return opened;
        quint32 type = 0;
        quint32 size = 1024;
        data->fill('\0', 1024);
        const long read = registry.RegQueryValueEx(key, "PATH", &type, data->data(), &size);
        data->truncate(int(size));
        registry.RegCloseKey(key);
        return type == 1 ? read : -1;
    }

private slots:
    void initTestCase() { m_path = qgetenv("PATH"); }
    void cleanup() { qputenv("PATH", m_path); }

    void shouldRecordTheFirstSystemInformationProgramOnPath_data()
    {
        QTest::addColumn<QStringList>("programs"); // "folder/name" below a temporary folder
        QTest::addColumn<QString>("found");
        QTest::newRow("kinfocenter first")
            << QStringList{"a/hardinfo", "b/hardinfo2", "c/kinfocenter"} << "c/kinfocenter";
        QTest::newRow("hardinfo2 before hardinfo")
            << QStringList{"a/hardinfo", "b/hardinfo2"} << "b/hardinfo2";
        QTest::newRow("earlier folder of two")
            << QStringList{"a/hardinfo", "b/hardinfo"} << "a/hardinfo";
        QTest::newRow("hardinfo alone") << QStringList{"c/hardinfo"} << "c/hardinfo";
    }
    void shouldRecordTheFirstSystemInformationProgramOnPath()
    {
        QFETCH(QStringList, programs);
        QFETCH(QString, found);
        QTemporaryDir dir;
        QDir root(dir.path());
        for (const char *folder : {"a", "b", "c"})
            QVERIFY(root.mkdir(folder));
        for (const QString &program : programs)
            makeProgram(root.filePath(program));
        qputenv("PATH", QFile::encodeName(root.filePath("a") + ':' + root.filePath("b") + ':' +
                                          root.filePath("c")));

        AboutPlatform platform = AboutPlatform::desktop();
        QByteArray data;
        QCOMPARE(readToolPath(*platform.registry, &data), 0L);
        QCOMPARE(data, QFile::encodeName(root.filePath(found)) + '\0');
    }

    void shouldRecordNothingWithoutASystemInformationProgram()
    {
        QTemporaryDir dir;
        makeProgram(dir.filePath("sysinfo"));
        qputenv("PATH", QFile::encodeName(dir.path()));
        AboutPlatform platform = AboutPlatform::desktop();
        QByteArray data;
        QCOMPARE(readToolPath(*platform.registry, &data), 2L);
        Registry::Key key = 0;
        QCOMPARE(platform.registry->RegOpenKeyEx(
                     0x80000002, "SOFTWARE\\Microsoft\\Shared Tools Location", 0, 0x2003F, &key),
                 2L);
    }

    void shouldStartAProgramOnItsOwn()
    {
        QTemporaryDir dir;
        const QString mark = dir.filePath("started");
        makeProgram(dir.filePath("tool with spaces"),
                    "#!/bin/sh\ntouch '" + QFile::encodeName(mark) + "'\n");
        QVERIFY(AboutPlatform::desktop().startProgram(dir.filePath("tool with spaces")));
        QTRY_VERIFY(QFile::exists(mark));
    }

    void shouldReportAProgramThatCannotStart_data()
    {
        QTest::addColumn<QString>("program");
        QTest::newRow("missing file") << "missing";
        QTest::newRow("empty path") << "";
        QTest::newRow("folder") << ".";
        QTest::newRow("file that is not executable") << "plain";
    }
    void shouldReportAProgramThatCannotStart()
    {
        QFETCH(QString, program);
        QTemporaryDir dir;
        QFile plain(dir.filePath("plain"));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.close();
        const QString path = program.isEmpty() ? program : dir.filePath(program);
        QVERIFY(!AboutPlatform::desktop().startProgram(path));
    }

    void shouldShowThePlainMessageUntilItIsClosed()
    {
        QString title, text;
        QMessageBox::Icon icon = QMessageBox::Critical;
        QMessageBox::StandardButtons buttons;
        QTimer::singleShot(0, [&] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                title = box->windowTitle();
                text = box->text();
                icon = box->icon();
                buttons = box->standardButtons();
                box->accept();
            }
        });
        AboutPlatform::desktop().showMessage(nullptr, "現時点ではｼｽﾃﾑ情報を使用できません",
                                             "Tinvue");
        QCOMPARE(title, QStringLiteral("Tinvue"));
        QCOMPARE(text, QStringLiteral("現時点ではｼｽﾃﾑ情報を使用できません"));
        QCOMPARE(icon, QMessageBox::NoIcon);
        QCOMPARE(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    }
};

QTEST_MAIN(AboutPlatformTest)
#include "tst_aboutplatform.moc"
