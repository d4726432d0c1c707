#pragma once

#include <QIcon>

// Icons are carried as raw pixels rendered at build time, one image per size,
// named ":/icons/NAME-WIDTHxHEIGHT.argb" (a premultiplied 0xAARRGGBB word a
// pixel, in the machine's byte order: the pixmaps' own layout). Building them
// needs no decoder, no image plugin and no conversion.
// QIcon picks the one that fits the screen.
class IconSet
{
public:
    static QIcon load(const char *name);
};
