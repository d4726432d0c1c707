// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>

// A color value packs red in the low byte, then green, then blue:
// red + 256 * green + 65536 * blue. The program speaks color values; QColor
// appears only at the edge where widgets are painted.
namespace ColorValue {
constexpr quint32 white = 0x00FFFFFF;

// The three components, in the order of the scroll bars VScroll1 to VScroll3.
enum Component
{
    Red,
    Green,
    Blue
};
constexpr Component components[] = {Red, Green, Blue};

constexpr quint32 compose(int red, int green, int blue)
{
    return quint32(red) + 256u * quint32(green) + 65536u * quint32(blue);
}

QColor toQColor(quint32 colorValue);
quint32 fromQColor(const QColor &color);
} // namespace ColorValue
