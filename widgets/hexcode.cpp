// SPDX-License-Identifier: MIT
#include "widgets/hexcode.h"

#include <array>

QString HexCode::hexText(int value)
{
    return QString::number(value, 16).toUpper();
}

QString HexCode::formatPart(int value, const QString &hexPart)
{
    static const std::array<const char *, 6> letterParts = {"0A", "0B", "0C", "0D", "0E", "0F"};
    if (value >= 0 && value <= 9) {
        // The single digit reads the same in decimal; pad it as the number pattern "##00" does.
        return QStringLiteral("%1").arg(hexPart.toInt(), 2, 10, QLatin1Char('0'));
    }
    if (value >= 10 && value <= 15)
        return QLatin1String(letterParts[size_t(value - 10)]);
    return hexPart;
}

QString HexCode::code(quint32 colorValue)
{
    QString text = QStringLiteral("#");
    for (int shift : {0, 8, 16}) {
        const int value = int((colorValue >> shift) & 0xFF);
        text += formatPart(value, hexText(value));
    }
    return text;
}
