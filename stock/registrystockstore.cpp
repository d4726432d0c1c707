// SPDX-License-Identifier: MIT
#include "stock/registrystockstore.h"

#include <QSettings>

namespace {
const QString place =
    QStringLiteral("HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\Tinvue");
} // namespace

std::unique_ptr<StockStore> StockStore::user()
{
    return std::make_unique<RegistryStockStore>();
}

QStringList RegistryStockStore::texts(const QStringList &keys) const
{
    const QSettings settings(place, QSettings::NativeFormat);
    QStringList found;
    for (const QString &key : keys)
        found << settings.value(section + key).toString();
    return found;
}

StockStore::Saved RegistryStockStore::save(const Texts &keyTexts)
{
    {
        QSettings settings(place, QSettings::NativeFormat);
        for (auto it = keyTexts.cbegin(); it != keyTexts.cend(); ++it)
            settings.setValue(section + it.key(), it.value());
        settings.sync();
    }
    if (texts(keyTexts.keys()) == keyTexts.values())
        return {};
    return failure(place + QStringLiteral("\\Settings"),
                   QStringLiteral("レジストリに書き込めませんでした（書き込みの権限がないか、"
                                  "レジストリがいっぱいです）。管理者に相談してください。"));
}
