// SPDX-License-Identifier: MIT
#pragma once

#include "about/registry.h"

// The Windows registry itself, through advapi32's ANSI calls.
class WindowsRegistry : public Registry
{
public:
    long RegOpenKeyEx(Key root, const QString &subKey, quint32 options, quint32 access,
                      Key *result) override;
    long RegQueryValueEx(Key key, const QString &valueName, quint32 *type, char *data,
                         quint32 *size) override;
    long RegCloseKey(Key key) override;
};
