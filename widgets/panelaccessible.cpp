// SPDX-License-Identifier: MIT
#include "widgets/panelaccessible.h"

#include "widgets/colorpanel.h"

PanelAccessible::PanelAccessible(ColorPanel *panel)
    : QAccessibleWidget(panel, panel->accessibleRole())
{
}

ColorPanel *PanelAccessible::panel() const
{
    return static_cast<ColorPanel *>(widget());
}

QString PanelAccessible::text(QAccessible::Text t) const
{
    // A plain widget has no name of its own; the panel is called by what it shows.
    if (t == QAccessible::Name && panel()->accessibleName().isEmpty())
        return panel()->text();
    return QAccessibleWidget::text(t);
}

QStringList PanelAccessible::actionNames() const
{
    if (role() == QAccessible::Link)
        return {pressAction()};
    return {};
}

void PanelAccessible::doAction(const QString &actionName)
{
    if (role() == QAccessible::Link && actionName == pressAction())
        emit panel()->Click();
}
