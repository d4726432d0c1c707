// SPDX-License-Identifier: MIT
#include "stock/settingsplan.h"

#include <QFile>
#include <QHash>
#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>

namespace {
// A UTF-8 byte order mark is no data: QSettings reads past it, yet reports it as
// a format error, and leaves it out when it writes the file back.
QByteArray withoutByteOrderMark(const QByteArray &bytes)
{
    return bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes;
}

// The bytes that QSettings writes back for `bytes` with the keys set, made under
// `fileName`; nothing when the temporary folder failed.
std::optional<QByteArray> rewrite(const QByteArray &bytes, const StockStore::Texts &keyTexts,
                                  const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush())
        return std::nullopt;
    file.close();
    {
        QSettings probe(fileName, QSettings::IniFormat);
        for (auto it = keyTexts.cbegin(); it != keyTexts.cend(); ++it)
            probe.setValue(StockStore::section + it.key(), it.value());
        probe.sync();
        if (probe.status() == QSettings::AccessError)
            return std::nullopt;
    }
    return SettingsPlan::readWhole(fileName);
}
} // namespace

SettingsPlan::SettingsPlan(const QByteArray &original, const StockStore::Texts &keyTexts)
{
    const QByteArray bytes = withoutByteOrderMark(original);
    QTemporaryDir folder;
    if (!folder.isValid())
        return;
    // Qt 6.4's QSaveFile, which QSettings writes with, puts a file in place even
    // when the disk filled before all of it was written. Made twice, the rewrite
    // is whole when both agree: a disk that fills cuts the second one shorter.
    const QString first = folder.filePath(QStringLiteral("first.conf"));
    const std::optional<QByteArray> written = rewrite(bytes, keyTexts, first);
    if (!written ||
        written != rewrite(bytes, keyTexts, folder.filePath(QStringLiteral("second.conf"))))
        return;
    // QSettings keeps the first error it met, such as a line it cannot parse, so a
    // write that failed need not show in its status; a reading of the bytes tells.
    // It is made under a name of its own: under the first, QSettings would answer
    // from what it meant to write.
    const QString check = folder.filePath(QStringLiteral("check.conf"));
    if (!QFile::rename(first, check))
        return;
    const QSettings reading(check, QSettings::IniFormat);
    for (auto it = keyTexts.cbegin(); it != keyTexts.cend(); ++it) {
        if (reading.value(StockStore::section + it.key()).toString() != it.value())
            return;
    }
    m_rewritten = *written;
    m_needsCopy = !keepsLines(original, m_rewritten, keyTexts.keys());
    m_ready = true;
}

bool SettingsPlan::keepsLines(const QByteArray &original, const QByteArray &rewritten,
                              const QStringList &keys)
{
    const auto lines = [](const QByteArray &bytes) {
        QByteArrayList list = withoutByteOrderMark(bytes).split('\n');
        for (QByteArray &line : list) {
            if (line.endsWith('\r'))
                line.chop(1);
        }
        return list;
    };
    // How often each line stands in the rewritten file; a line twice in the
    // original must be there twice.
    QHash<QByteArray, int> left;
    for (const QByteArray &line : lines(rewritten))
        ++left[line];
    QByteArrayList own;
    for (const QString &key : keys)
        own << key.toUtf8() + '=';
    bool inSettings = false;
    for (const QByteArray &line : lines(original)) {
        if (line.trimmed().isEmpty())
            continue;
        // QSettings joins a group given in pieces under one heading.
        if (line.startsWith('[') && line.endsWith(']')) {
            inSettings = line == "[Settings]";
            if (!left.contains(line))
                return false;
            continue;
        }
        if (inSettings && std::any_of(own.cbegin(), own.cend(),
                                      [&](const QByteArray &o) { return line.startsWith(o); }))
            continue;
        if (--left[line] < 0)
            return false;
    }
    return true;
}

std::optional<QByteArray> SettingsPlan::readWhole(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFile::NoError)
        return std::nullopt;
    return bytes;
}
