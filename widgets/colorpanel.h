#pragma once

#include <QLabel>

// A label whose background color is a color value that can be read back, and
// which reports the mouse button pressed on it and its clicks. The value labels,
// the stock swatches, the sample, the separator lines and the About window's
// labels are all ColorPanels.
class ColorPanel : public QLabel
{
    Q_OBJECT
public:
    explicit ColorPanel(QWidget *parent = nullptr);

    quint32 BackColor() const;
    // Paints the panel in a color value, with black text and border on it.
    void setBackColor(quint32 colorValue);

signals:
    // Qt's button values match the classic ones: 1 left, 2 right, 4 middle.
    void MouseDown(Qt::MouseButton button);
    // A left button released over the label, or Space or Enter while it has the
    // focus (only a label made focusable takes it).
    void Click();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};
