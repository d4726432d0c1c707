// SPDX-License-Identifier: MIT
#include "stock/settingsstockstore.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QStorageInfo>
#include <QTemporaryDir>

#include <fcntl.h>
#include <unistd.h>

namespace {
const QString group = QStringLiteral("Settings/");
}

std::unique_ptr<StockStore> StockStore::user()
{
    return std::make_unique<SettingsStockStore>();
}

SettingsStockStore::SettingsStockStore()
    : m_fileName(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                 QStringLiteral("/Tinvue/Tinvue.conf"))
{
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

StockStore::Saved SettingsStockStore::save(const QString &key, const QString &text)
{
    if (const QString why = whyNotWritable(); !why.isEmpty())
        return failure(why);
    const std::optional<QByteArray> original = readBytes();
    if (!original)
        return failure(QStringLiteral("設定ファイルを最後まで読めなかったので、中身を失わない"
                                      "よう書き換えずにそのままにしました。ファイルを別の場所へ"
                                      "写せるか（ディスクが傷んでいないか）確かめてください。"));
    const std::optional<Reading> planned = reading(*original, key, text);
    QString kept;
    if (planned && !keepsLines(*original, planned->rewritten, key)) {
        kept = keepOriginal(*original);
        if (kept.isEmpty())
            return failure(
                QStringLiteral("設定ファイルには、Tinvue が書き戻せない行（コメントや"
                               "読めない行）があり、その写しをフォルダー %1 に作れ"
                               "ませんでした。ディスクの空きと書き込みの権限を確かめ"
                               "てください。")
                    .arg(QDir::toNativeSeparators(QFileInfo(m_fileName).absolutePath())));
    }
    bool synced = false;
    if (planned) {
        QSettings settings(m_fileName, QSettings::IniFormat);
        // A value that QSettings failed to write stays pending in its cache of
        // the file and would go out with the next save of any key, behind the
        // user's back. It takes back what the file holds now.
        for (const QString &unwritten : std::as_const(m_unwritten)) {
            if (planned->keys.contains(unwritten))
                settings.setValue(group + unwritten, planned->keys.value(unwritten));
            else
                settings.remove(group + unwritten);
        }
        settings.setValue(group + key, text);
        settings.sync();
        synced = settings.status() != QSettings::AccessError;
    }
    // QSettings keeps the first error it met, such as the format error it takes a
    // byte order mark for, so its status alone can hide a failed write.
    const std::optional<QByteArray> now = synced ? readBytes() : std::nullopt;
    if (const std::optional<Reading> back = now ? reading(*now) : std::nullopt;
        back && back->keys.value(key) == text) {
        m_unwritten.clear();
        syncFolder();
        if (kept.isEmpty())
            return {};
        return {true,
                QStringLiteral("設定ファイル %1 には、Tinvue が書き戻すと変わってしまう行"
                               "（コメントや読めない行）があったので、元のファイルを %2 "
                               "に残してから、ストックの色を保存しました。")
                    .arg(QDir::toNativeSeparators(m_fileName), QDir::toNativeSeparators(kept))};
    }
    m_unwritten.insert(key);
    const QFileInfo target(QFileInfo(m_fileName).canonicalFilePath());
    if (QStorageInfo(target.absolutePath()).bytesAvailable() < target.size() + 4096)
        return failure(
            QStringLiteral("ディスクがいっぱいです。不要なファイルを消して空きを作ってください。"));
    return failure(
        QStringLiteral("書き込みの途中でエラーが起きました。ディスクの状態を確かめてください。"));
}

bool SettingsStockStore::keepsLines(const QByteArray &original, const QByteArray &rewritten,
                                    const QString &key)
{
    const auto lines = [](QByteArray bytes) {
        if (bytes.startsWith("\xEF\xBB\xBF"))
            bytes.remove(0, 3);
        QByteArrayList list = bytes.split('\n');
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
    const QByteArray own = key.toUtf8() + '=';
    for (const QByteArray &line : lines(original)) {
        if (line.trimmed().isEmpty() || line.startsWith(own))
            continue;
        // QSettings joins a group given in pieces under one heading.
        const bool heading = line.startsWith('[') && line.endsWith(']');
        if (heading ? !left.contains(line) : --left[line] < 0)
            return false;
    }
    return true;
}

// A folder, a pipe or a device in the file's place is no store; opening a pipe
// would even wait for ever.
bool SettingsStockStore::isPlainFileOrMissing() const
{
    const QFileInfo file(m_fileName);
    return file.isFile() || (!file.exists() && !file.isSymLink());
}

// Checked before QSettings is given the value, so that a file that must be left
// alone never gets a pending value in QSettings' cache.
QString SettingsStockStore::whyNotWritable() const
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

// The file's bytes, none for a missing file, or nothing when it cannot be read whole.
std::optional<QByteArray> SettingsStockStore::readBytes() const
{
    QFile existing(m_fileName);
    if (!existing.exists())
        return QByteArray();
    if (!existing.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray data = existing.readAll();
    if (existing.error() != QFile::NoError)
        return std::nullopt;
    return data;
}

// QSettings keeps what it parsed of a file in a per-process cache, so the bytes
// are parsed, and written, under a name of their own.
std::optional<SettingsStockStore::Reading>
SettingsStockStore::reading(QByteArray bytes, const QString &key, const QString &text)
{
    // A UTF-8 byte order mark is no data: QSettings reads past it, yet reports it
    // as a format error, and leaves it out when it writes the file back.
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    QTemporaryDir folder;
    QFile copy(folder.filePath(QStringLiteral("copy.conf")));
    if (!folder.isValid() || !copy.open(QIODevice::WriteOnly) ||
        copy.write(bytes) != bytes.size() || !copy.flush())
        return std::nullopt;
    copy.close();
    Reading found;
    {
        QSettings probe(copy.fileName(), QSettings::IniFormat);
        probe.beginGroup(group);
        for (const QString &stored : probe.childKeys())
            found.keys.insert(stored, probe.value(stored).toString());
        probe.endGroup();
        if (key.isEmpty())
            return found;
        probe.setValue(group + key, text);
    }
    if (!copy.open(QIODevice::ReadOnly))
        return std::nullopt;
    found.rewritten = copy.readAll();
    return found;
}

// A copy of the file's bytes beside it, under a name that no earlier copy has;
// its path, or empty text when it could not be made whole.
QString SettingsStockStore::keepOriginal(const QByteArray &bytes) const
{
    const QString stem = m_fileName + QLatin1Char('.') +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd_HHmmss"));
    for (int n = 1; n <= 99; ++n) {
        QFile copy(stem + (n > 1 ? QStringLiteral("-%1").arg(n) : QString()) +
                   QStringLiteral(".bak"));
        if (!copy.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            if (copy.exists())
                continue;
            return QString();
        }
        copy.setPermissions(QFileInfo(m_fileName).permissions());
        if (copy.write(bytes) == bytes.size() && copy.flush() && ::fsync(copy.handle()) == 0)
            return copy.fileName();
        copy.remove();
        return QString();
    }
    return QString();
}

StockStore::Saved SettingsStockStore::failure(const QString &why) const
{
    return StockStore::failure(QDir::toNativeSeparators(m_fileName), why);
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
