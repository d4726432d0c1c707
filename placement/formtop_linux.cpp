// SPDX-License-Identifier: MIT
#include "placement/formtop.h"

#include <QWidget>
#include <QWindow>

namespace FormTop {
qint32 SetTopMost(QWidget &TargetForm, qint16 OnTop)
{
    // The native window comes first, whatever is asked of it.
    TargetForm.winId();
    QWindow *window = TargetForm.windowHandle();
    if ((OnTop != 0 && OnTop != 1) || !window)
        return 0;
    // Set on the QWindow: QWidget::setWindowFlags would hide and re-create the window.
    window->setFlag(Qt::WindowStaysOnTopHint, OnTop == 1);
    if (!TargetForm.isVisible())
        TargetForm.show();
    return 1;
}
} // namespace FormTop
