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
// whole file from what it understood of it, so a file it cannot read in full,
// cannot parse or would not give back byte for byte (text that is not UTF-8)
// is left alone, and so is one it could not replace.
class SettingsStockStore : public StockStore
{
public:
    SettingsStockStore();

    QString text(const QString &key) const override;
    QStringList texts(const QStringList &keys) const override;
    QString save(const QString &key, const QString &text) override;

private:
    using Keys = QHash<QString, QString>;

    bool isPlainFileOrMissing() const;
    QString whyNotRewritable(Keys &onDisk) const;
    QString whyFolderMissing(const QString &folder) const;
    std::optional<Keys> readWhole() const;
    QString failure(const QString &why) const;
    void syncFolder() const;

    QString m_fileName;
    // Keys whose value QSettings could not write; see save().
    QSet<QString> m_unwritten;
};
