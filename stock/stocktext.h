// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <optional>

// Reads a stored component text as the 16-bit integer it stands for. The
// program writes plain decimal texts ("0" to "255"); a text changed by hand
// counts only in that same form: an optional minus sign and ASCII digits, with
// leading zeros allowed. Blanks, a plus sign, fractions, digit grouping and
// hexadecimal notation make the text fail, as do empty text and numbers outside
// -32768..32767.
namespace StockText {
std::optional<int> toInteger(const QString &text);
}
