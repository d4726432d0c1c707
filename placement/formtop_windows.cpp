// SPDX-License-Identifier: MIT
#include "placement/formtop.h"

#include <QWidget>

#include <windows.h>

namespace FormTop {
qint32 SetTopMost(QWidget &TargetForm, qint16 OnTop)
{
    // The native window comes first, whatever is asked of it.
    const auto window = reinterpret_cast<HWND>(TargetForm.winId());
    if (OnTop != 0 && OnTop != 1)
        return 0;
    // The window system's own call, which neither moves nor resizes the window
    // and shows it if it is hidden.
    const UINT keepPlaceAndShow = SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW;
    const BOOL done = ::SetWindowPos(window, OnTop == 1 ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                                     keepPlaceAndShow);
    // Qt learns that the window is shown.
    if (!TargetForm.isVisible())
        TargetForm.show();
    return done;
}
} // namespace FormTop
