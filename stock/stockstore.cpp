// SPDX-License-Identifier: MIT
#include "stock/stockstore.h"

#include <QStringBuilder>

const QString StockStore::section = QStringLiteral("Settings/");

QString StockStore::key(int slot, ColorValue::Component component)
{
    static const char letters[] = {'R', 'G', 'B'};
    // Put together in one go: the 48 keys are made at every start, and a formatted
    // string would parse its pattern for each.
    return QLatin1String("ColorStock_") % QLatin1Char(char('0' + slot / 10)) %
           QLatin1Char(char('0' + slot % 10)) % QLatin1Char(letters[component]);
}

StockStore::Saved StockStore::failure(const QString &where, const QString &why)
{
    return {false, QStringLiteral(
                       "ストックの色を保存できませんでした。\n\n%1\n\n%2\n\n"
                       "色はストックに表示されていますが、このままでは次に起動したときには"
                       "残りません。原因を取り除いてから、もう一度右クリックでストックして"
                       "ください。保存できていないストックは、ツールチップに「未保存」と出ます。")
                       .arg(where, why)};
}
