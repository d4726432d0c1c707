// SPDX-License-Identifier: MIT
#pragma once

#include "stock/stockstore.h"

// The stock where Windows has always kept a per-user setting of application
// "Tinvue", section "Settings": HKEY_CURRENT_USER\Software\VB and VBA Program
// Settings\Tinvue\Settings, one string value per key. A stock kept there by an
// earlier version of the program is found at the first start. The registry
// takes values one by one; a save counts only once all of them read back.
class RegistryStockStore : public StockStore
{
public:
    QStringList texts(const QStringList &keys) const override;
    Saved save(const Texts &keyTexts) override;
};
