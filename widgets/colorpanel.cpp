#include "widgets/colorpanel.h"

#include "widgets/colorvalue.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

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
    setPalette(p);
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

void ColorPanel::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit Click();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

void ColorPanel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    // Drawn inside the label, so a focusable label keeps its designed size.
    QStylePainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}
