// SPDX-License-Identifier: MIT
#include "about/memoryregistry.h"

#include <cstring>

void MemoryRegistry::setValue(const QString &key, const QString &name, quint32 type,
                              const QByteArray &data)
{
    m_keys[key.toLower()][name.toLower()] = Value{type, data};
}

long MemoryRegistry::RegOpenKeyEx(Key root, const QString &subKey, quint32, quint32, Key *result)
{
    m_requested << subKey;
    if (root != LocalMachine)
        return InvalidHandle;
    const QString path = subKey.toLower();
    if (m_keys.count(path) == 0)
        return FileNotFound;
    *result = m_nextHandle++;
    m_open[*result] = path;
    return Success;
}

long MemoryRegistry::RegQueryValueEx(Key key, const QString &valueName, quint32 *type, char *data,
                                     quint32 *size)
{
    const auto open = m_open.find(key);
    if (open == m_open.end())
        return InvalidHandle;
    const Values &values = m_keys.at(open->second);
    const auto found = values.find(valueName.toLower());
    if (found == values.end())
        return FileNotFound;
    const Value &value = found->second;
    const auto needed = quint32(value.data.size());
    *type = value.type;
    const bool fits = needed <= *size;
    *size = needed;
    if (!fits)
        return MoreData;
    std::memcpy(data, value.data.constData(), needed);
    return Success;
}

long MemoryRegistry::RegCloseKey(Key key)
{
    return m_open.erase(key) == 1 ? Success : InvalidHandle;
}
