// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QtGlobal>

// The few calls the About window makes to read the registry, with the registry's
// own result codes, value types and byte data. Names are passed as text; each
// registry turns them into what it needs.
class Registry
{
public:
    using Key = quintptr;
    static constexpr Key LocalMachine = 0x80000002;

    enum Result : long
    {
        Success = 0,
        FileNotFound = 2,
        InvalidHandle = 6,
        MoreData = 234
    };
    // The value types this program reads; any other is passed over.
    enum Type : quint32
    {
        NoType = 0,
        String = 1,
        Dword = 4
    };

    // KEY_READ: query values, enumerate sub keys, notify, read control. A standard
    // user may not open a key of the local machine with any right to change it.
    static constexpr quint32 KeyAccess = 0x20019;

    virtual ~Registry() = default;

    virtual long RegOpenKeyEx(Key root, const QString &subKey, quint32 options, quint32 access,
                              Key *result) = 0;
    // On entry *size is the room in data; on return the value's size in bytes. A
    // value larger than the room answers MoreData and copies nothing.
    virtual long RegQueryValueEx(Key key, const QString &valueName, quint32 *type, char *data,
                                 quint32 *size) = 0;
    virtual long RegCloseKey(Key key) = 0;
};
