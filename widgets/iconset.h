// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>

// Icons are carried as raw pixels rendered at build time, one image per size,
// named ":/icons/NAME-WIDTHxHEIGHT.argb" (a 0xAARRGGBB word a pixel, alpha not
// premultiplied, in the machine's byte order: the layout a window's icon goes to
// the window system in). Building them needs no decoder, no image plugin and no
// conversion.
// QIcon picks the one that fits the screen.
class IconSet
{
public:
    static QIcon load(const char *name);
};
