// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

// A classic etched frame. Its top edge runs through the middle of the caption,
// which interrupts it near the left; the other edges run along the frame's sides.
// The frame only paints itself: children are placed from its top-left corner and
// nothing is laid out, so that everything designed inside sits below the line.
class FrameBox : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString text READ text)
public:
    explicit FrameBox(const QString &caption, QWidget *parent = nullptr);

    QString text() const { return m_caption; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_caption;
};
