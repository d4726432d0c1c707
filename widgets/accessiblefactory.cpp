// SPDX-License-Identifier: MIT
#include "widgets/accessiblefactory.h"

#include "widgets/colorpanel.h"
#include "widgets/componentaccessible.h"
#include "widgets/componentscrollbar.h"
#include "widgets/frameaccessible.h"
#include "widgets/framebox.h"
#include "widgets/lineeditaccessible.h"
#include "widgets/panelaccessible.h"

#include <QLineEdit>

namespace {
QAccessibleInterface *create(const QString &className, QObject *object)
{
    if (className == QLatin1String("ComponentScrollBar"))
        return new ComponentAccessible(static_cast<ComponentScrollBar *>(object));
    // A plain label too, which Qt would serve as well, but only after looking for
    // a plugin for the class.
    if (className == QLatin1String("ColorPanel"))
        return new PanelAccessible(static_cast<ColorPanel *>(object));
    // A line edit that hides its text is Qt's, which reads no more than the box shows.
    if (className == QLatin1String("QLineEdit") &&
        static_cast<QLineEdit *>(object)->echoMode() == QLineEdit::Normal)
        return new LineEditAccessible(static_cast<QLineEdit *>(object));
    if (className == QLatin1String("FrameBox"))
        return new FrameAccessible(static_cast<FrameBox *>(object));
    return nullptr;
}
} // namespace

namespace AccessibleFactory {
void install()
{
    static const bool installed = [] {
        QAccessible::installFactory(create);
        return true;
    }();
    Q_UNUSED(installed);
}
} // namespace AccessibleFactory
