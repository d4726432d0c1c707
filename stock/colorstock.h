// SPDX-License-Identifier: MIT
#pragma once

#include "widgets/colorvalue.h"

#include <QObject>

#include <array>
#include <memory>
#include <optional>

class ColorPanel;
class ComponentScrollBar;
class StockStore;

// The sixteen stock slots. A slot's swatch color is all the stock holds in
// memory; white means the slot is empty. The store is read when the window
// loads and at each left press, and written at each right press, so several
// running copies see each other's colors on a left press. A swatch whose color
// did not reach the disk says so in its tooltip and to screen readers, and the
// first such store of a run is told through storeFailed().
class ColorStock : public QObject
{
    Q_OBJECT
public:
    static constexpr int slotCount = 16;

    struct Controls
    {
        std::array<ColorPanel *, slotCount> swatches;   // Label4 .. Label19
        std::array<ComponentScrollBar *, 3> scrollBars; // VScroll1, VScroll2, VScroll3
        ColorPanel *sample;                             // Shape1
    };

    ColorStock(const Controls &controls, std::unique_ptr<StockStore> store,
               QObject *parent = nullptr);
    ~ColorStock() override;

    // Paints each swatch whose three stored components all read as numbers of
    // 0 and up, a component above 255 counting as 255; any other slot keeps
    // its color.
    void LoadStockSwatches();

    // The press handler of the swatch of `slot`: Label4 for slot 1 to Label19
    // for slot 16. A right press stores the current color; then a left press on
    // a swatch that is not white loads the stored one through the scroll bars.
    void Label_MouseDown(int slot, Qt::MouseButton button);

    void StoreStockSlot(int slot, int red, int green, int blue);
    QString ReadStockComponent(int slot, ColorValue::Component component) const;

signals:
    // The first store of this run that did not reach the disk; `text` says
    // where, why and what to do.
    void storeFailed(const QString &text);
    // The first store of this run that had to set the settings file's original
    // aside to go through; `text` says where the original is.
    void originalKept(const QString &text);

private:
    // A slot's color from its three stored texts, red first, or nothing when one fails.
    static std::optional<quint32> storedColor(const QStringList &texts);
    ColorPanel *swatch(int slot) const { return m_controls.swatches[slot - 1]; }
    void showSlot(int slot, quint32 color);
    // Names the swatch for screen readers by its slot and its code, or as empty,
    // and marks a color that is not on disk there and in the tooltip.
    void describeSlot(int slot);

    Controls m_controls;
    std::unique_ptr<StockStore> m_store;
    std::array<QString, slotCount> m_names; // "ストック 01" and on, as the layout names them
    std::array<bool, slotCount> m_unsaved{};
    bool m_toldFailure = false;
    bool m_toldKept = false;
};
