// SPDX-License-Identifier: MIT
#pragma once

#include <QAccessibleValueInterface>
#include <QAccessibleWidget>

class ComponentScrollBar;

// What a screen reader learns of a component scroll bar: the component, 0 to 255,
// not the bar's inner position, which runs from -255 to 0.
class ComponentAccessible : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit ComponentAccessible(ComponentScrollBar *bar);

    void *interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text t) const override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant &value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

private:
    ComponentScrollBar *bar() const;
};
