// SPDX-License-Identifier: MIT
#pragma once

#include <QAccessibleWidget>

class ColorPanel;

// What a screen reader learns of a panel that is not a plain label: a link named
// by its text, whose press action opens it as a click does, or a separator line.
class PanelAccessible : public QAccessibleWidget
{
public:
    explicit PanelAccessible(ColorPanel *panel);

    QString text(QAccessible::Text t) const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

private:
    ColorPanel *panel() const;
};
