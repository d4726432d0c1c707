// SPDX-License-Identifier: MIT
#include "app/form1layout.h"

namespace {
using K = ControlKind;
using namespace Design;

// The code box shows Latin text unless the user types Japanese into it. A Latin
// fixed-pitch face draws the code, and Qt opens the large CJK face only for a
// character the Latin face lacks; at start-up that saves about 2.5 MB.
const FontDesign fixedPitch12{
    "ＭＳ ゴシック,MS Gothic,Noto Sans Mono,Noto Sans Mono CJK JP,IPAGothic,VL Gothic,TakaoGothic",
    12.0, false, true};

constexpr qint64 lightRed = 0x8080FF;   // 255, 128, 128
constexpr qint64 lightGreen = 0x80FF80; // 128, 255, 128
constexpr qint64 lightBlue = 0xFF8080;  // 128, 128, 255
} // namespace

namespace Form1Layout {

const WindowDesign &window()
{
    static const WindowDesign window{"Tinvue", 5115, 4275, "tinvue"};
    return window;
}

// In creation order; within a parent, later controls lie above earlier ones.
const std::vector<ControlDesign> &controls()
{
    // clang-format off
    static const std::vector<ControlDesign> controls{
    //   name        kind              parent    left  top   width height  text            font             back        fore  border centred tab  tooltip  picture  accessible name
        {"Frame4",   K::Frame,         nullptr, {  60, 3180, 4995, 1035}, "Color Stock",   nullptr,         none,       none, 0, false, 10, nullptr, nullptr, nullptr},
        {"Label19",  K::Label,         "Frame4",{4320,  600,  555,  315}, "",              &proportional12, white,      none, 1, true,  26, nullptr, nullptr, "ストック 16"},
        {"Label18",  K::Label,         "Frame4",{3720,  600,  555,  315}, "",              &proportional12, white,      none, 1, true,  25, nullptr, nullptr, "ストック 15"},
        {"Label17",  K::Label,         "Frame4",{3120,  600,  555,  315}, "",              &proportional12, white,      none, 1, true,  24, nullptr, nullptr, "ストック 14"},
        {"Label16",  K::Label,         "Frame4",{2520,  600,  555,  315}, "",              &proportional12, white,      none, 1, true,  23, nullptr, nullptr, "ストック 13"},
        {"Label15",  K::Label,         "Frame4",{1920,  600,  555,  315}, "",              &proportional12, white,      none, 1, true,  22, nullptr, nullptr, "ストック 12"},
        {"Label14",  K::Label,         "Frame4",{1320,  600,  555,  315}, "",              &proportional12, white,      none, 1, true,  21, nullptr, nullptr, "ストック 11"},
        {"Label13",  K::Label,         "Frame4",{ 720,  600,  555,  315}, "",              &proportional12, white,      none, 1, true,  20, nullptr, nullptr, "ストック 10"},
        {"Label12",  K::Label,         "Frame4",{ 120,  600,  555,  315}, "",              &proportional12, white,      none, 1, true,  19, nullptr, nullptr, "ストック 09"},
        {"Label11",  K::Label,         "Frame4",{4320,  240,  555,  315}, "",              &proportional12, white,      none, 1, true,  18, nullptr, nullptr, "ストック 08"},
        {"Label10",  K::Label,         "Frame4",{3720,  240,  555,  315}, "",              &proportional12, white,      none, 1, true,  17, nullptr, nullptr, "ストック 07"},
        {"Label9",   K::Label,         "Frame4",{3120,  240,  555,  315}, "",              &proportional12, white,      none, 1, true,  16, nullptr, nullptr, "ストック 06"},
        {"Label8",   K::Label,         "Frame4",{2520,  240,  555,  315}, "",              &proportional12, white,      none, 1, true,  15, nullptr, nullptr, "ストック 05"},
        {"Label7",   K::Label,         "Frame4",{1920,  240,  555,  315}, "",              &proportional12, white,      none, 1, true,  14, nullptr, nullptr, "ストック 04"},
        {"Label6",   K::Label,         "Frame4",{1320,  240,  555,  315}, "",              &proportional12, white,      none, 1, true,  13, nullptr, nullptr, "ストック 03"},
        {"Label5",   K::Label,         "Frame4",{ 720,  240,  555,  315}, "",              &proportional12, white,      none, 1, true,  12, nullptr, nullptr, "ストック 02"},
        {"Label4",   K::Label,         "Frame4",{ 120,  240,  555,  315}, "",              &proportional12, white,      none, 1, true,  11, nullptr, nullptr, "ストック 01"},
        {"Frame3",   K::Frame,         nullptr, {2040,   60, 3015, 3075}, "Color Sample",  nullptr,         none,       none, 0, false,  9, nullptr, nullptr, nullptr},
        {"Shape1",   K::Shape,         "Frame3",{ 120,  240, 2775, 2715}, nullptr,         nullptr,         none,       none, 1, false, -1, nullptr, nullptr, "色見本"},
        {"Frame2",   K::Frame,         nullptr, {  60,   60, 1935,  675}, "HTML HEX Code", nullptr,         none,       none, 0, false,  7, nullptr, nullptr, nullptr},
        {"Command1", K::PictureButton, "Frame2",{1440,  195,  375,  375}, nullptr,         nullptr,         none,       none, 0, false, 27, "クリップボードへコピー", "copy", "クリップボードへコピー"},
        {"Text1",    K::TextBox,       "Frame2",{ 120,  240, 1215,  315}, "Text1",         &fixedPitch12,   none,       none, 0, false,  8, nullptr, nullptr, "HTML カラーコード", Placeholder},
        {"Frame1",   K::Frame,         nullptr, {  60,  780, 1935, 2355}, "RGB Color",     nullptr,         none,       none, 0, false,  0, nullptr, nullptr, nullptr},
        {"VScroll1", K::ScrollBar,     "Frame1",{ 120,  540,  495, 1695}, nullptr,         nullptr,         none,       none, 0, false,  1, nullptr, nullptr, "赤"},
        {"VScroll2", K::ScrollBar,     "Frame1",{ 720,  540,  495, 1695}, nullptr,         nullptr,         none,       none, 0, false,  2, nullptr, nullptr, "緑"},
        {"VScroll3", K::ScrollBar,     "Frame1",{1320,  540,  495, 1695}, nullptr,         nullptr,         none,       none, 0, false,  3, nullptr, nullptr, "青"},
        {"Label1",   K::Label,         "Frame1",{ 150,  240,  450,  240}, "Label1",        nullptr,         lightRed,   none, 1, true,   6, nullptr, nullptr, nullptr, Placeholder},
        {"Label2",   K::Label,         "Frame1",{ 750,  240,  450,  240}, "Label1",        nullptr,         lightGreen, none, 1, true,   5, nullptr, nullptr, nullptr, Placeholder},
        {"Label3",   K::Label,         "Frame1",{1350,  240,  450,  240}, "Label1",        nullptr,         lightBlue,  none, 1, true,   4, nullptr, nullptr, nullptr, Placeholder},
        // The two separator lines under the menu bar: grey, and white three pixels wide.
        {"Line1",    K::Line,          nullptr, {  60,    0, 5040,    0}, nullptr,         nullptr,         grey,       none, 1, false, -1, nullptr, nullptr, nullptr},
        {"Line2",    K::Line,          nullptr, {  75,    0, 5040,    0}, nullptr,         nullptr,         white,      none, 3, false, -1, nullptr, nullptr, nullptr},
    };
    // clang-format on
    return controls;
}

const std::vector<MenuDesign> &menus()
{
    // clang-format off
    static const std::vector<MenuDesign> menus{
    //   name            caption                 parent       shortcut  checkable checked
        {"menu_f",       "ﾌｧｲﾙ(&F)",             nullptr,     nullptr,  false,    false},
        {"menu_f_00",    "Tinvue の終了(&X)",    "menu_f",    nullptr,  false,    false},
        {"menu_v",       "表示(&V)",             nullptr,     nullptr,  false,    false},
        {"menu_v_00",    "常に手前に表示(&T)",   "menu_v",    nullptr,  false,    false},
        {"menu_v_00_00", "ON",                   "menu_v_00", "F4",     true,     false},
        {"menu_v_00_01", "OFF",                  "menu_v_00", "F5",     true,     true},
        {"menu_e",       "編集(&E)",             nullptr,     nullptr,  false,    false},
        {"menu_e_00",    "ｺﾋﾟｰ(&C)",             "menu_e",    "Ctrl+C", false,    false},
        {"menu_h",       "ヘルプ(&H)",           nullptr,     nullptr,  false,    false},
        {"menu_h_00",    "ﾊﾞｰｼﾞｮﾝ情報(&A)",      "menu_h",    nullptr,  false,    false},
    };
    // clang-format on
    return menus;
}

} // namespace Form1Layout
