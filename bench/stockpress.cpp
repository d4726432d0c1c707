// SPDX-License-Identifier: MIT
// One right press on a stock slot, from the press until the slot's color is in
// the settings file on disk: 50 presses into a file that holds a full stock, in
// a folder under the current one, so that the flushes go to that folder's disk.
// Prints the median, the fastest and the slowest press in milliseconds.
#include "app/form1.h"
#include "widgets/colorpanel.h"
#include "widgets/componentscrollbar.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>

int main(int argc, char *argv[])
{
    QTemporaryDir config(QDir::currentPath() + QStringLiteral("/stockpress-XXXXXX"));
    QFile file(config.filePath(QStringLiteral("Tinvue/Tinvue.conf")));
    QByteArray stock = "[Settings]\n";
    for (int slot = 1; slot <= 16; ++slot)
        for (const char c : {'B', 'G', 'R'})
            stock += QStringLiteral("ColorStock_%1%2=128\n")
                         .arg(slot, 2, 10, QLatin1Char('0'))
                         .arg(c)
                         .toLatin1();
    if (!config.isValid() || !QDir(config.path()).mkpath(QStringLiteral("Tinvue")) ||
        !file.open(QIODevice::WriteOnly) || file.write(stock) != stock.size())
        return 1;
    file.close();
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    QApplication app(argc, argv);
    Form1 window;
    auto *red = window.control<ComponentScrollBar>("VScroll1");
    auto *slot = window.control<ColorPanel>("Label8");
    QList<double> ms;
    for (int n = 0; n < 50; ++n) {
        red->assign(n);
        QElapsedTimer timer;
        timer.start();
        QTest::mousePress(slot, Qt::RightButton, {}, QPoint(10, 10));
        ms << timer.nsecsElapsed() / 1e6;
        QTest::mouseRelease(slot, Qt::RightButton, {}, QPoint(10, 10));
    }
    if (!file.open(QIODevice::ReadOnly) || !file.readAll().contains("ColorStock_05R=49\n"))
        return 1;
    std::sort(ms.begin(), ms.end());
    std::printf("%-8s %10s %10s %10s\n", "presses", "median ms", "fastest", "slowest");
    std::printf("%-8lld %10.2f %10.2f %10.2f\n", qint64(ms.size()), ms[ms.size() / 2], ms.first(),
                ms.last());
    return 0;
}
