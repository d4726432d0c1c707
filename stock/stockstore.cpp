#include "stock/stockstore.h"

#include <QStringBuilder>

QString StockStore::key(int slot, ColorValue::Component component)
{
    static const char letters[] = {'R', 'G', 'B'};
    // Put together in one go: the 48 keys are made at every start, and a formatted
    // string would parse its pattern for each.
    return QLatin1String("ColorStock_") % QLatin1Char(char('0' + slot / 10)) %
           QLatin1Char(char('0' + slot % 10)) % QLatin1Char(letters[component]);
}

QStringList StockStore::texts(const QStringList &keys) const
{
    QStringList found;
    for (const QString &key : keys)
        found << text(key);
    return found;
}
