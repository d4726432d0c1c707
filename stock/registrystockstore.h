// SPDX-License-Identifier: MIT
#pragma once

#include "stock/stockstore.h"

// The stock where Windows has always kept a per-user setting of application
// "Tinvue", section "Settings": HKEY_CURRENT_USER\Software\VB and VBA Program
// Settings\Tinvue\Settings, one string value per key. A stock kept there by an
// earlier version of the program is found at the first start. A save counts
// only once the value read back holds the text.
class RegistryStockStore : public StockStore
{
public:
    QStringList texts(const QStringList &keys) const override;
    Saved save(const QString &key, const QString &text) override;
};
