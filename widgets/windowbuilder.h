// SPDX-License-Identifier: MIT
#pragma once

#include "widgets/layoutdesign.h"

class QFont;
class QMenuBar;
class QWidget;

// Builds windows from the layout tables: creates each control with its designer
// name as objectName, places it in pixels converted from twips, and sets its
// text, font, colors, border and tab order.
class WindowBuilder
{
public:
    static void buildControls(QWidget *client, const std::vector<ControlDesign> &controls);
    static void buildMenus(QMenuBar *menuBar, const std::vector<MenuDesign> &menus);

private:
    static QFont font(const FontDesign &row);
    static QWidget *create(const ControlDesign &row, QWidget *parent);
};
