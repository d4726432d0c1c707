#include "editor/componentscrollbar.h"

ComponentScrollBar::ComponentScrollBar(QWidget *parent) : QScrollBar(Qt::Vertical, parent)
{
    setRange(-topValue, 0);
    setValue(0);
    setSingleStep(1);
    setPageStep(10);
    setTracking(false);
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QAbstractSlider::valueChanged, this, &ComponentScrollBar::Change);
}

bool ComponentScrollBar::assign(int component)
{
    if (component < 0 || component > topValue)
        return false;
    setValue(-component);
    return true;
}
