// SPDX-License-Identifier: MIT
#include "about/windowsregistry.h"

#include <windows.h>
// windows.h names its ANSI or wide variants by these; here they are the methods.
#undef RegOpenKeyEx
#undef RegQueryValueEx

namespace {
// The predefined keys are 32-bit numbers that Windows sign-extends into its
// 64-bit handles.
HKEY handle(Registry::Key key)
{
    return key == Registry::LocalMachine ? HKEY_LOCAL_MACHINE : reinterpret_cast<HKEY>(key);
}
} // namespace

long WindowsRegistry::RegOpenKeyEx(Key root, const QString &subKey, quint32 options, quint32 access,
                                   Key *result)
{
    HKEY key = nullptr;
    const LONG status =
        ::RegOpenKeyExA(handle(root), subKey.toLocal8Bit().constData(), options, access, &key);
    *result = reinterpret_cast<Key>(key);
    return status;
}

long WindowsRegistry::RegQueryValueEx(Key key, const QString &valueName, quint32 *type, char *data,
                                      quint32 *size)
{
    DWORD valueType = 0;
    DWORD bytes = *size;
    const LONG status =
        ::RegQueryValueExA(handle(key), valueName.toLocal8Bit().constData(), nullptr, &valueType,
                           reinterpret_cast<BYTE *>(data), &bytes);
    *type = valueType;
    *size = bytes;
    return status;
}

long WindowsRegistry::RegCloseKey(Key key)
{
    return ::RegCloseKey(handle(key));
}
