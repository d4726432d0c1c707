// SPDX-License-Identifier: MIT
#include "widgets/componentaccessible.h"

#include "widgets/componentscrollbar.h"

ComponentAccessible::ComponentAccessible(ComponentScrollBar *bar)
    : QAccessibleWidget(bar, QAccessible::ScrollBar)
{
}

ComponentScrollBar *ComponentAccessible::bar() const
{
    return static_cast<ComponentScrollBar *>(widget());
}

void *ComponentAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ValueInterface)
        return static_cast<QAccessibleValueInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString ComponentAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return QString::number(bar()->Value());
    return QAccessibleWidget::text(t);
}

QVariant ComponentAccessible::currentValue() const
{
    return bar()->Value();
}

void ComponentAccessible::setCurrentValue(const QVariant &value)
{
    bar()->assign(value.toInt());
}

QVariant ComponentAccessible::maximumValue() const
{
    return ComponentScrollBar::topValue;
}

QVariant ComponentAccessible::minimumValue() const
{
    return 0;
}

QVariant ComponentAccessible::minimumStepSize() const
{
    return bar()->singleStep();
}
