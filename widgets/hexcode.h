// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The two steps that turn a component (0..255) into its part of an HTML hex
// code: first the plain hexadecimal text, then the padding to two digits.
class HexCode
{
public:
    // Upper-case hexadecimal digits without leading zeros: 0 -> "0", 171 -> "AB".
    static QString hexText(int value);

    // Brings a part made by hexText() for the same value to exactly two digits.
    // Values from 16 up already have two digits and keep the text they came with.
    static QString formatPart(int value, const QString &hexPart);

    // The whole code of a color value, "#" and red, green and blue.
    static QString code(quint32 colorValue);
};
