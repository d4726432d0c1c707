// SPDX-License-Identifier: MIT
// One change of a scroll bar through the whole update chain: value label,
// sample, hex parts and code. The window is not shown, so nothing is painted.
#include "app/form1.h"
#include "widgets/componentscrollbar.h"

#include <QTest>

class UpdateChainBenchmark : public QObject
{
    Q_OBJECT
private slots:
    void oneScrollBarChange()
    {
        Form1 window;
        auto *green = window.control<ComponentScrollBar>("VScroll2");
        int value = 0;
        QBENCHMARK
        {
            value = (value + 97) % 256;
            green->assign(value);
        }
    }
};

QTEST_MAIN(UpdateChainBenchmark)
#include "updatechain.moc"
