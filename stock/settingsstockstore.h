#pragma once

#include "stock/stockstore.h"

// The stock in the per-user settings file, $XDG_CONFIG_HOME/Tinvue/Tinvue.conf,
// group [Settings]. Every save is on disk when it returns. Several running
// copies share the file: QSettings locks it and merges their keys.
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
    bool save(const QString &key, const QString &text) override;

private:
    bool isPlainFileOrMissing() const;
    bool canRewrite() const;
    void syncFolder() const;

    QString m_fileName;
};
