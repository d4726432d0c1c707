#include "stock/settingsstockstore.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QTemporaryFile>

#include <fcntl.h>
#include <unistd.h>

namespace {
const QString group = QStringLiteral("Settings/");
}

SettingsStockStore::SettingsStockStore()
    : m_fileName(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                 QStringLiteral("/Tinvue/Tinvue.conf"))
{
}

QString SettingsStockStore::text(const QString &key) const
{
    return texts({key}).constFirst();
}

QStringList SettingsStockStore::texts(const QStringList &keys) const
{
    QStringList found;
    // Nothing to read, as at the first start, or nothing to be read.
    if (!QFileInfo(m_fileName).isFile()) {
        found.fill(QString(), keys.size());
        return found;
    }
    const QSettings settings(m_fileName, QSettings::IniFormat);
    for (const QString &key : keys)
        found << settings.value(group + key).toString();
    return found;
}

QString SettingsStockStore::save(const QString &key, const QString &text)
{
    Keys onDisk;
    if (const QString why = whyNotRewritable(onDisk); !why.isEmpty())
        return failure(why);
    bool synced;
    {
        QSettings settings(m_fileName, QSettings::IniFormat);
        // A value that QSettings failed to write stays pending in its cache of
        // the file and would go out with the next save of any key, behind the
        // user's back. It takes back what the file holds now.
        for (const QString &unwritten : std::as_const(m_unwritten)) {
            if (onDisk.contains(unwritten))
                settings.setValue(group + unwritten, onDisk.value(unwritten));
            else
                settings.remove(group + unwritten);
        }
        settings.setValue(group + key, text);
        settings.sync();
        synced = settings.status() != QSettings::AccessError;
    }
    // QSettings keeps the first error it met, such as the format error it takes a
    // byte order mark for, so its status alone can hide a failed write.
    const std::optional<Keys> now = readWhole();
    if (synced && now && now->value(key) == text) {
        m_unwritten.clear();
        syncFolder();
        return QString();
    }
    m_unwritten.insert(key);
    const QFileInfo target(QFileInfo(m_fileName).canonicalFilePath());
    if (QStorageInfo(target.absolutePath()).bytesAvailable() < target.size() + 4096)
        return failure(
            QStringLiteral("ディスクがいっぱいです。不要なファイルを消して空きを作ってください。"));
    return failure(
        QStringLiteral("書き込みの途中でエラーが起きました。ディスクの状態を確かめてください。"));
}

// A folder, a pipe or a device in the file's place is no store; opening a pipe
// would even wait for ever.
bool SettingsStockStore::isPlainFileOrMissing() const
{
    const QFileInfo file(m_fileName);
    return file.isFile() || (!file.exists() && !file.isSymLink());
}

// Checked before QSettings is given the value, so that a file that must be left
// alone never gets a pending value in QSettings' cache. Fills `onDisk` with the
// stock keys the file holds.
QString SettingsStockStore::whyNotRewritable(Keys &onDisk) const
{
    const QFileInfo file(m_fileName);
    // Making the missing target could put the file where the user does not look
    // for it, on a drive that is not mounted, say.
    if (file.isSymLink() && !file.exists())
        return QStringLiteral("設定ファイルはシンボリックリンクですが、リンク先の %1 "
                              "がありません。リンク先を用意するか、リンクを消してください。")
            .arg(file.symLinkTarget());
    if (!isPlainFileOrMissing())
        return QStringLiteral("設定ファイルの場所に、ふつうのファイルではないもの（フォルダーなど）"
                              "があります。それを別の場所へ移してください。");
    const QString folder = file.absolutePath();
    if (!QDir().mkpath(folder))
        return whyFolderMissing(folder);
    // QSettings puts its lock file beside the name and the new file beside the
    // link's target, and renames it there.
    const QString targetFolder =
        file.exists() ? QFileInfo(file.canonicalFilePath()).absolutePath() : folder;
    for (const QString &dir : {folder, targetFolder}) {
        if (!QFileInfo(dir).isWritable())
            return QStringLiteral("フォルダー %1 に書き込めません（読み取り専用か、書き込みの"
                                  "権限がありません）。フォルダーへの書き込みを許可してください。")
                .arg(QDir::toNativeSeparators(dir));
    }
    if (!file.exists())
        return QString();
    if (!file.isReadable())
        return QStringLiteral(
            "設定ファイルを読む権限がありません。ファイルの読み書きを許可してください。");
    if (!file.isWritable())
        return QStringLiteral(
            "設定ファイルが読み取り専用です。ファイルへの書き込みを許可してください。");
    const std::optional<Keys> keys = readWhole();
    if (!keys)
        return QStringLiteral(
            "設定ファイルに Tinvue が読み取れない内容（UTF-8 でない文字や書式の誤り）"
            "があるため、中身を失わないよう書き換えずにそのままにしました。ファイルを"
            " UTF-8 の INI 形式に直すか、別の場所へ移してください。");
    onDisk = *keys;
    return QString();
}

