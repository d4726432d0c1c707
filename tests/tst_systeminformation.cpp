// SPDX-License-Identifier: MIT
#include "about/systeminformation.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

// Which desktop's system information program the About window starts on Linux.
class SystemInformationTest : public QObject
{
    Q_OBJECT

private slots:
    void shouldFindTheDesktopsProgramWithItsArguments_data()
    {
        // XDG_CURRENT_DESKTOP, the programs on PATH, and the program found with the
        // arguments it is started with; empty: none, the message instead.
        QTest::addColumn<QString>("desktop");
        QTest::addColumn<QString>("onPath");
        QTest::addColumn<QString>("started");
        const char *all = "gnome-control-center mate-system-monitor cinnamon-settings "
                          "xfce4-about kinfocenter hardinfo hardinfo2";
        // clang-format off
        QTest::newRow("a list")         << "ubuntu:GNOME" << all << "gnome-control-center info-overview";
        QTest::newRow("any case")       << "xfce"         << all << "xfce4-about";
        QTest::newRow("Cinnamon")       << "X-Cinnamon"   << all << "cinnamon-settings info";
        QTest::newRow("older hardinfo") << "LXQt"         << "kinfocenter hardinfo" << "hardinfo";
        QTest::newRow("no desktop")     << ""             << all << "hardinfo2";
        QTest::newRow("others in order") << "KDE" << "gnome-control-center mate-system-monitor xfce4-about" << "xfce4-about";
        QTest::newRow("none")           << "GNOME"        << "" << "";
        // clang-format on
    }
    void shouldFindTheDesktopsProgramWithItsArguments()
    {
        QFETCH(QString, desktop);
        QFETCH(QString, onPath);
        QTemporaryDir dir;
        for (const QString &program : onPath.split(u' ', Qt::SkipEmptyParts)) {
            QFile file(dir.filePath(program));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.setPermissions(QFile::ExeOwner));
        }
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(dir.path()));
        qputenv("XDG_CURRENT_DESKTOP", desktop.toUtf8());
        const QString program = SystemInformation::program();
        qputenv("PATH", path);
        const QStringList started =
            QStringList(QFileInfo(program).fileName()) + SystemInformation::arguments(program);
        QTEST(started.join(u' '), "started");
    }
};

QTEST_GUILESS_MAIN(SystemInformationTest)
#include "tst_systeminformation.moc"
