#pragma once

#include <QIcon>

// Icons are carried as PNGs rendered at build time, one per size, named
// ":/icons/NAME-WIDTHxHEIGHT.png"; QIcon picks the one that fits the screen.
class IconSet
{
public:
    static QIcon load(const char *name);
};
