// SPDX-License-Identifier: MIT
#pragma once

#include <QAccessibleWidget>

class FrameBox;

// A frame as a screen reader meets it: a group named by its caption, whose
// controls come in reading order, row by row from the top and from the left
// within a row, whatever order the window made them in (it makes the stock's
// swatches from slot 16 down to slot 01).
class FrameAccessible : public QAccessibleWidget
{
public:
    explicit FrameAccessible(FrameBox *frame);

    QAccessibleInterface *child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface *child) const override;

private:
    QList<QWidget *> readingOrder() const;
};
