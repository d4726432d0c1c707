#include "stock/settingsstockstore.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <fcntl.h>
#include <unistd.h>

namespace {
const QString group = QStringLiteral("Settings/");

// True when QSettings reads these bytes without a format error and without
// changing any of them, so that rewriting the file keeps every key in it.
bool isCleanIni(const QByteArray &data)
{
    if (!data.isValidUtf8() || data.contains('\0'))
        return false;
    // A UTF-8 byte order mark is no data: QSettings reads past it, yet reports it
    // as a format error, and leaves it out when it writes the file back.
    const QByteArray body = data.startsWith("\xEF\xBB\xBF") ? data.mid(3) : data;
    // QSettings keeps what it parsed of a file in a per-process cache and reports
    // a format error only to the object that first parsed it, so the bytes are
    // parsed afresh under a name of their own.
    QTemporaryFile copy;
    if (!copy.open() || copy.write(body) != body.size() || !copy.flush())
        return false;
    QSettings probe(copy.fileName(), QSettings::IniFormat);
    probe.allKeys();
    return probe.status() == QSettings::NoError;
}
} // namespace

SettingsStockStore::SettingsStockStore()
    : m_fileName(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                 QStringLiteral("/Tinvue/Tinvue.conf"))
{
}

QString SettingsStockStore::text(const QString &key) const
{
    if (!isPlainFileOrMissing())
        return QString();
    const QSettings settings(m_fileName, QSettings::IniFormat);
    return settings.value(group + key).toString();
}

bool SettingsStockStore::save(const QString &key, const QString &text)
{
    if (!canRewrite())
        return false;
    QSettings settings(m_fileName, QSettings::IniFormat);
    settings.setValue(group + key, text);
    settings.sync();
    // The file was checked above, so a format error can only be a byte order mark.
    if (settings.status() == QSettings::AccessError)
        return false;
    syncFolder();
    return true;
}

// A folder, a pipe or a device in the file's place is no store; opening a pipe
// would even wait for ever.
bool SettingsStockStore::isPlainFileOrMissing() const
{
    const QFileInfo file(m_fileName);
    return file.isFile() || (!file.exists() && !file.isSymLink());
}

// Checked before QSettings is given the value: a save that fails inside
// QSettings leaves the value pending in its cache, where later reads would see
// it and a later save would write it after all.
bool SettingsStockStore::canRewrite() const
{
    const QFileInfo file(m_fileName);
    const QString folder = file.absolutePath();
    if (!isPlainFileOrMissing() || !QDir().mkpath(folder) || !QFileInfo(folder).isWritable())
        return false;
    if (!file.exists())
        return true;
    QFile existing(m_fileName);
    if (!file.isWritable() || !existing.open(QIODevice::ReadOnly))
        return false;
    const QByteArray data = existing.readAll();
    return existing.error() == QFile::NoError && isCleanIni(data);
}

// QSettings puts the new file in place by renaming it; the rename survives a
// power cut only once the folder itself is on disk.
void SettingsStockStore::syncFolder() const
{
    const int fd = ::open(QFile::encodeName(QFileInfo(m_fileName).absolutePath()).constData(),
                          O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}
