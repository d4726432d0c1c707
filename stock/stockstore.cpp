#include "stock/stockstore.h"

QString StockStore::key(int slot, ColorValue::Component component)
{
    static const char letters[] = {'R', 'G', 'B'};
    return QStringLiteral("ColorStock_%1%2")
        .arg(slot, 2, 10, QLatin1Char('0'))
        .arg(QLatin1Char(letters[component]));
}

QStringList StockStore::texts(const QStringList &keys) const
{
    QStringList found;
    for (const QString &key : keys)
        found << text(key);
    return found;
}
