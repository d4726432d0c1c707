// SPDX-License-Identifier: MIT
#include "widgets/colorpanel.h"

#include "widgets/accessiblefactory.h"
#include "widgets/colorvalue.h"

#include <QMouseEvent>
#include <QPainter>

ColorPanel::ColorPanel(QWidget *parent) : QLabel(parent) {}

quint32 ColorPanel::BackColor() const
{
    return ColorValue::fromQColor(m_back.isValid() ? m_back : palette().color(QPalette::Window));
}

// The color is kept and painted by the panel itself: a palette of its own for each
// of the twenty-one colored panels would be resolved against its parent's and
// sent to it as a change at every start, and again at every new color.
void ColorPanel::setBackColor(quint32 colorValue)
{
    const QColor color = ColorValue::toQColor(colorValue);
    if (color == m_back)
        return;
    m_back = color;
    // It paints every pixel, so nothing behind it is painted first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    keepTextBlack();
    update();
}

// On a color of its own the text and border keep the designed black, whatever
// the desktop's palette gives the window. The usual light palette has black text
// already, and is left as it is.
void ColorPanel::keepTextBlack()
{
    const QPalette &p = palette();
    if (p.color(QPalette::Active, QPalette::WindowText) == Qt::black &&
        p.color(QPalette::Inactive, QPalette::WindowText) == Qt::black)
        return;
    QPalette black = p;
    black.setColor(QPalette::WindowText, Qt::black);
    setPalette(black);
}

void ColorPanel::setAccessibleRole(QAccessible::Role role)
{
    m_role = role;
    AccessibleFactory::install();
}

void ColorPanel::changeEvent(QEvent *event)
{
    // A desktop palette that arrives later must not give the text its own color.
    if (event->type() == QEvent::PaletteChange && m_back.isValid())
        keepTextBlack();
    QLabel::changeEvent(event);
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

void ColorPanel::paintEvent(QPaintEvent *event)
{
    if (m_back.isValid())
        QPainter(this).fillRect(rect(), m_back);
    QLabel::paintEvent(event);
}
