#include "widgets/colorpanel.h"

#include "widgets/accessiblefactory.h"
#include "widgets/colorvalue.h"

#include <QMouseEvent>

ColorPanel::ColorPanel(QWidget *parent) : QLabel(parent)
{
    setAutoFillBackground(true);
}

quint32 ColorPanel::BackColor() const
{
    return ColorValue::fromQColor(palette().color(QPalette::Window));
}

void ColorPanel::setBackColor(quint32 colorValue)
{
    const QColor color = ColorValue::toQColor(colorValue);
    QPalette p = palette();
    // A palette set again propagates to the children and repaints for nothing.
    if (p.isBrushSet(QPalette::Active, QPalette::Window) && p.color(QPalette::Window) == color)
        return;
    p.setColor(QPalette::Window, color);
    // On a color of its own the text and border keep the designed black, whatever
    // the desktop's palette gives the window.
    p.setColor(QPalette::WindowText, Qt::black);
    setPalette(p);
}

void ColorPanel::setAccessibleRole(QAccessible::Role role)
{
    m_role = role;
    AccessibleFactory::install();
}

void ColorPanel::mousePressEvent(QMouseEvent *event)
{
    emit MouseDown(event->button());
    QLabel::mousePressEvent(event);
}

void ColorPanel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit Click();
    QLabel::mouseReleaseEvent(event);
}
