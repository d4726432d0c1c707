// SPDX-License-Identifier: MIT
#pragma once

#include <QScrollBar>

// A vertical scroll bar holding one color component, 255 at the top end and 0
// at the bottom. Internally the range is -255..0 so that the top arrow, the Up
// key and the wheel all raise the component, as a user expects.
//
// Change() fires synchronously after every real change of the component: from
// the arrows, the track, the keyboard, the wheel, the release of a dragged thumb
// and assign(). It does not fire while the thumb is being dragged, and not for
// an assignment of the value already held.
//
// While it has the focus, a dotted rectangle inside the thumb shows it.
class ComponentScrollBar : public QScrollBar
{
    Q_OBJECT
public:
    static constexpr int topValue = 255;

    explicit ComponentScrollBar(QWidget *parent = nullptr);

    int Value() const { return -value(); }

    // Refuses a value outside 0..255: returns false, changes nothing and fires no
    // Change(). QScrollBar itself would silently clamp it.
    bool assign(int component);

    // Where the style draws the thumb, in the bar's coordinates.
    QRect thumbRect() const;

signals:
    void Change();

protected:
    void paintEvent(QPaintEvent *event) override;
};
