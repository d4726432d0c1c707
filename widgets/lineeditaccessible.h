// SPDX-License-Identifier: MIT
#pragma once

#include <QAccessibleTextInterface>
#include <QAccessibleWidget>

class QLineEdit;

// What a screen reader reads of a line edit, the code box. Qt 6.4's own reading
// never answers a query for a word where none begins, as at a "#" or at the end
// of the text, and takes a whole core while it tries; and it gives every offset
// a text attribute run of no length, from which a reader builds the line without
// its last character. Here a query cuts the text into its pieces of the asked
// kind, characters, words or sentences, in one pass, and picks among them; the
// attributes, none, hold for the whole text. An offset from a reader, any int at
// all, is first brought into the text: one outside it stands for its nearest end.
// Only line edits that show their text as it is are read here; the factory leaves
// those that hide it, as a password field does, to Qt.
class LineEditAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit LineEditAccessible(QLineEdit *box);

    void *interface_cast(QAccessible::InterfaceType type) override;
    QAccessible::State state() const override;
    QString text(QAccessible::Text t) const override;

    void selection(int selectionIndex, int *startOffset, int *endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                             int *startOffset, int *endOffset) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                            int *startOffset, int *endOffset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int *startOffset,
                         int *endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint &point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int *startOffset, int *endOffset) const override;

private:
    QLineEdit *box() const;
    int clamped(int offset) const;
    // The piece of the given kind that holds `offset`, or the one `step` pieces
    // from it; empty, with both offsets -1, where there is none.
    QString piece(int offset, QAccessible::TextBoundaryType boundaryType, int step,
                  int *startOffset, int *endOffset) const;
};
