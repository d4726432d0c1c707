// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>

class QWidget;

namespace FormTop {
// Keeps TargetForm above all other windows (OnTop 1) or releases it (OnTop 0),
// without moving, resizing or re-creating it; a hidden window is shown. Any other
// OnTop does nothing. Returns nonzero when the window system was asked, else 0.
qint32 SetTopMost(QWidget &TargetForm, qint16 OnTop);
} // namespace FormTop
