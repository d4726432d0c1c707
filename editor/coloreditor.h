// SPDX-License-Identifier: MIT
#pragma once

#include "widgets/colorvalue.h"

#include <QObject>
#include <QString>

#include <array>

class ColorPanel;
class ComponentScrollBar;
class QLabel;
class QLineEdit;

// The current color lives only in the three scroll bars. Every change of a bar
// runs its update chain, which brings the value label, the sample and the hex
// code in line with all three bars as they stand at that moment.
class ColorEditor : public QObject
{
    Q_OBJECT
public:
    using Component = ColorValue::Component;

    struct Controls
    {
        std::array<ComponentScrollBar *, 3> scrollBars; // VScroll1, VScroll2, VScroll3
        std::array<QLabel *, 3> valueLabels;            // Label1, Label2, Label3
        ColorPanel *sample;                             // Shape1
        QLineEdit *code;                                // Text1
    };

    ColorEditor(const Controls &controls, QObject *parent = nullptr);

    // The first steps of the window's load: fills the value labels, the sample and
    // the code without assigning any scroll bar.
    void Load();

    void VScroll1_Change() { runChain(ColorValue::Red); }
    void VScroll2_Change() { runChain(ColorValue::Green); }
    void VScroll3_Change() { runChain(ColorValue::Blue); }

    // Puts the text of the code box on the clipboard exactly as the box holds it,
    // even when the user has edited it.
    void CopyCode();

private:
    void runChain(Component component);
    void showColor();
    void UpdateSample();
    void UpdateHexValues();
    void FormatHexValues();
    void showValue(Component component);

    Controls m_controls;
    std::array<QString, 3> m_hex; // HexR, HexG, HexB
};
