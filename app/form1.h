// SPDX-License-Identifier: MIT
#pragma once

#include <QMainWindow>

class ColorEditor;
class ColorStock;

// The main window. It is built from the layout table; its load step then fills
// the color editor (value labels, sample and hex code from the scroll bars) and
// paints the stock swatches from the settings store. The editor owns the update
// chain; everything else that changes the color does so by assigning the scroll
// bars and lets their change events do the rest. The View menu keeps the window
// above all others; its two check marks are the only record of that state.
class Form1 : public QMainWindow
{
    Q_OBJECT
public:
    explicit Form1(QWidget *parent = nullptr);

    // Shows the window, frame included, centred on its screen with the focus on VScroll1.
    void showCentered();

    template <typename T> T *control(const char *name) const
    {
        return findChild<T *>(QLatin1String(name));
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void Form_Load();
    void centerFrame();
    void Command1_Click();
    void menu_e_00_Click();
    void menu_v_00_00_Click();
    void menu_v_00_01_Click();
    void menu_h_00_Click();
    void menu_f_00_Click();

    ColorEditor *m_editor = nullptr;
    ColorStock *m_stock = nullptr;
};
