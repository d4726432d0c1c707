#include "widgets/componentscrollbar.h"

#include "widgets/componentaccessible.h"

#include <QAccessible>

ComponentScrollBar::ComponentScrollBar(QWidget *parent) : QScrollBar(Qt::Vertical, parent)
{
    setRange(-topValue, 0);
    setValue(0);
    setSingleStep(1);
    setPageStep(10);
    setTracking(false);
    setFocusPolicy(Qt::StrongFocus);
    ComponentAccessible::install();
    connect(this, &QAbstractSlider::valueChanged, this, [this] {
        // QAbstractSlider has already announced its inner position; tell the component.
        QAccessibleValueChangeEvent event(this, Value());
        QAccessible::updateAccessibility(&event);
        emit Change();
    });
}

bool ComponentScrollBar::assign(int component)
{
    if (component < 0 || component > topValue)
        return false;
    setValue(-component);
    return true;
}
