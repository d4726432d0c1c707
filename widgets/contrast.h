// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>

// WCAG's contrast ratio between two colors, from 1 (the same) to 21 (black on
// white); text reads at 4.5 or more.
namespace Contrast {
double ratio(const QColor &a, const QColor &b);
} // namespace Contrast
