// SPDX-License-Identifier: MIT
#include "stock/colorstock.h"

#include "stock/stockstore.h"
#include "stock/stocktext.h"
#include "widgets/announcer.h"
#include "widgets/colorpanel.h"
#include "widgets/colorvalue.h"
#include "widgets/componentscrollbar.h"
#include "widgets/hexcode.h"

#include <algorithm>
#include <utility>

ColorStock::ColorStock(const Controls &controls, std::unique_ptr<StockStore> store, QObject *parent)
    : QObject(parent), m_controls(controls), m_store(std::move(store))
{
    for (int slot = 1; slot <= slotCount; ++slot) {
        m_names[slot - 1] = swatch(slot)->accessibleName();
        showSlot(slot, swatch(slot)->BackColor());
        connect(swatch(slot), &ColorPanel::MouseDown, this,
                [this, slot](Qt::MouseButton button) { Label_MouseDown(slot, button); });
    }
}

ColorStock::~ColorStock() = default;

void ColorStock::LoadStockSwatches()
{
    // The 48 keys in one read of the file, slot 01 red first.
    QStringList keys;
    for (int slot = 1; slot <= slotCount; ++slot)
        for (auto c : ColorValue::components)
            keys << StockStore::key(slot, c);
    const QStringList texts = m_store->texts(keys);
    for (int slot = 1; slot <= slotCount; ++slot) {
        if (const std::optional<quint32> color = storedColor(texts.mid((slot - 1) * 3, 3)))
            showSlot(slot, *color);
    }
}

std::optional<quint32> ColorStock::storedColor(const QStringList &texts)
{
    std::array<int, 3> values;
    for (auto c : ColorValue::components) {
        const std::optional<int> value = StockText::toInteger(texts[c]);
        if (!value || *value < 0)
            return std::nullopt;
        values[c] = std::min(*value, ComponentScrollBar::topValue);
    }
    return ColorValue::compose(values[ColorValue::Red], values[ColorValue::Green],
                               values[ColorValue::Blue]);
}

void ColorStock::Label_MouseDown(int slot, Qt::MouseButton button)
{
    const auto &bars = m_controls.scrollBars;
    if (button == Qt::RightButton) {
        showSlot(slot, m_controls.sample->BackColor());
        StoreStockSlot(slot, bars[0]->Value(), bars[1]->Value(), bars[2]->Value());
        // The press moves no focus, so a screen reader would not say what was stored.
        Announcer::say(swatch(slot)->window(), swatch(slot)->accessibleName());
    }
    if (swatch(slot)->BackColor() == ColorValue::white || button != Qt::LeftButton)
        return;
    m_controls.sample->setBackColor(swatch(slot)->BackColor());
    // Each bar that takes a new value runs its update chain inside assign(); a
    // component that does not read as 0..255 leaves its bar as it is.
    for (auto c : ColorValue::components) {
        if (const std::optional<int> value = StockText::toInteger(ReadStockComponent(slot, c)))
            bars[c]->assign(*value);
    }
    // The code box now shows the bars' code; it is said wherever the focus is.
    Announcer::say(swatch(slot)->window(),
                   HexCode::code(ColorValue::compose(bars[ColorValue::Red]->Value(),
                                                     bars[ColorValue::Green]->Value(),
                                                     bars[ColorValue::Blue]->Value())));
}

void ColorStock::showSlot(int slot, quint32 color)
{
    swatch(slot)->setBackColor(color);
    describeSlot(slot);
}

void ColorStock::describeSlot(int slot)
{
    const quint32 color = swatch(slot)->BackColor();
    QString held = color == ColorValue::white ? QStringLiteral("空") : HexCode::code(color);
    if (m_unsaved[slot - 1])
        held += QStringLiteral("（未保存）");
    // In its name, as "ストック 01 空": a screen reader reviewing the window
    // speaks a label's name and not its description.
    swatch(slot)->setAccessibleName(m_names[slot - 1] + QLatin1Char(' ') + held);
    // Unchanged, as for every slot at the start, it is not sent to the swatch again.
    if (const QString tip = m_unsaved[slot - 1] ? held : QString(); tip != swatch(slot)->toolTip())
        swatch(slot)->setToolTip(tip);
}

void ColorStock::StoreStockSlot(int slot, int red, int green, int blue)
{
    // One save of the three keys, so that a slot is never stored in part: a
    // restart would show a color that was never stored.
    const int values[] = {red, green, blue};
    StockStore::Texts texts;
    for (auto c : ColorValue::components)
        texts.insert(StockStore::key(slot, c), QString::number(values[c]));
    const StockStore::Saved saved = m_store->save(texts);
    m_unsaved[slot - 1] = !saved.onDisk;
    describeSlot(slot);
    // Each told once a run: a later failure has the same cause, and each such
    // swatch is marked; a later copy of the file sits beside the first.
    if (saved.message.isEmpty())
        return;
    if (!saved.onDisk && !std::exchange(m_toldFailure, true))
        emit storeFailed(saved.message);
    if (saved.onDisk && !std::exchange(m_toldKept, true))
        emit originalKept(saved.message);
}

QString ColorStock::ReadStockComponent(int slot, ColorValue::Component component) const
{
    return m_store->text(StockStore::key(slot, component));
}
