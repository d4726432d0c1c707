#include "widgets/componentaccessible.h"

#include "widgets/componentscrollbar.h"

namespace {
QAccessibleInterface *create(const QString &className, QObject *object)
{
    if (className == QLatin1String("ComponentScrollBar"))
        return new ComponentAccessible(static_cast<ComponentScrollBar *>(object));
    return nullptr;
}
} // namespace

ComponentAccessible::ComponentAccessible(ComponentScrollBar *bar)
    : QAccessibleWidget(bar, QAccessible::ScrollBar)
{
}

void ComponentAccessible::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(create);
        return true;
    }();
    Q_UNUSED(installed);
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
