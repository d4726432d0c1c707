// SPDX-License-Identifier: MIT
#include "about/frmaboutlayout.h"

namespace {
using K = ControlKind;
using namespace Design;

const FontDesign proportional11{proportional, 11.25, false};
const FontDesign proportional11Underlined{proportional, 11.25, true};
const FontDesign proportional14{proportional, 14.25, false};
constexpr qint64 blue = 0xFF0000; // 0, 0, 255
} // namespace

namespace FrmAboutLayout {

const WindowDesign &window()
{
    static const WindowDesign window{"ﾊﾞｰｼﾞｮﾝ情報", 5685, 2580, "about"};
    return window;
}

// The maker's rights notice, e-mail and web address are the captions of Label3,
// Label4 and Label1; the link opens the address after "URL:".
const std::vector<ControlDesign> &controls()
{
    // clang-format off
    static const std::vector<ControlDesign> controls{
    //   name          kind               parent    left  top   width height text                                   font                       back   fore  border centred tab tooltip          picture  accessible name  options
        // The etched separator: white two pixels wide, and grey over it one pixel higher.
        {"Line1(0)",   K::Line,           nullptr, { 105, 2040, 5580, 2040}, nullptr,                               nullptr,                   white, none, 2, false, -1, nullptr,              nullptr, nullptr},
        {"Line1(1)",   K::Line,           nullptr, {  90, 2025, 5580, 2025}, nullptr,                               nullptr,                   grey,  none, 1, false, -1, nullptr,              nullptr, nullptr},
        {"Label2",     K::Label,          nullptr, {2220,  300, 1965,  285}, "Tinvue Ver 2.02",                     &proportional14,           none,  none, 0, false,  3, nullptr,              nullptr, nullptr, AutoSize},
        {"Label1",     K::Label,          nullptr, { 780, 1620, 4065,  225}, "URL:https://tinvue.example.org/",     &proportional11Underlined, none,  blue, 0, false,  4, "サポートＨＰへ接続", nullptr, nullptr, AutoSize | Link},
        {"Label3",     K::Label,          nullptr, {1080,  840, 3585,  240}, "(C) 2000-2026 Tinvue Project",        &proportional12,           none,  none, 0, false,  5, nullptr,              nullptr, nullptr, AutoSize},
        {"Label4",     K::Label,          nullptr, { 780, 1320, 3075,  225}, "E-Mail : tinvue@example.org",         &proportional11,           none,  none, 0, false,  6, nullptr,              nullptr, nullptr, AutoSize},
        {"cmdSysInfo", K::CommandButton,  nullptr, {1320, 2160, 1380,  345}, "ｼｽﾃﾑ情報(&S)...",                     nullptr,                   none,  none, 0, false,  2, nullptr,              nullptr, nullptr},
        {"cmdOK",      K::CommandButton,  nullptr, {3000, 2160, 1380,  345}, "OK",                                  nullptr,                   none,  none, 0, false,  0, nullptr,              nullptr, nullptr},
        {"picIcon",    K::PictureBox,     nullptr, {1560,  180,  480,  480}, nullptr,                               nullptr,                   none,  none, 0, false,  1, nullptr,              "tinvue", "Tinvue のアイコン"},
    };
    // clang-format on
    return controls;
}

} // namespace FrmAboutLayout
