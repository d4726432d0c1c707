// SPDX-License-Identifier: MIT
#include "widgets/windowbuilder.h"

#include "widgets/accessiblefactory.h"
#include "widgets/colorpanel.h"
#include "widgets/colorvalue.h"
#include "widgets/componentscrollbar.h"
#include "widgets/contrast.h"
#include "widgets/framebox.h"
#include "widgets/iconset.h"
#include "widgets/twips.h"

#include <QFontDatabase>
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

QRect pixelRect(const ControlDesign &row)
{
    const int *g = row.geometry;
    if (row.kind == ControlKind::Line) {
        // A wide line is centred on its end points; the last point is not drawn.
        const int x1 = Twips::toPixels(g[0]);
        const int y1 = Twips::toPixels(g[1]);
        return QRect(x1, y1 - row.border / 2, Twips::toPixels(g[2]) - x1, row.border);
    }
    return QRect(Twips::toPixels(g[0]), Twips::toPixels(g[1]), Twips::toPixels(g[2]),
                 Twips::toPixels(g[3]));
}

// A designed text color on the window's background, kept wherever it reads at
// 4.5:1 or better (WCAG's level for text). On a desktop palette too dark or too
// light for it, it is mixed with white or black just enough to read: the blue
// link stays blue, lighter, on a dark window.
QColor readable(const QColor &designed, const QColor &background)
{
    const QColor toward =
        Contrast::ratio(Qt::white, background) > Contrast::ratio(Qt::black, background)
            ? QColor(Qt::white)
            : QColor(Qt::black);
    QColor color = designed;
    for (int step = 1; step <= 20 && Contrast::ratio(color, background) < 4.5; ++step) {
        const double t = step / 20.0;
        color = QColor::fromRgbF(designed.redF() + t * (toward.redF() - designed.redF()),
                                 designed.greenF() + t * (toward.greenF() - designed.greenF()),
                                 designed.blueF() + t * (toward.blueF() - designed.blueF()));
    }
    return color;
}

// A font that names several families makes Qt sort every installed face for
// the fallbacks of each at once, 2.6 M instructions at start-up. The code box
// shows ASCII unless the user puts other text into it, so it starts with its
// first family alone and takes the whole list, with the stand-in that shows
// Japanese, when other text first reaches it; until then a missing glyph
// still comes from Qt's own fallback.
void setFontOnDemand(QLineEdit *box, const QFont &font)
{
    QFont first = font;
    first.setFamilies({font.families().constFirst()});
    box->setFont(first);
    if (font.families().size() == 1)
        return;
    auto *pending = new QObject(box); // ends the connection once the font is set
    QObject::connect(box, &QLineEdit::textChanged, pending, [box, font, pending](const QString &s) {
        if (std::all_of(s.begin(), s.end(), [](QChar c) { return c.unicode() < 0x80; }))
            return;
        box->setFont(font);
        pending->deleteLater();
    });
}

ColorPanel *createPanel(const ControlDesign &row, QWidget *parent)
{
    auto *panel = new ColorPanel(parent);
    // Before its text is set: that already tells a screen reader what it is.
    if (row.options & Link) {
        panel->setAccessibleRole(QAccessible::Link);
        panel->setCursor(Qt::PointingHandCursor);
    } else if (row.kind == ControlKind::Line) {
        panel->setAccessibleRole(QAccessible::Separator);
    }
    if (row.border > 0 && row.kind != ControlKind::Line) {
        panel->setFrameShape(QFrame::Box);
        panel->setLineWidth(row.border);
    }
    panel->setAlignment(row.centred ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
    if (row.backColor != defaultColor)
        panel->setBackColor(quint32(row.backColor));
    else if (row.kind == ControlKind::Shape)
        panel->setAutoFillBackground(true);
    return panel;
}
} // namespace

QFont WindowBuilder::font(const FontDesign &row)
{
    // Qt runs a full fontconfig search for a family it cannot find, at every start.
    // So only installed faces are asked for, up to the first that shows Japanese;
    // the stand-ins after it are for desktops that lack it. The table gives the
    // designed faces under both their Japanese and their Latin name, so that
    // either is found. A name without writing systems is not installed; asking
    // for the one name spares building a string for every installed face.
    QStringList families;
    for (const QString &family : text(row.families).split(QLatin1Char(','))) {
        const QList<QFontDatabase::WritingSystem> shown = QFontDatabase::writingSystems(family);
        if (!shown.isEmpty())
            families << family;
        if (shown.contains(QFontDatabase::Japanese))
            break;
    }
    QFont f;
    f.setFamilies(families);
    f.setPointSizeF(row.pointSize);
    f.setUnderline(row.underline);
    if (row.fixedPitch)
        f.setStyleStrategy(QFont::PreferNoShaping);
    return f;
}

