#include "stock/stockstore.h"

QString StockStore::key(int slot, ColorValue::Component component)
{
    static const char letters[] = {'R', 'G', 'B'};
    return QStringLiteral("ColorStock_%1%2")
        .arg(slot, 2, 10, QLatin1Char('0'))
        .arg(QLatin1Char(letters[component]));
}
