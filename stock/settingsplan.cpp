// SPDX-License-Identifier: MIT
#include "stock/settingsplan.h"

#include <QFile>
#include <QHash>
#include <QSettings>
#include <QTemporaryDir>

namespace {
const QString group = QStringLiteral("Settings/");
const QByteArray byteOrderMark = QByteArrayLiteral("\xEF\xBB\xBF");
} // namespace

SettingsPlan::SettingsPlan(const QByteArray &original, const StockStore::Texts &keyTexts)
{
    // A UTF-8 byte order mark is no data: QSettings reads past it, yet reports it
    // as a format error, and leaves it out when it writes the file back.
    const QByteArray bytes =
        original.startsWith(byteOrderMark) ? original.mid(byteOrderMark.size()) : original;
    QTemporaryDir folder;
    QFile trial(folder.filePath(QStringLiteral("trial.conf")));
    if (!folder.isValid() || !trial.open(QIODevice::WriteOnly) ||
        trial.write(bytes) != bytes.size() || !trial.flush())
        return;
    trial.close();
    qsizetype meant = 0;
    {
        QSettings probe(trial.fileName(), QSettings::IniFormat);
        for (auto it = keyTexts.cbegin(); it != keyTexts.cend(); ++it)
            probe.setValue(group + it.key(), it.value());
        probe.sync();
        // QSettings keeps the first error it met, such as a line it cannot
        // parse, so a failed write need not show here; the reading below tells.
        if (probe.status() == QSettings::AccessError)
            return;
        meant = probe.allKeys().size();
    }
    // Read under a name of its own: under the first one, QSettings would answer
    // from what it meant to write rather than from the bytes.
    QFile written(folder.filePath(QStringLiteral("written.conf")));
    if (!trial.rename(written.fileName()) || !written.open(QIODevice::ReadOnly))
        return;
    m_rewritten = written.readAll();
    // Qt 6.4's QSaveFile puts a file in place even when the disk was full before
    // all of it was written. What QSettings writes ends with a line end, and a
    // cut after one loses at least the last key.
    const QSettings reading(written.fileName(), QSettings::IniFormat);
    if (written.error() != QFile::NoError || !m_rewritten.endsWith('\n') ||
        reading.allKeys().size() < meant)
        return;
    for (auto it = keyTexts.cbegin(); it != keyTexts.cend(); ++it) {
        if (reading.value(group + it.key()).toString() != it.value())
            return;
    }
    m_needsCopy = !keepsLines(original, m_rewritten, keyTexts.keys());
    m_ready = true;
}

bool SettingsPlan::keepsLines(const QByteArray &original, const QByteArray &rewritten,
                              const QStringList &keys)
{
    const auto lines = [](const QByteArray &bytes) {
        QByteArrayList list =
            (bytes.startsWith(byteOrderMark) ? bytes.mid(byteOrderMark.size()) : bytes).split('\n');
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
