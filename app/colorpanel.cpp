#include "app/colorpanel.h"

#include "editor/colorvalue.h"

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
    QPalette p = palette();
    p.setColor(QPalette::Window, ColorValue::toQColor(colorValue));
    setPalette(p);
}

void ColorPanel::mousePressEvent(QMouseEvent *event)
{
    emit MouseDown(event->button());
    QLabel::mousePressEvent(event);
}
