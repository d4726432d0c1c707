// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>

#include <vector>

// The records that describe a window as data: every control with its designer
// name, parent, geometry in twips, text, font and colors, and the menu tree.
// Each window keeps its own table beside it (Form1Layout, FrmAboutLayout); the
// windows are built from those tables and the tests hold them against the
// designed numbers.

enum class ControlKind
{
    Frame,
    Label,
    ScrollBar,
    TextBox,
    PictureButton,
    Shape,
    Line,
    CommandButton,
    PictureBox
};

struct FontDesign
{
    // Comma-separated families, the designed face first and then the faces that
    // stand in for it where it is not installed: Noto, which most desktops that
    // show Japanese have, then the smaller faces Debian offers instead.
    const char *families;
    double pointSize;
    bool underline;
    // Every character one advance wide: no pair is kerned or joined, so the text
    // is laid out without the shaper, which would build its tables for the face.
    bool fixedPitch = false;
};

constexpr qint64 defaultColor = -1;

// Behaviour beyond the kind of control.
enum ControlOption : unsigned
{
    NoOption = 0,
    AutoSize = 1, // a label that sizes itself to its text from its top-left corner
    Link = 2,     // a label that opens something: pointing hand, Click, a link to screen readers
    // Text that the load step replaces before the window is first shown: it is
    // never seen, so it is not given to the control, which would lay it out.
    Placeholder = 4,
};

struct ControlDesign
{
    const char *name;
    ControlKind kind;
    const char *parent;         // nullptr: the window's client area
    int geometry[4];            // Left, Top, Width, Height in twips; for a line X1, Y1, X2, Y2
    const char *text;           // caption or text; nullptr for none
    const FontDesign *font;     // nullptr: the default font
    qint64 backColor;           // a color value, or defaultColor
    qint64 foreColor;           // a color value, or defaultColor
    int border;                 // a label's border line or a line's width, in pixels; 0 for none
    bool centred;               // text centred rather than left-aligned
    int tabIndex;               // the designed tab position; -1 for lines
    const char *toolTip;        // nullptr for none
    const char *picture;        // icon name of a button's or picture box's image (IconSet)
    const char *accessibleName; // what a screen reader calls it; nullptr: its own text
    unsigned options = NoOption;
};

struct MenuDesign
{
    const char *name;
    const char *caption;
    const char *parent;   // nullptr: the menu bar
    const char *shortcut; // nullptr for none
    bool checkable;
    bool checked;
};

struct WindowDesign
{
    const char *caption;
    int clientWidth;  // twips
    int clientHeight; // twips
    const char *icon; // icon name (IconSet)
};

// Faces and colors that both windows are designed with.
namespace Design {
constexpr const char *proportional =
    "ＭＳ Ｐゴシック,MS PGothic,Noto Sans CJK JP,IPAPGothic,VL PGothic,TakaoPGothic";
constexpr FontDesign proportional12{proportional, 12.0, false};
constexpr qint64 white = 0xFFFFFF;
constexpr qint64 grey = 0x808080;
constexpr qint64 none = defaultColor;
} // namespace Design
