// SPDX-License-Identifier: MIT
#pragma once

#include <QAccessible>
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

    // What a screen reader is told the panel is: a label unless set otherwise, as
    // for a link, which then offers a press action that clicks it, or a separator
    // line. Set it before the panel is shown.
    void setAccessibleRole(QAccessible::Role role);
    QAccessible::Role accessibleRole() const { return m_role; }

signals:
    // Qt's button values match the classic ones: 1 left, 2 right, 4 middle.
    void MouseDown(Qt::MouseButton button);
    // A left button released over the label, or a screen reader's press action
    // on a link.
    void Click();

protected:
    void changeEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void keepTextBlack();

    QAccessible::Role m_role = QAccessible::StaticText;
    QColor m_back; // invalid: the palette's window color, painted only for a shape
};
