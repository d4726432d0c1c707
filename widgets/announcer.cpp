// SPDX-License-Identifier: MIT
#include "widgets/announcer.h"

#include "widgets/colorpanel.h"

namespace Announcer {
void say(QWidget *window, const QString &text)
{
    // Made at the first announcement rather than at start-up.
    auto *notification =
        window->findChild<ColorPanel *>(QStringLiteral("announcement"), Qt::FindDirectChildrenOnly);
    if (!notification) {
        notification = new ColorPanel(window);
        notification->setObjectName(QStringLiteral("announcement"));
        notification->setAccessibleRole(QAccessible::Notification);
        notification->hide(); // also when the window is shown later
    }
    notification->setAccessibleName(text);
    QAccessibleEvent shown(notification, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}
} // namespace Announcer
