#pragma once

#include <QIcon>

// Icons are carried as raw pixels rendered at build time, one image per size,
// named ":/icons/NAME-WIDTHxHEIGHT.rgba" (four bytes a pixel: red, green, blue
// and premultiplied alpha). Building them needs no decoder and no image plugin.
// QIcon picks the one that fits the screen.
class IconSet
{
public:
    static QIcon load(const char *name);
};
