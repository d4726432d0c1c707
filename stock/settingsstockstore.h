// SPDX-License-Identifier: MIT
#pragma once

#include "stock/stockstore.h"

#include <QHash>
#include <QSet>

#include <optional>

// The stock in the per-user settings file, $XDG_CONFIG_HOME/Tinvue/Tinvue.conf,
// group [Settings]. A save counts only once the file read back holds the text.
// Several running copies share the file: QSettings locks it and merges their keys.
// A symbolic link as the file stays a link; its target gets the keys.
//
// A save never costs data that is already in the file. QSettings rewrites the
// whole file from what it understood of it, dropping comments, lines it cannot
// parse and text that is not UTF-8. Before a save would change or drop any line
// but the key's own, the file is copied beside itself under a name with the date
// and time. A file that cannot be read whole, or is no plain file, is left alone.
class SettingsStockStore : public StockStore
{
public:
    SettingsStockStore();

    QStringList texts(const QStringList &keys) const override;
    Saved save(const QString &key, const QString &text) override;

    // Whether every line of `original` but `key`'s own is still in `rewritten`;
    // blank lines, a byte order mark and carriage returns do not count, and a
    // group's heading need stand there only once.
    static bool keepsLines(const QByteArray &original, const QByteArray &rewritten,
                           const QString &key);

private:
    using Keys = QHash<QString, QString>;
    // What QSettings reads of a file's bytes, and the bytes it writes back with a key set.
    struct Reading
    {
        Keys keys;
        QByteArray rewritten;
    };

    bool isPlainFileOrMissing() const;
    QString whyNotWritable() const;
    QString whyFolderMissing(const QString &folder) const;
    std::optional<QByteArray> readBytes() const;
    static std::optional<Reading> reading(QByteArray bytes, const QString &key = QString(),
                                          const QString &text = QString());
    QString keepOriginal(const QByteArray &bytes) const;
    Saved failure(const QString &why) const;
    void syncFolder() const;

    QString m_fileName;
    // Keys whose value QSettings could not write; see save().
    QSet<QString> m_unwritten;
};
