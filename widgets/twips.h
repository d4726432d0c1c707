// SPDX-License-Identifier: MIT
#pragma once

// Layout numbers are kept in twips, as the window was designed (1440 to the inch).
// Qt logical pixels are 1/96 inch and Qt scales them on dense screens, so one
// logical pixel is always 15 twips.
namespace Twips {
constexpr int perPixel = 15;

constexpr int toPixels(int twips)
{
    return (twips >= 0 ? twips + perPixel / 2 : twips - perPixel / 2) / perPixel;
}
} // namespace Twips
