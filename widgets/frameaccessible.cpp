// SPDX-License-Identifier: MIT
#include "widgets/frameaccessible.h"

#include "widgets/framebox.h"

#include <algorithm>

FrameAccessible::FrameAccessible(FrameBox *frame)
    : QAccessibleWidget(frame, QAccessible::Grouping, frame->text())
{
}

QList<QWidget *> FrameAccessible::readingOrder() const
{
    QList<QWidget *> controls = widget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    controls.removeIf([](const QWidget *w) { return w->isWindow(); });
    std::stable_sort(controls.begin(), controls.end(),
                     [](const QWidget *a, const QWidget *b) { return a->y() < b->y(); });
    // A row holds every control that starts above the lowest bottom edge of those
    // already in it: a code box and a taller button beside it share one.
    for (auto first = controls.begin(); first != controls.end();) {
        int bottom = (*first)->geometry().bottom();
        auto last = std::next(first);
        for (; last != controls.end() && (*last)->y() <= bottom; ++last)
            bottom = std::max(bottom, (*last)->geometry().bottom());
        std::stable_sort(first, last,
                         [](const QWidget *a, const QWidget *b) { return a->x() < b->x(); });
        first = last;
    }
    return controls;
}

QAccessibleInterface *FrameAccessible::child(int index) const
{
    const QList<QWidget *> controls = readingOrder();
    return index >= 0 && index < controls.size()
               ? QAccessible::queryAccessibleInterface(controls[index])
               : nullptr;
}

int FrameAccessible::childCount() const
{
    return int(readingOrder().size());
}

int FrameAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    return child ? int(readingOrder().indexOf(child->object())) : -1;
}
