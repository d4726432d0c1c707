#pragma once

#include <QLabel>

// A label whose background color is a color value that can be read back, and
// which reports the mouse button pressed on it. The value labels, the stock
// swatches, the sample and the separator lines are all ColorPanels.
class ColorPanel : public QLabel
{
    Q_OBJECT
public:
    explicit ColorPanel(QWidget *parent = nullptr);

    quint32 BackColor() const;
    void setBackColor(quint32 colorValue);

signals:
    // Qt's button values match the classic ones: 1 left, 2 right, 4 middle.
    void MouseDown(Qt::MouseButton button);

protected:
    void mousePressEvent(QMouseEvent *event) override;
};
