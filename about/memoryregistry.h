// SPDX-License-Identifier: MIT
#pragma once

#include "about/registry.h"

#include <QByteArray>
#include <QStringList>

#include <map>

// A registry held in memory, with the look-up rules of the real one: key and
// value names compare without regard to case, every open key needs a handle of
// its own, and a value must fit the caller's buffer. It keeps a record of the
// keys asked for and of the handles still open.
class MemoryRegistry : public Registry
{
public:
    // Adds the value, and its key below LocalMachine if that is not there yet.
    void setValue(const QString &key, const QString &name, quint32 type, const QByteArray &data);

    long RegOpenKeyEx(Key root, const QString &subKey, quint32 options, quint32 access,
                      Key *result) override;
    long RegQueryValueEx(Key key, const QString &valueName, quint32 *type, char *data,
                         quint32 *size) override;
    long RegCloseKey(Key key) override;

    // Every key an open was asked for, found or not, in order.
    QStringList requestedKeys() const { return m_requested; }
    int openKeyCount() const { return int(m_open.size()); }

private:
    struct Value
    {
        quint32 type;
        QByteArray data;
    };
    using Values = std::map<QString, Value>; // by lower-case name

    std::map<QString, Values> m_keys; // by lower-case path
    std::map<Key, QString> m_open;    // handle to lower-case path
    Key m_nextHandle = 1;
    QStringList m_requested;
};
