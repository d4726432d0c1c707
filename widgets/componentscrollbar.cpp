#include "widgets/componentscrollbar.h"

#include "widgets/accessiblefactory.h"

#include <QAccessible>
#include <QPainter>
#include <QStyleOptionSlider>

ComponentScrollBar::ComponentScrollBar(QWidget *parent) : QScrollBar(Qt::Vertical, parent)
{
    setRange(-topValue, 0);
    setValue(0);
    setSingleStep(1);
    setPageStep(10);
    setTracking(false);
    setFocusPolicy(Qt::StrongFocus);
    AccessibleFactory::install();
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

QRect ComponentScrollBar::thumbRect() const
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    return style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, this);
}

void ComponentScrollBar::paintEvent(QPaintEvent *event)
{
    QScrollBar::paintEvent(event);
    if (!hasFocus())
        return;
    // Styles mark no focus on a scroll bar, yet the arrow keys move this one from
    // the start: a rectangle dotted every other pixel inside the thumb shows which
    // bar they move, at any scale, without changing the bar's size, parts or colors.
    const QRect r = thumbRect().adjusted(3, 3, -4, -4);
    const QColor ink = palette().color(QPalette::ButtonText);
    QPainter painter(this);
    for (int x = r.left(); x <= r.right(); x += 2) {
        painter.fillRect(x, r.top(), 1, 1, ink);
        painter.fillRect(x, r.bottom(), 1, 1, ink);
    }
    for (int y = r.top(); y <= r.bottom(); y += 2) {
        painter.fillRect(r.left(), y, 1, 1, ink);
        painter.fillRect(r.right(), y, 1, 1, ink);
    }
}
