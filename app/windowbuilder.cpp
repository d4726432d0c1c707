#include "app/windowbuilder.h"

#include "app/colorpanel.h"
#include "app/iconset.h"
#include "app/twips.h"
#include "editor/colorvalue.h"
#include "editor/componentscrollbar.h"

#include <QGroupBox>
#include <QIcon>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QToolButton>

#include <algorithm>
#include <map>

namespace {
QString text(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

QRect pixelRect(const ControlSpec &spec)
{
    const int *g = spec.geometry;
    if (spec.kind == ControlKind::Line) {
        // A wide line is centred on its end points; the last point is not drawn.
        const int x1 = Twips::toPixels(g[0]);
        const int y1 = Twips::toPixels(g[1]);
        return QRect(x1, y1 - spec.border / 2, Twips::toPixels(g[2]) - x1, spec.border);
    }
    return QRect(Twips::toPixels(g[0]), Twips::toPixels(g[1]), Twips::toPixels(g[2]),
                 Twips::toPixels(g[3]));
}

ColorPanel *createPanel(const ControlSpec &spec, QWidget *parent)
{
    auto *panel = new ColorPanel(parent);
    if (spec.border > 0 && spec.kind != ControlKind::Line) {
        panel->setFrameShape(QFrame::Box);
        panel->setLineWidth(spec.border);
    }
    panel->setAlignment(spec.centred ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
    if (spec.backColor != defaultColor)
        panel->setBackColor(quint32(spec.backColor));
    else
        panel->setAutoFillBackground(spec.kind == ControlKind::Shape);
    return panel;
}
} // namespace

QFont WindowBuilder::font(const FontSpec &spec)
{
    QFont f;
    f.setFamilies(text(spec.families).split(QLatin1Char(',')));
    f.setPointSizeF(spec.pointSize);
    f.setUnderline(spec.underline);
    return f;
}

QWidget *WindowBuilder::create(const ControlSpec &spec, QWidget *parent)
{
    switch (spec.kind) {
    case ControlKind::Frame:
        return new QGroupBox(text(spec.text), parent);
    case ControlKind::ScrollBar:
        return new ComponentScrollBar(parent);
    case ControlKind::TextBox:
        return new QLineEdit(text(spec.text), parent);
    case ControlKind::PictureButton: {
        auto *button = new QToolButton(parent);
        button->setIcon(IconSet::load(spec.picture));
        button->setIconSize(QSize(16, 15));
        button->setFocusPolicy(Qt::StrongFocus);
        return button;
    }
    case ControlKind::CommandButton:
        return new QPushButton(text(spec.text), parent);
    case ControlKind::PictureBox: {
        auto *picture = new QLabel(parent);
        const QRect r = pixelRect(spec);
        picture->setPixmap(
            IconSet::load(spec.picture).pixmap(r.size(), parent->devicePixelRatioF()));
        return picture;
    }
    case ControlKind::Label:
    case ControlKind::Shape:
    case ControlKind::Line:
        return createPanel(spec, parent);
    }
    return nullptr;
}

void WindowBuilder::buildControls(QWidget *client, const std::vector<ControlSpec> &controls)
{
    std::map<int, QWidget *> tabOrder;
    for (const ControlSpec &spec : controls) {
        QWidget *parent = spec.parent ? client->findChild<QWidget *>(text(spec.parent)) : client;
        QWidget *w = create(spec, parent);
        w->setObjectName(text(spec.name));
        w->setGeometry(pixelRect(spec));
        if (spec.text && spec.kind == ControlKind::Label)
            static_cast<QLabel *>(w)->setText(text(spec.text));
        if (spec.font)
            w->setFont(font(*spec.font));
        if (spec.foreColor != defaultColor) {
            QPalette p = w->palette();
            p.setColor(QPalette::WindowText, ColorValue::toQColor(quint32(spec.foreColor)));
            w->setPalette(p);
        }
        if (spec.toolTip)
            w->setToolTip(text(spec.toolTip));
        if (spec.options & Link) {
            w->setCursor(Qt::PointingHandCursor);
            w->setFocusPolicy(Qt::TabFocus);
        }
        if (spec.options & AutoSize)
            w->adjustSize();
        if (w->focusPolicy() != Qt::NoFocus)
            tabOrder[spec.tabIndex] = w;
    }
    QWidget *previous = nullptr;
    for (const auto &[index, w] : tabOrder) {
        if (previous)
            QWidget::setTabOrder(previous, w);
        previous = w;
    }
}

void WindowBuilder::buildMenus(QMenuBar *menuBar, const std::vector<MenuSpec> &menus)
{
    std::map<std::string, QMenu *> submenus;
    const auto hasItems = [&menus](const MenuSpec &menu) {
        return std::any_of(menus.begin(), menus.end(), [&menu](const MenuSpec &item) {
            return item.parent && std::string(item.parent) == menu.name;
        });
    };
    for (const MenuSpec &spec : menus) {
        QMenu *parent = spec.parent ? submenus.at(spec.parent) : nullptr;
        if (hasItems(spec)) {
            QMenu *menu =
                parent ? parent->addMenu(text(spec.caption)) : menuBar->addMenu(text(spec.caption));
            menu->setObjectName(text(spec.name));
            submenus[spec.name] = menu;
            continue;
        }
        auto *action = new QAction(text(spec.caption), menuBar->parent());
        action->setObjectName(text(spec.name));
        action->setCheckable(spec.checkable);
        action->setChecked(spec.checked);
        if (spec.shortcut)
            action->setShortcut(QKeySequence(text(spec.shortcut)));
        (parent ? static_cast<QWidget *>(parent) : menuBar)->addAction(action);
    }
}
