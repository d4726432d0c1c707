// SPDX-License-Identifier: MIT
#include "widgets/framebox.h"

#include "widgets/accessiblefactory.h"

#include <QPainter>

namespace {
constexpr int captionLeft = 8; // where the caption's text starts
constexpr int captionGap = 2;  // free on each side of the text
} // namespace

FrameBox::FrameBox(const QString &caption, QWidget *parent) : QWidget(parent), m_caption(caption)
{
    AccessibleFactory::install();
}

void FrameBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    const int lineY = metrics.height() / 2;
    const int textWidth = metrics.horizontalAdvance(m_caption);
    painter.setClipRegion(QRegion(rect()).subtracted(
        QRect(captionLeft - captionGap, 0, textWidth + 2 * captionGap, metrics.height())));
    // Etched: a white box one pixel below and to the right of a grey one.
    const auto box = [&painter](const QRect &r, const QColor &color) {
        painter.fillRect(r.left(), r.top(), r.width(), 1, color);
        painter.fillRect(r.left(), r.bottom(), r.width(), 1, color);
        painter.fillRect(r.left(), r.top(), 1, r.height(), color);
        painter.fillRect(r.right(), r.top(), 1, r.height(), color);
    };
    const QRect grey(0, lineY, width() - 1, height() - lineY - 1);
    box(grey.translated(1, 1), Qt::white);
    box(grey, QColor(128, 128, 128));
    painter.setClipping(false);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(captionLeft, metrics.ascent(), m_caption);
}
