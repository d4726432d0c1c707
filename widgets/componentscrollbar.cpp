// SPDX-License-Identifier: MIT
#include "widgets/componentscrollbar.h"

#include "widgets/accessiblefactory.h"

#include <QAccessible>
#include <QGuiApplication>
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

namespace {
// Whether two bars look alike in Fusion, which draws a bar from its option alone.
bool alike(const QStyleOptionSlider &a, const QStyleOptionSlider &b)
{
    return a.rect.size() == b.rect.size() && a.state == b.state && a.direction == b.direction &&
           a.palette == b.palette && a.minimum == b.minimum && a.maximum == b.maximum &&
           a.sliderPosition == b.sliderPosition && a.singleStep == b.singleStep &&
           a.pageStep == b.pageStep && a.orientation == b.orientation &&
           a.upsideDown == b.upsideDown;
}
} // namespace

// The three bars start alike, and Fusion's drawing of them is a seventh of the
// window's first paint. So each look it draws is kept, and a bar that looks like
// the last one drawn shows a copy of it, pixel for pixel. The look is drawn in bands
// of 64 device rows: Qt hands every fill of 96 rows or more to worker threads,
// which it would start for the purpose. A bar under the pointer or with a button
// held may show a part lit or pressed, known only to QScrollBar, which draws it.
void ComponentScrollBar::paintEvent(QPaintEvent *event)
{
    // Never destroyed: the option holds a font, which must not outlive the application.
    static QStyleOptionSlider &lastOption = *new QStyleOptionSlider;
    static QImage lastLook;
    QStyleOptionSlider option;
    initStyleOption(&option);
    const qreal ratio = devicePixelRatioF();
    if (underMouse() || QGuiApplication::mouseButtons() != Qt::NoButton || ratio != qRound(ratio) ||
        style()->name() != QLatin1String("fusion")) {
        QScrollBar::paintEvent(event);
    } else {
        if (!alike(option, lastOption) || lastLook.devicePixelRatio() != ratio) {
            option.subControls = QStyle::SC_All;
            option.activeSubControls = QStyle::SC_None;
            lastLook = QImage(size() * ratio, QImage::Format_ARGB32_Premultiplied);
            lastLook.setDevicePixelRatio(ratio);
            lastLook.fill(Qt::transparent);
            // Each band is an image on the rows of the look; the style may clip as it
            // likes, but it cannot reach past the band.
            for (int top = 0; top < lastLook.height(); top += 64) {
                QImage band(lastLook.scanLine(top), lastLook.width(),
                            qMin(64, lastLook.height() - top), lastLook.bytesPerLine(),
                            lastLook.format());
                band.setDevicePixelRatio(ratio);
                QPainter painter(&band);
                painter.translate(0, -top / ratio);
                style()->drawComplexControl(QStyle::CC_ScrollBar, &option, &painter, this);
            }
            lastOption = option;
        }
        QPainter(this).drawImage(0, 0, lastLook);
    }
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
