// SPDX-License-Identifier: MIT
#include "widgets/colorvalue.h"

namespace ColorValue {
QColor toQColor(quint32 colorValue)
{
    return QColor(int(colorValue & 0xFF), int((colorValue >> 8) & 0xFF),
                  int((colorValue >> 16) & 0xFF));
}

quint32 fromQColor(const QColor &color)
{
    return compose(color.red(), color.green(), color.blue());
}
} // namespace ColorValue