QString SettingsStockStore::whyFolderMissing(const QString &folder) const
{
    QFileInfo existing(folder);
    while (!existing.exists())
        existing.setFile(existing.absolutePath());
    if (!existing.isDir())
        return QStringLiteral(
                   "%1 がフォルダーではなくファイルなので、設定フォルダー %2 を作れません。"
                   "そのファイルを別の場所へ移してください。")
            .arg(QDir::toNativeSeparators(existing.filePath()), QDir::toNativeSeparators(folder));
    return QStringLiteral("設定フォルダー %1 を作れません（%2 に書き込む権限がありません）。"
                          "フォルダーへの書き込みを許可してください。")
        .arg(QDir::toNativeSeparators(folder), QDir::toNativeSeparators(existing.filePath()));
}

// The file's stock keys when QSettings reads all of the file without a format
// error and without changing any byte, so that rewriting it keeps every key in
// it; nothing when it does not. A missing file holds no keys.
std::optional<SettingsStockStore::Keys> SettingsStockStore::readWhole() const
{
    QFile existing(m_fileName);
    if (!existing.exists())
        return Keys();
    if (!existing.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray data = existing.readAll();
    if (existing.error() != QFile::NoError || !data.isValidUtf8() || data.contains('\0'))
        return std::nullopt;
    // A UTF-8 byte order mark is no data: QSettings reads past it, yet reports it
    // as a format error, and leaves it out when it writes the file back.
    if (data.startsWith("\xEF\xBB\xBF"))
        data.remove(0, 3);
    // QSettings keeps what it parsed of a file in a per-process cache and reports
    // a format error only to the object that first parsed it, so the bytes are
    // parsed afresh under a name of their own.
    QTemporaryFile copy;
    if (!copy.open() || copy.write(data) != data.size() || !copy.flush())
        return std::nullopt;
    QSettings probe(copy.fileName(), QSettings::IniFormat);
    probe.allKeys();
    if (probe.status() != QSettings::NoError)
        return std::nullopt;
    Keys keys;
    probe.beginGroup(group);
    for (const QString &key : probe.childKeys())
        keys.insert(key, probe.value(key).toString());
    return keys;
}

QString SettingsStockStore::failure(const QString &why) const
{
    return QStringLiteral(
               "ストックの色を設定ファイルに保存できませんでした。\n\n%1\n\n%2\n\n"
               "色はストックに表示されていますが、このままでは次に起動したときには"
               "残りません。原因を取り除いてから、もう一度右クリックでストックして"
               "ください。保存できていないストックは、ツールチップに「未保存」と出ます。")
        .arg(QDir::toNativeSeparators(m_fileName), why);
}

// QSettings puts the new file in place by renaming it; the rename survives a
// power cut only once the folder itself is on disk.
void SettingsStockStore::syncFolder() const
{
    const QString folder = QFileInfo(QFileInfo(m_fileName).canonicalFilePath()).absolutePath();
    const int fd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}