QWidget *WindowBuilder::create(const ControlDesign &row, QWidget *parent)
{
    switch (row.kind) {
    case ControlKind::Frame:
        return new FrameBox(text(row.text), parent);
    case ControlKind::ScrollBar:
        return new ComponentScrollBar(parent);
    case ControlKind::TextBox:
        AccessibleFactory::install();
        return new QLineEdit(parent); // its text comes with its font, below
    case ControlKind::PictureButton: {
        auto *button = new QToolButton(parent);
        button->setIcon(IconSet::load(row.picture));
        button->setIconSize(QSize(16, 15));
        button->setFocusPolicy(Qt::StrongFocus);
        return button;
    }
    case ControlKind::CommandButton:
        return new QPushButton(text(row.text), parent);
    case ControlKind::PictureBox: {
        auto *picture = new QLabel(parent);
        const QRect r = pixelRect(row);
        picture->setPixmap(
            IconSet::load(row.picture).pixmap(r.size(), parent->devicePixelRatioF()));
        return picture;
    }
    case ControlKind::Label:
    case ControlKind::Shape:
    case ControlKind::Line:
        return createPanel(row, parent);
    }
    return nullptr;
}

void WindowBuilder::buildControls(QWidget *client, const std::vector<ControlDesign> &controls)
{
    std::map<int, QWidget *> tabOrder;
    // One font object for each design, so that the sixteen swatches share one.
    std::map<const FontDesign *, QFont> fonts;
    const auto fontOf = [&fonts](const FontDesign *design) {
        const auto found = fonts.find(design);
        return found != fonts.end() ? found->second : fonts[design] = font(*design);
    };
    for (const ControlDesign &row : controls) {
        QWidget *parent = row.parent ? client->findChild<QWidget *>(text(row.parent)) : client;
        QWidget *w = create(row, parent);
        w->setObjectName(text(row.name));
        w->setGeometry(pixelRect(row));
        if (row.font && row.kind == ControlKind::TextBox)
            setFontOnDemand(static_cast<QLineEdit *>(w), fontOf(row.font));
        else if (row.font)
            w->setFont(fontOf(row.font));
        // A text box lays out its text at once; given after the font, the text is
        // shaped only in the face that shows it.
        const bool shown = row.text && !(row.options & Placeholder);
        if (shown && row.kind == ControlKind::Label)
            static_cast<QLabel *>(w)->setText(text(row.text));
        else if (shown && row.kind == ControlKind::TextBox)
            static_cast<QLineEdit *>(w)->setText(text(row.text));
        if (row.foreColor != defaultColor) {
            QPalette p = w->palette();
            p.setColor(QPalette::WindowText, readable(ColorValue::toQColor(quint32(row.foreColor)),
                                                      p.color(QPalette::Window)));
            w->setPalette(p);
        }
        if (row.toolTip)
            w->setToolTip(text(row.toolTip));
        if (row.accessibleName)
            w->setAccessibleName(text(row.accessibleName));
        if (row.options & AutoSize)
            w->adjustSize();
        if (w->focusPolicy() != Qt::NoFocus)
            tabOrder[row.tabIndex] = w;
    }
    QWidget *previous = nullptr;
    for (const auto &[index, w] : tabOrder) {
        if (previous)
            QWidget::setTabOrder(previous, w);
        previous = w;
    }
}

void WindowBuilder::buildMenus(QMenuBar *menuBar, const std::vector<MenuDesign> &menus)
{
    std::map<std::string, QMenu *> submenus;
    const auto hasItems = [&menus](const MenuDesign &menu) {
        return std::any_of(menus.begin(), menus.end(), [&menu](const MenuDesign &item) {
            return item.parent && std::string(item.parent) == menu.name;
        });
    };
    for (const MenuDesign &row : menus) {
        QMenu *parent = row.parent ? submenus.at(row.parent) : nullptr;
        if (hasItems(row)) {
            QMenu *menu =
                parent ? parent->addMenu(text(row.caption)) : menuBar->addMenu(text(row.caption));
            menu->setObjectName(text(row.name));
            submenus[row.name] = menu;
            continue;
        }
        auto *action = new QAction(text(row.caption), menuBar->parent());
        action->setObjectName(text(row.name));
        action->setCheckable(row.checkable);
        action->setChecked(row.checked);
        if (row.shortcut)
            action->setShortcut(QKeySequence(text(row.shortcut)));
        (parent ? static_cast<QWidget *>(parent) : menuBar)->addAction(action);
    }
}
