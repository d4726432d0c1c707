// SPDX-License-Identifier: MIT
#include "widgets/lineeditaccessible.h"

#include <QLineEdit>
#include <QTextBoundaryFinder>

#include <algorithm>
#include <optional>

namespace {
// The finder's kind for a boundary, or none where the whole text is one piece: a
// line edit holds one line, which is one paragraph.
std::optional<QTextBoundaryFinder::BoundaryType> finderKind(QAccessible::TextBoundaryType type)
{
    switch (type) {
    case QAccessible::CharBoundary:
        return QTextBoundaryFinder::Grapheme;
    case QAccessible::WordBoundary:
        return QTextBoundaryFinder::Word;
    case QAccessible::SentenceBoundary:
        return QTextBoundaryFinder::Sentence;
    default:
        return std::nullopt;
    }
}

// Where each piece of the given kind begins, followed by the end of the text.
// Between two words, the characters that belong to none make a piece of their own.
QList<int> pieceStarts(const QString &text, QAccessible::TextBoundaryType boundaryType)
{
    QList<int> starts{0};
    if (const auto kind = finderKind(boundaryType)) {
        QTextBoundaryFinder finder(*kind, text);
        // Every step moves forward; past the end the finder answers -1.
        while (finder.toNextBoundary() > 0) {
            if (finder.boundaryReasons() &
                (QTextBoundaryFinder::StartOfItem | QTextBoundaryFinder::EndOfItem))
                starts << finder.position();
        }
    }
    if (starts.constLast() != text.size())
        starts << text.size();
    return starts;
}
} // namespace

LineEditAccessible::LineEditAccessible(QLineEdit *box)
    : QAccessibleWidget(box, QAccessible::EditableText)
{
}

QLineEdit *LineEditAccessible::box() const
{
    return static_cast<QLineEdit *>(widget());
}

void *LineEditAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessible::State LineEditAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = true;
    state.readOnly = box()->isReadOnly();
    state.selectableText = true;
    return state;
}

QString LineEditAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return box()->text();
    return QAccessibleWidget::text(t);
}

void LineEditAccessible::selection(int selectionIndex, int *startOffset, int *endOffset) const
{
    *startOffset = *endOffset = -1;
    if (selectionIndex == 0 && box()->hasSelectedText()) {
        *startOffset = box()->selectionStart();
        *endOffset = *startOffset + box()->selectionLength();
    }
}

int LineEditAccessible::selectionCount() const
{
    return box()->hasSelectedText() ? 1 : 0;
}

void LineEditAccessible::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void LineEditAccessible::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0)
        box()->deselect();
}

void LineEditAccessible::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex != 0)
        return;
    startOffset = clamped(startOffset);
    box()->setSelection(startOffset, clamped(endOffset) - startOffset);
}

int LineEditAccessible::cursorPosition() const
{
    return box()->cursorPosition();
}

void LineEditAccessible::setCursorPosition(int position)
{
    box()->setCursorPosition(clamped(position));
}

QString LineEditAccessible::text(int startOffset, int endOffset) const
{
    startOffset = clamped(startOffset);
    endOffset = clamped(endOffset);
    if (startOffset > endOffset)
        return QString();
    return box()->text().mid(startOffset, endOffset - startOffset);
}

int LineEditAccessible::clamped(int offset) const
{
    return std::clamp(offset, 0, characterCount());
}

QString LineEditAccessible::piece(int offset, QAccessible::TextBoundaryType boundaryType, int step,
                                  int *startOffset, int *endOffset) const
{
    const QString all = box()->text();
    // By convention -2 asks at the cursor and -1 at the end.
    if (offset == -2)
        offset = box()->cursorPosition();
    else if (offset == -1)
        offset = all.size();
    offset = clamped(offset);
    *startOffset = *endOffset = -1;
    const QList<int> starts = pieceStarts(all, boundaryType);
    // The end of the text belongs to the last piece, as the end of a line does,
    // except for characters: none stands at the end.
    qsizetype i = std::upper_bound(starts.begin(), starts.end(), offset) - starts.begin() - 1;
    if (offset == all.size() && boundaryType != QAccessible::CharBoundary)
        i = starts.size() - 2;
    i += step;
    if (i < 0 || i + 1 >= starts.size())
        return QString();
    *startOffset = starts[i];
    *endOffset = starts[i + 1];
    return all.mid(*startOffset, *endOffset - *startOffset);
}

QString LineEditAccessible::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                             int *startOffset, int *endOffset) const
{
    return piece(offset, boundaryType, -1, startOffset, endOffset);
}

QString LineEditAccessible::textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                            int *startOffset, int *endOffset) const
{
    return piece(offset, boundaryType, 1, startOffset, endOffset);
}

QString LineEditAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                         int *startOffset, int *endOffset) const
{
    return piece(offset, boundaryType, 0, startOffset, endOffset);
}

int LineEditAccessible::characterCount() const
{
    return box()->text().size();
}

QRect LineEditAccessible::characterRect(int offset) const
{
    offset = clamped(offset);
    const QString character = text(offset, offset + 1);
    if (character.isEmpty())
        return QRect();
    const QString all = box()->text();
    const QFontMetrics metrics(box()->font());
    // Where the text starts, scrolled or not: the rectangle the input method is
    // told for the cursor is centred on it.
    const QRect cursor = box()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const int left = cursor.left() + cursor.width() / 2 -
                     metrics.horizontalAdvance(all.left(box()->cursorPosition()));
    const QPoint topLeft(left + metrics.horizontalAdvance(all.left(offset)), cursor.top());
    return QRect(box()->mapToGlobal(topLeft),
                 QSize(metrics.horizontalAdvance(character), metrics.height()));
}

int LineEditAccessible::offsetAtPoint(const QPoint &point) const
{
    return box()->cursorPositionAt(box()->mapFromGlobal(point));
}

void LineEditAccessible::scrollToSubstring(int startIndex, int endIndex)
{
    // The box scrolls to show its cursor: the end first, then the start.
    setCursorPosition(endIndex);
    setCursorPosition(startIndex);
}

QString LineEditAccessible::attributes(int offset, int *startOffset, int *endOffset) const
{
    Q_UNUSED(offset);
    // One run of no attributes over the whole text, whatever the offset.
    *startOffset = 0;
    *endOffset = characterCount();
    return QString();
}
