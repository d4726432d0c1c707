// SPDX-License-Identifier: MIT
#pragma once

#include "stock/stockstore.h"

#include <QString>

#include <optional>

class QLockFile;

// The stock in the per-user settings file, $XDG_CONFIG_HOME/Tinvue/Tinvue.conf,
// group [Settings]. A symbolic link as the file stays a link; its target gets
// the keys.
//
// QSettings only ever reads the file: after a write that failed it would keep
// the value and write it with whatever it did next, even a reading. A save
// plans the new bytes (SettingsPlan) and puts them in place whole with one
// QSaveFile. Several running copies share the file: each holds the lock file
// beside it, which QSettings takes too, from reading the file to putting the new
// one in place, so that none plans from bytes another has just replaced.
//
// A save never costs data that is already in the file. Before the new file would
// change or drop any line but the keys' own, the original is copied beside
// itself under a name with the date and time, once for the same bytes. A file
// that cannot be read whole, or is no plain file, is left alone.
class SettingsStockStore : public StockStore
{
public:
    SettingsStockStore();

    QStringList texts(const QStringList &keys) const override;
    Saved save(const Texts &keyTexts) override;

private:
    bool isPlainFileOrMissing() const;
    QString whyNotWritable() const;
    QString whyFolderMissing(const QString &folder) const;
    QString whyNotLocked(const QLockFile &lock) const;
    QString whyNotWritten() const;
    std::optional<QByteArray> readBytes() const;
    QString keepOriginal(const QByteArray &bytes) const;
    bool commit(const QByteArray &bytes) const;
    Saved failure(const QString &why) const;
    void syncFolder() const;

    QString m_fileName;
};
