// SPDX-License-Identifier: MIT
#include "stock/settingsstockstore.h"

#include "stock/settingsplan.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <QStorageInfo>

#include <fcntl.h>
#include <unistd.h>

namespace {
// How long a save waits for another copy's: a store of a large file takes a
// second or two.
constexpr int lockWait = 5000;
} // namespace

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
        found << settings.value(section + key).toString();
    return found;
}

StockStore::Saved SettingsStockStore::save(const Texts &keyTexts)
{
    if (const QString why = whyNotWritable(); !why.isEmpty())
        return failure(why);
    QLockFile lock(m_fileName + QStringLiteral(".lock"));
    if (!lock.tryLock(lockWait))
        return failure(whyNotLocked(lock));
    const std::optional<QByteArray> original = readBytes();
    if (!original)
        return failure(QStringLiteral("設定ファイルを最後まで読めなかったので、中身を失わない"
                                      "よう書き換えずにそのままにしました。ファイルを別の場所へ"
                                      "写せるか（ディスクが傷んでいないか）確かめてください。"));
    const SettingsPlan plan(*original, keyTexts);
    if (!plan.isReady())
        return failure(
            QStringLiteral("新しい設定ファイルは一時フォルダー %1 で作ってから置き換えますが、"
                           "そこで作れませんでした（いっぱいか、書き込めません）。一時フォルダー"
                           "（環境変数 TMPDIR）の空きと書き込みの権限を確かめてください。")
                .arg(QDir::toNativeSeparators(QDir::tempPath())));
    QString kept;
    if (plan.needsCopy()) {
        kept = keepOriginal(*original);
        if (kept.isEmpty())
            return failure(
                QStringLiteral("設定ファイルには、Tinvue が書き戻せない行（コメントや"
                               "読めない行）があり、その写しをフォルダー %1 に作れ"
                               "ませんでした。ディスクの空きと書き込みの権限を確かめ"
                               "てください。")
                    .arg(QDir::toNativeSeparators(QFileInfo(m_fileName).absolutePath())));
    }
    if (!commit(plan.rewritten())) {
        QString why = whyNotWritten();
        if (!kept.isEmpty())
            why += QStringLiteral("元の設定ファイルは %1 に写してあります。")
                       .arg(QDir::toNativeSeparators(kept));
        return failure(why);
    }
    syncFolder();
    if (kept.isEmpty())
        return {};
    return {true, QStringLiteral("設定ファイル %1 には、Tinvue が書き戻すと変わってしまう行"
                                 "（コメントや読めない行）があったので、元のファイルを %2 "
                                 "に残してから、ストックの色を保存しました。")
                      .arg(QDir::toNativeSeparators(m_fileName), QDir::toNativeSeparators(kept))};
}

// A folder, a pipe or a device in the file's place is no store; opening a pipe
// would even wait for ever.
bool SettingsStockStore::isPlainFileOrMissing() const
{
    const QFileInfo file(m_fileName);
    return file.isFile() || (!file.exists() && !file.isSymLink());
}

// Checked before anything is written beside the file, the lock included.
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
    // The lock file goes beside the name, the new file beside the link's target,
    // where it is renamed.
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

QString SettingsStockStore::whyNotLocked(const QLockFile &lock) const
{
    if (lock.error() != QLockFile::LockFailedError)
        return whyNotWritten();
    return QStringLiteral("ほかに動いている Tinvue が設定ファイルを書き換えたまま終わりません"
                          "（目印のファイル %1 があります）。その Tinvue を終えてください。")
        .arg(QDir::toNativeSeparators(m_fileName + QStringLiteral(".lock")));
}

QString SettingsStockStore::whyNotWritten() const
{
    const QFileInfo target(QFileInfo(m_fileName).canonicalFilePath());
    if (QStorageInfo(target.absolutePath()).bytesAvailable() < target.size() + 4096)
        return QStringLiteral(
            "ディスクがいっぱいです。不要なファイルを消して空きを作ってください。");
    return QStringLiteral("書き込みの途中でエラーが起きました。ディスクの状態を確かめてください。");
}

// The file's bytes, none for a missing file, or nothing when it cannot be read whole.
std::optional<QByteArray> SettingsStockStore::readBytes() const
{
    if (!QFileInfo::exists(m_fileName))
        return QByteArray();
    return SettingsPlan::readWhole(m_fileName);
}

// A copy of the file's bytes beside it: an earlier copy that holds them, or a
// new one under a name that no earlier copy has, made with the file's
// permissions from the start, since the file may be private. Its path, or empty
// text when it could not be made whole.
QString SettingsStockStore::keepOriginal(const QByteArray &bytes) const
{
    const QFileInfo file(m_fileName);
    const QFileInfoList earlier =
        file.dir().entryInfoList({file.fileName() + QStringLiteral(".*.bak")}, QDir::Files);
    for (const QFileInfo &copy : earlier) {
        QFile f(copy.filePath());
        if (copy.size() == bytes.size() && f.open(QIODevice::ReadOnly) && f.readAll() == bytes)
            return copy.filePath();
    }
    const QString stem = m_fileName + QLatin1Char('.') +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd_HHmmss"));
    for (int n = 1; n <= 99; ++n) {
        QFile copy(stem + (n > 1 ? QStringLiteral("-%1").arg(n) : QString()) +
                   QStringLiteral(".bak"));
        if (!copy.open(QIODevice::WriteOnly | QIODevice::NewOnly, file.permissions())) {
            if (copy.exists())
                continue;
            return QString();
        }
        if (copy.write(bytes) == bytes.size() && copy.flush() && ::fsync(copy.handle()) == 0)
            return copy.fileName();
        copy.remove();
        return QString();
    }
    return QString();
}

// The new file in place of the old, whole or not at all.
bool SettingsStockStore::commit(const QByteArray &bytes) const
{
    QSaveFile file(m_fileName);
    // Qt 6.4's QSaveFile puts its file in place even after the full disk cut a
    // write short; unbuffered, the count that write() returns tells. A disk that
    // reports a failure only when the data go out fails the flush.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    if (file.write(bytes) != bytes.size() || ::fdatasync(file.handle()) != 0) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

StockStore::Saved SettingsStockStore::failure(const QString &why) const
{
    return StockStore::failure(QDir::toNativeSeparators(m_fileName), why);
}

// The new file is put in place by renaming it; the rename survives a power cut
// only once the folder itself is on disk.
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
