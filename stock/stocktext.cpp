// SPDX-License-Identifier: MIT
#include "stock/stocktext.h"

#include <limits>

namespace StockText {
std::optional<int> toInteger(const QString &text)
{
    const bool negative = text.startsWith(QLatin1Char('-'));
    const QStringView digits = QStringView(text).mid(negative ? 1 : 0);
    if (digits.isEmpty())
        return std::nullopt;
    long value = 0;
    for (QChar c : digits) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        value = value * 10 + (c.unicode() - '0');
        // Stops long texts early, before the sum could overflow.
        if (value > -long(std::numeric_limits<qint16>::min()))
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return int(value);
}
} // namespace StockText
