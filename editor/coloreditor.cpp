// SPDX-License-Identifier: MIT
#include "editor/coloreditor.h"

#include "widgets/colorpanel.h"
#include "widgets/colorvalue.h"
#include "widgets/componentscrollbar.h"
#include "widgets/hexcode.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>

ColorEditor::ColorEditor(const Controls &controls, QObject *parent)
    : QObject(parent), m_controls(controls)
{
    connect(controls.scrollBars[ColorValue::Red], &ComponentScrollBar::Change, this,
            &ColorEditor::VScroll1_Change);
    connect(controls.scrollBars[ColorValue::Green], &ComponentScrollBar::Change, this,
            &ColorEditor::VScroll2_Change);
    connect(controls.scrollBars[ColorValue::Blue], &ComponentScrollBar::Change, this,
            &ColorEditor::VScroll3_Change);
}

void ColorEditor::Load()
{
    for (Component c : ColorValue::components)
        showValue(c);
    showColor();
}

void ColorEditor::runChain(Component component)
{
    showValue(component);
    showColor();
}

void ColorEditor::showColor()
{
    UpdateSample();
    UpdateHexValues();
    FormatHexValues();
}

void ColorEditor::showValue(Component component)
{
    const QString value = QString::number(m_controls.scrollBars[component]->Value());
    QLabel *label = m_controls.valueLabels[component];
    label->setText(value);
    // Heard as "赤 11": a bare number does not say whose it is.
    label->setAccessibleName(m_controls.scrollBars[component]->accessibleName() + QLatin1Char(' ') +
                             value);
}

void ColorEditor::UpdateSample()
{
    const auto &bars = m_controls.scrollBars;
    m_controls.sample->setBackColor(ColorValue::compose(bars[ColorValue::Red]->Value(),
                                                        bars[ColorValue::Green]->Value(),
                                                        bars[ColorValue::Blue]->Value()));
}

void ColorEditor::UpdateHexValues()
{
    for (Component c : ColorValue::components)
        m_hex[c] = HexCode::hexText(m_controls.scrollBars[c]->Value());
}

void ColorEditor::FormatHexValues()
{
    for (Component c : ColorValue::components)
        m_hex[c] = HexCode::formatPart(m_controls.scrollBars[c]->Value(), m_hex[c]);
    m_controls.code->setText(QLatin1Char('#') + m_hex[ColorValue::Red] + m_hex[ColorValue::Green] +
                             m_hex[ColorValue::Blue]);
}

void ColorEditor::CopyCode()
{
    QGuiApplication::clipboard()->setText(m_controls.code->text());
}
