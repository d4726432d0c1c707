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
    m_controls.valueLabels[component]->setText(
        QString::number(m_controls.scrollBars[component]->Value()));
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
